#include "sensors/Traffic_Data.h"

#include <cmath>
#include <cstdio>
#include <cstring>

bool TrafficElement::hasPosition() const {
    return std::fabs(latitude + 360.0) >= 1e-8 && std::fabs(longitude + 360.0) >= 1e-8;
}

void TrafficElement::writeRecord(RecordWriter& out) const {
    out.put(icaoAddress);
    out.put(longitude);
    out.put(latitude);
    // Feet, truncated toward zero; guarded so that absurd values cannot overflow.
    const double clamped = std::fmax(-2147483648.0, std::fmin(2147483647.0, std::isnan(altitude) ? 0.0 : altitude));
    out.put(static_cast<int32_t>(clamped));
    out.put(velocity);
    out.put(climbRate);
    out.put(squawk);
    out.put(capabilityIndex);
    out.put(track);
    char field[kNameLength] = {};
    std::memcpy(field, name.data(), name.size() < kNameLength ? name.size() : kNameLength);
    out.putBytes(field, kNameLength);
}

bool TrafficElement::readRecord(RecordReader& in) {
    if (in.remaining() < size_t(kRecordLength)) return false;
    int32_t altitudeFeet = 0;
    in.get(icaoAddress);
    in.get(longitude);
    in.get(latitude);
    in.get(altitudeFeet);
    altitude = altitudeFeet;
    in.get(velocity);
    in.get(climbRate);
    in.get(squawk);
    in.get(capabilityIndex);
    in.get(track);
    const char* field = reinterpret_cast<const char*>(in.take(kNameLength));
    name.assign(field, strnlen(field, kNameLength));
    return true;
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
    const size_t needed = 1 + traffic.size() * TrafficElement::kRecordLength;
    unsigned char* storage = buffer.ensureDoubling(needed);
    RecordWriter out(storage);
    out.put(version);
    for (const auto& entry : traffic) entry.second->writeRecord(out);
    *size = out.length();
    return storage;
}

bool Traffic_Data::deserialize(const void* data, int size) {
    clear();
    RecordReader in(data, size);
    if (!in.get(version)) return false;
    while (in.remaining() > 0) {
        TrafficElement element;
        if (!element.readRecord(in)) {
            std::printf("Error: Wrong traffic format.\n");
            return false;
        }
        set(element);
    }
    return true;
}

void Traffic_Data::print() const {
    std::printf("Traffic: version %u, %zu targets\n", version, traffic.size());
}
