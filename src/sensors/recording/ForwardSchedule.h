#pragma once
#include <cstdint>
#include <map>

class ISensor;

// When a forwarder may pass a sensor on again: each sensor at most once per
// forward period, nothing while paused.
class ForwardSchedule {
public:
    explicit ForwardSchedule(int periodMs) : period(periodMs) {}

    // True (and remembers `now`) when the sensor is due.
    bool isDue(const ISensor* sensor, uint32_t now);
    void setPeriod(int periodMs) { period = periodMs > 0 ? periodMs : 0; }
    int getPeriod() const { return period; }
    void setPause(bool pause) { paused = pause; }
    bool isPaused() const { return paused; }

private:
    int period;
    bool paused = false;
    std::map<const ISensor*, uint32_t> lastForwarded;
};
