#pragma once

class SensorManager;

// Called once per sensor-manager update, after every sensor was polled.
class ISensorDataReceiver {
public:
    virtual ~ISensorDataReceiver() = default;
    virtual void OnSensorUpdate(SensorManager* manager) = 0;
};
