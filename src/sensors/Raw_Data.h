#pragma once
#include <string>

#include "sensors/GPS_Data.h"
#include "sensors/Matrix3x3.h"
#include "sensors/RecordSample.h"

// One sample of raw inertial and GNSS input for the fusion service.
class Raw_Data : public GrowingRecordSample {
public:
    GPS_Data gps;
    // Free text the raw source passes along (e.g. the source's own NMEA line).
    std::string text;
    Vector3d acc, gyr, mag;  // accelerometer, gyroscope, magnetometer
    bool accAvail = false, gyrAvail = false, magAvail = false;
    // Set when `gps` holds a fix received with this sample.
    bool gpsAvail = false;
    Matrix3x3 m, delta;
    double deltaT0 = 0.0, deltaT1 = 0.0;

    Type getType() const override { return RAW; }
    void* serialize(int* size) override { return buffer.write(GrowingRecordBuffer::EXACT, size, *this); }
    // Leaves the sample unchanged and returns false when the record is
    // truncated or its embedded GPS record is shorter than a GPS record.
    bool deserialize(const void* data, int size) override;
    void print() const override;

    // The GPS record behind its length (u32), the text, then fixed fields.
    template <class Visitor>
    void fields(Visitor& v) {
        v(record::sized<uint32_t>(gps), text);
        for (Vector3d* vector : {&acc, &gyr, &mag}) v(vector->x, vector->y, vector->z);
        v(accAvail, gyrAvail, magAvail, gpsAvail, m.m, delta.m, deltaT0, deltaT1);
    }
};
