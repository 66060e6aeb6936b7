#pragma once

class ISensorFactory;
class SensorManager;

// Registers everything the sensor side offers, in the order configuration
// files rely on: the 23 sample factories, the ten sensor factories (their
// index is the persisted FactoryIndex), the presets in their four titled
// sections, and the two forwarder factories (ForwarderFactory index).
// The fusion lives above the sensor library, so its factory ("Official
// SensorFusion", index 0) comes from the caller; null registers a placeholder.
void registerSensorKinds(SensorManager& manager, ISensorFactory* sensorFusion = nullptr);

// Only the 23 sample factories, each under its type.
void registerSensorDataFactories(SensorManager& manager);
