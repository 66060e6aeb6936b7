#include "sensors/Raw_Data.h"

#include <cstdio>

namespace {
void putVector(RecordWriter& out, const Vector3d& v) {
    out.put(v.x), out.put(v.y), out.put(v.z);
}
void putMatrix(RecordWriter& out, const Matrix3x3& matrix) {
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) out.put(matrix.m[i][j]);
}
void getVector(RecordReader& in, Vector3d& v) {
    in.get(v.x), in.get(v.y), in.get(v.z);
}
void getMatrix(RecordReader& in, Matrix3x3& matrix) {
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) in.get(matrix.m[i][j]);
}
bool getFlag(RecordReader& in) {
    uint8_t byte = 0;
    in.get(byte);
    return byte != 0;
}
}  // namespace

void* Raw_Data::serialize(int* size) {
    int gpsLength = 0;
    const void* gpsRecord = gps.serialize(&gpsLength);
    unsigned char* storage = buffer.ensureExact(size_t(kFixedRecordLength) + gpsLength + text.size());
    RecordWriter out(storage);
    out.put(static_cast<uint32_t>(gpsLength));
    out.putBytes(gpsRecord, size_t(gpsLength));
    out.put(static_cast<uint32_t>(text.size()));
    out.putBytes(text.data(), text.size());
    putVector(out, acc), putVector(out, gyr), putVector(out, mag);
    for (bool flag : {accAvail, gyrAvail, magAvail, gpsAvail}) out.put(static_cast<uint8_t>(flag ? 1 : 0));
    putMatrix(out, m);
    putMatrix(out, delta);
    out.put(deltaT0), out.put(deltaT1);
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
    getVector(in, acc), getVector(in, gyr), getVector(in, mag);
    accAvail = getFlag(in), gyrAvail = getFlag(in), magAvail = getFlag(in), gpsAvail = getFlag(in);
    getMatrix(in, m);
    getMatrix(in, delta);
    in.get(deltaT0), in.get(deltaT1);
    return true;
}

void Raw_Data::print() const {
    std::printf("Raw: acc(%d) %f %f %f gyr(%d) %f %f %f mag(%d) %f %f %f gps(%d) dt %f %f text \"%s\"\n", accAvail,
                acc.x, acc.y, acc.z, gyrAvail, gyr.x, gyr.y, gyr.z, magAvail, mag.x, mag.y, mag.z, gpsAvail, deltaT0,
                deltaT1, text.c_str());
}
