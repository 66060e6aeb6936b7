#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "sensors/RecordSample.h"

// One traffic target. Sentinels mark unknown values.
struct TrafficElement {
    static constexpr size_t kNameLength = 9;

    uint32_t icaoAddress = 0;
    double longitude = -360.0, latitude = -360.0;
    double altitude = -100000.0;  // feet
    int32_t velocity = -100000;   // knots over ground
    int32_t climbRate = -100000;  // feet per minute
    uint32_t squawk = 0;
    uint32_t capabilityIndex = 100000;  // source and emitter, as the driver delivers it
    float track = -360.0f;              // degrees
    std::string name;                   // call sign

    bool hasPosition() const;

    // 53 bytes; the altitude as whole feet (i32), the name zero padded.
    template <class Visitor>
    void fields(Visitor& v) {
        v(icaoAddress, longitude, latitude, record::as<int32_t>(altitude), velocity, climbRate, squawk,
          capabilityIndex, track, record::fixedText<kNameLength>(name));
    }
};

// All traffic targets of one source, keyed and ordered by address. The
// sample owns its elements.
class Traffic_Data : public GrowingRecordSample {
public:
    uint8_t version = 0;
    std::map<unsigned, TrafficElement*> traffic;

    Traffic_Data() = default;
    ~Traffic_Data() override;
    Traffic_Data(const Traffic_Data&) = delete;
    Traffic_Data& operator=(const Traffic_Data&) = delete;

    // Deletes every element.
    void clear();
    // Stores a copy under its address, replacing (and deleting) an earlier one.
    TrafficElement* set(const TrafficElement& element);

    Type getType() const override { return TRAFFIC; }
    // The version, then one element record per target in address order.
    void* serialize(int* size) override;
    // Discards all previous elements, then reads the version and element
    // records while bytes remain; a partial element ends the read with
    // "Error: Wrong traffic format." and false.
    bool deserialize(const void* data, int size) override;
    void print() const override;
};
