#include "sensors/Raw_Data.h"

#include <cstdio>

template <class Record>
void Raw_Data::fixedFields(Record& record) {
    for (Vector3d* v : {&acc, &gyr, &mag}) record.field(v->x), record.field(v->y), record.field(v->z);
    record.field(accAvail), record.field(gyrAvail), record.field(magAvail), record.field(gpsAvail);
    record.field(m.m), record.field(delta.m);
    record.field(deltaT0), record.field(deltaT1);
}

void* Raw_Data::serialize(int* size) {
    int gpsLength = 0;
    const void* gpsRecord = gps.serialize(&gpsLength);
    unsigned char* storage = buffer.ensureExact(size_t(kFixedRecordLength) + gpsLength + text.size());
    RecordWriter out(storage);
    out.put(static_cast<uint32_t>(gpsLength));
    out.putBytes(gpsRecord, size_t(gpsLength));
    out.put(static_cast<uint32_t>(text.size()));
    out.putBytes(text.data(), text.size());
    fixedFields(out);
    *size = out.length();
    return storage;
}

bool Raw_Data::deserialize(const void* data, int size) {
    RecordReader in(data, size);
    uint32_t gpsLength = 0;
    if (!in.get(gpsLength) || gpsLength < uint32_t(GPS_Data::kRecordLength)) return false;
    const unsigned char* gpsRecord = in.take(gpsLength);
    uint32_t textLength = 0;
    if (!gpsRecord || !in.get(textLength)) return false;
    const unsigned char* textBytes = in.take(textLength);
    if (!textBytes || in.remaining() < size_t(kFixedRecordLength - 8)) return false;

    gps.deserialize(gpsRecord, int(gpsLength));
    text.assign(reinterpret_cast<const char*>(textBytes), textLength);
    fixedFields(in);
    return true;
}

void Raw_Data::print() const {
    std::printf("Raw: acc(%d) %f %f %f gyr(%d) %f %f %f mag(%d) %f %f %f gps(%d) dt %f %f text \"%s\"\n", accAvail,
                acc.x, acc.y, acc.z, gyrAvail, gyr.x, gyr.y, gyr.z, magAvail, mag.x, mag.y, mag.z, gpsAvail, deltaT0,
                deltaT1, text.c_str());
}
