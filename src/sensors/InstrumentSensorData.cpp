#include "sensors/InstrumentSensorData.h"

#include <cstdio>

#include "sensors/RecordCodec.h"

void* ExtendedHeading_Data::serialize(int* size) {
    RecordWriter out(record);
    out.put(trueHeading);
    out.put(magneticHeading);
    out.put(timeStamp);
    *size = out.length();
    return record;
}

bool ExtendedHeading_Data::deserialize(const void* data, int size) {
    if (size < kRecordLength) return false;
    RecordReader in(data, size);
    in.get(trueHeading);
    in.get(magneticHeading);
    in.get(timeStamp);
    return true;
}

void ExtendedHeading_Data::print() const {
    std::printf("ExtendedHeading: true %f magnetic %f timeStamp: %u\n", trueHeading, magneticHeading, timeStamp);
}

void* AngleOfAttack_Data::serialize(int* size) {
    RecordWriter out(record);
    out.put(angle);
    out.put(maxAngle);
    out.put(timeStamp);
    out.put(static_cast<uint8_t>(unit));
    *size = out.length();
    return record;
}

bool AngleOfAttack_Data::deserialize(const void* data, int size) {
    if (size < kRecordLength) return false;
    RecordReader in(data, size);
    in.get(angle);
    in.get(maxAngle);
    in.get(timeStamp);
    uint8_t unitByte = 0;
    in.get(unitByte);
    unit = static_cast<Unit>(unitByte);
    return true;
}

void AngleOfAttack_Data::print() const {
    std::printf("AngleOfAttack: %f of %f %s timeStamp: %u\n", angle, maxAngle, unit == DEGREES ? "deg" : "parts",
                timeStamp);
}

void* LocGs_Data::serialize(int* size) {
    RecordWriter out(record);
    out.put(amplitude90Hz);
    out.put(amplitude150Hz);
    *size = out.length();
    return record;
}

bool LocGs_Data::deserialize(const void* data, int size) {
    if (size < kRecordLength) return false;
    RecordReader in(data, size);
    in.get(amplitude90Hz);
    in.get(amplitude150Hz);
    return true;
}

void LocGs_Data::print() const {
    std::printf("%s: 90Hz %f 150Hz %f\n", isLocalizer() ? "Localizer" : "Glideslope", amplitude90Hz, amplitude150Hz);
}
