#pragma once
// Samples whose every field differs from its default, a stepped clock and
// the bytes of a sample, for the recording and forwarding tests.
#include <gtest/gtest.h>

#include <string>

#include "base/RecordCodec.h"
#include "sensors/SensorManager.h"
#include "sensors/core/SensorTestSupport.h"

inline std::string bytesOf(ISensorData& sample) {
    int size = 0;
    const char* bytes = static_cast<const char*>(sample.serialize(&size));
    return std::string(bytes, size_t(size));
}

// Fills the sample of `type` with a record of its own bytes, distinct per type.
inline void fillDistinct(ISensorData& sample, int type) {
    std::string bytes = bytesOf(sample);
    auto pattern = [type](size_t n) {
        std::string p(n, '\0');
        for (size_t i = 0; i < n; ++i) p[i] = char(i * 7 + type * 13 + 1);
        return p;
    };
    switch (type) {
    case ISensorData::RAW:
        bytes.replace(4, 128, pattern(128));
        break;  // the embedded GPS record
    case ISensorData::TRAFFIC:
        bytes = "\x01" + recordBytes(uint32_t(0xABCDEF)) + pattern(49);
        break;
    case ISensorData::UAT_UPLINK:
        bytes = recordBytes(uint32_t(1), uint32_t(3)) + "abc";
        break;
    case ISensorData::WIDEBAND_DATA:
        bytes = recordBytes(uint32_t(7), uint32_t(1), uint16_t(2)) + "xy";
        break;
    default:
        bytes = pattern(bytes.size());
    }
    if (type == ISensorData::ENGINE_DATA) bytes[0] = 1;  // the only version there is
    ASSERT_TRUE(sample.deserialize(bytes.data(), int(bytes.size()))) << type;
}

// A sensor of every type with distinct contents.
inline void fillAllDistinct(ScriptedSensor& sensor) {
    for (ISensorData::Type t : sensor.getSupportedDataTypes()) fillDistinct(*sensor.getData(t), t);
}
