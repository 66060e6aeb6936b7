#include "sensors/MotionSensorData.h"

#include <cstdio>

#include "sensors/RecordCodec.h"

void* Position_Data::serialize(int* size) {
    RecordWriter out(record);
    out.put(longitude);
    out.put(latitude);
    out.put(timeStamp);
    *size = out.length();
    return record;
}

bool Position_Data::deserialize(const void* data, int size) {
    if (size < kRecordLength) return false;
    RecordReader in(data, size);
    in.get(longitude);
    in.get(latitude);
    in.get(timeStamp);
    return true;
}

void Position_Data::print() const {
    std::printf("Position: lon %.8f lat %.8f timeStamp: %u\n", longitude, latitude, timeStamp);
}

void* Acceleration_Data::serialize(int* size) {
    RecordWriter out(record);
    out.put(x);
    out.put(y);
    out.put(z);
    out.put(timeStamp);
    *size = out.length();
    return record;
}

bool Acceleration_Data::deserialize(const void* data, int size) {
    if (size < kRecordLength) return false;
    RecordReader in(data, size);
    in.get(x);
    in.get(y);
    in.get(z);
    in.get(timeStamp);
    return true;
}

void Acceleration_Data::print() const {
    std::printf("Acceleration: %f %f %f timeStamp: %u\n", x, y, z, timeStamp);
}

const char* Attitude_Data::resetName(uint32_t reset) {
    switch (reset) {
        case NO_RESET: return "No Reset";
        case RESET_TO_UNIT_MATRICES: return "Reset to Unit Matrices";
        case RESET_INSTALLATION_MATRIX: return "Reset Installation Matrix";
        case RESET_ORIENTATION_MATRIX: return "Reset Orientation Matrix";
        default: return "";
    }
}

void* Attitude_Data::serialize(int* size) {
    RecordWriter out(record);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) out.put(orientation.m[i][j]);
    out.put(reset);
    out.put(timeStamp);
    *size = out.length();
    return record;
}

bool Attitude_Data::deserialize(const void* data, int size) {
    if (size < kRecordLength) return false;
    RecordReader in(data, size);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) in.get(orientation.m[i][j]);
    in.get(reset);
    in.get(timeStamp);
    return true;
}

void Attitude_Data::print() const {
    const Matrix3x3& o = orientation;
    std::printf("Attitude: [%f %f %f; %f %f %f; %f %f %f] reset: %s timeStamp: %u\n", o.m[0][0], o.m[0][1],
                o.m[0][2], o.m[1][0], o.m[1][1], o.m[1][2], o.m[2][0], o.m[2][1], o.m[2][2], resetName(reset),
                timeStamp);
}
