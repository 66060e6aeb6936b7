#include "sensors/Engine_Data.h"

#include <cstdio>

#include "sensors/RecordCodec.h"

void* Engine_Data::serialize(int* size) {
    RecordWriter out(record);
    out.put(version);
    for (uint16_t a : analog) out.put(a);
    out.put(spare);
    for (int16_t t : thermocouple) out.put(t);
    for (const Counter& c : counter) {
        out.put(c.flag);
        out.put(c.valueA);
        out.put(c.count);
    }
    *size = out.length();
    return record;
}

bool Engine_Data::deserialize(const void* data, int size) {
    if (size < kRecordLength) return false;
    RecordReader in(data, size);
    in.get(version);
    if (version != kVersion) return false;
    for (uint16_t& a : analog) in.get(a);
    in.get(spare);
    for (int16_t& t : thermocouple) in.get(t);
    for (Counter& c : counter) {
        in.get(c.flag);
        in.get(c.valueA);
        in.get(c.count);
    }
    return true;
}

void Engine_Data::print() const {
    std::printf("Engine: version %u analog0 %u tc0 %d count0 %u count1 %u\n", version, analog[0], thermocouple[0],
                counter[0].count, counter[1].count);
}
