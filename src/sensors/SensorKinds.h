#pragma once

class SensorManager;

// Registers everything the sensor side offers, in the order configuration
// files rely on: the 23 sample factories, the ten sensor factories (their
// index is the persisted FactoryIndex), the presets in their four titled
// sections, and the two forwarder factories (ForwarderFactory index).
void registerSensorKinds(SensorManager& manager);

// Only the 23 sample factories, each under its type.
void registerSensorDataFactories(SensorManager& manager);
