#pragma once
// Properties that must hold for any input, shared by the libFuzzer targets
// and by the unit test that replays the inputs kept from fuzzing. Each
// returns an empty text when the property holds, else what went wrong.
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "sensors/NMEA_Parser.h"
#include "sensors/SensorDataFactory.h"

namespace sensorfuzz {

// First byte: parser version and interval; the rest is the byte stream.
inline std::string checkNMEA(const unsigned char* data, size_t size) {
    if (size == 0) return "";
    NMEA_Parser parser(data[0] & 3, (data[0] >> 2) * 10);
    double now = 0.0;
    parser.setClock([&now] { return now += 0.05; });
    for (size_t i = 1; i < size; ++i) parser.doStep(char(data[i]));
    const GPS_Data& gps = parser.getGPSData();
    if (gps.positionAvail && (std::fabs(gps.latitude) > 90.0 || std::fabs(gps.longitude) > 180.0))
        return "position off the globe";
    if (gps.timeAvail && (gps.hour > 23 || gps.minute > 59 || gps.second > 60 || gps.millisecond > 999 ||
                          gps.hour < 0 || gps.minute < 0 || gps.second < 0 || gps.millisecond < 0))
        return "time out of range";
    return "";
}

inline std::vector<unsigned char> recordOf(ISensorData& sample) {
    int size = 0;
    auto* bytes = static_cast<unsigned char*>(sample.serialize(&size));
    return std::vector<unsigned char>(bytes, bytes + size);
}

// First byte: the sample type; the rest is a record of any length. A record
// that was accepted must come back unchanged after a second round trip.
inline std::string checkRecord(const unsigned char* data, size_t size) {
    if (size == 0) return "";
    const auto type = ISensorData::Type(data[0] % ISensorData::TYPE_COUNT);
    std::unique_ptr<ISensorDataFactory> factory(createStandardSensorDataFactory(type));
    std::unique_ptr<ISensorData> first(factory->Create());
    const int length = int(size - 1);
    if (!first->deserialize(data + 1, length)) {
        recordOf(*first);  // whatever was left must still serialise
        return "";
    }
    const std::vector<unsigned char> once = recordOf(*first);
    std::unique_ptr<ISensorData> second(factory->Create());
    if (!second->deserialize(once.data(), int(once.size()))) return "own record rejected";
    if (recordOf(*second) != once) return "record changed on a second round trip";
    return "";
}

}  // namespace sensorfuzz
