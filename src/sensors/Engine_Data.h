#pragma once
#include <cstdint>

#include "sensors/RecordSample.h"

// Raw readings of an engine-monitoring unit; the engine indications turn
// them into values. The record layout is also the field order.
class Engine_Data : public FixedRecordSample<Engine_Data, 63> {
public:
    static constexpr uint8_t kVersion = 1;
    static constexpr int kAnalogChannels = 13;
    static constexpr int kThermocouples = 8;

    struct Counter {
        uint8_t flag = 0;
        uint32_t valueA = 0;
        uint32_t count = 0;  // the pulse count consumers use
    };

    uint8_t version = kVersion;
    uint16_t analog[kAnalogChannels] = {};  // 12-bit readings 0..4095
    uint16_t spare = 0;
    int16_t thermocouple[kThermocouples] = {};  // tenths of a degree Celsius
    Counter counter[2];

    Type getType() const override { return ENGINE_DATA; }
    // Ignores records shorter than 63 bytes; of a record with another
    // version only the version is stored.
    bool deserialize(const void* data, int size) override;
    void print() const override;

    template <class Visitor>
    void fields(Visitor& v) {
        v(version, analog, spare, thermocouple);
        for (Counter& c : counter) v(c.flag, c.valueA, c.count);
    }
};
