#include "sensors/Traffic_Data.h"

#include <cmath>
#include <cstdio>

bool TrafficElement::hasPosition() const {
    return std::fabs(latitude + 360.0) >= 1e-8 && std::fabs(longitude + 360.0) >= 1e-8;
}

Traffic_Data::~Traffic_Data() { clear(); }

void Traffic_Data::clear() {
    for (auto& entry : traffic) delete entry.second;
    traffic.clear();
}

TrafficElement* Traffic_Data::set(const TrafficElement& element) {
    TrafficElement*& slot = traffic[element.icaoAddress];
    delete slot;
    slot = new TrafficElement(element);
    return slot;
}

void* Traffic_Data::serialize(int* size) {
    return buffer.write(GrowingRecordBuffer::DOUBLING, size, version, [this](auto& v) {
        for (const auto& entry : traffic) v(*entry.second);
    });
}

bool Traffic_Data::deserialize(const void* data, int size) {
    clear();
    RecordReader in = sampleReader(data, size);
    in(version);
    while (in.ok() && in.remaining() > 0) {
        TrafficElement element;
        if (in(element).ok())
            set(element);
        else
            std::printf("Error: Wrong traffic format.\n");
    }
    return in.ok();
}

void Traffic_Data::print() const {
    std::printf("Traffic: version %u, %zu targets\n", version, traffic.size());
}
