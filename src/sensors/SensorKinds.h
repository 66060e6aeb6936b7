#pragma once

class ISensorFactory;
class SensorManager;

// The ADS-B receiver kinds, which live in the radio library above this one.
constexpr const char* kNetworkADSBSensorName = "Network ADS-B (Beast/AVR)";
constexpr const char* kRTLSDRSensorName = "RTL-SDR ADS-B";
struct ADSBSensorKinds {
    ISensorFactory* network = nullptr;  // kNetworkADSBSensorName, index 10
    ISensorFactory* rtlSdr = nullptr;   // kRTLSDRSensorName, index 11
};

// Registers everything the sensor side offers, in the order configuration
// files rely on: the 23 sample factories, the sensor factories (their index
// is the persisted FactoryIndex: the ten original kinds, then the ADS-B
// receivers; new kinds only ever go at the end), the presets in their four
// titled sections, and the two forwarder factories (ForwarderFactory index).
// The fusion and the ADS-B receivers live above the sensor library, so
// their factories ("Official SensorFusion" is index 0) come from the
// caller; a null one registers a placeholder that keeps the index.
void registerSensorKinds(SensorManager& manager, ISensorFactory* sensorFusion = nullptr, ADSBSensorKinds adsb = {});

// Only the 23 sample factories, each under its type.
void registerSensorDataFactories(SensorManager& manager);
