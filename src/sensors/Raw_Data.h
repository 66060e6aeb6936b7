#pragma once
#include <string>

#include "sensors/GPS_Data.h"
#include "sensors/Matrix3x3.h"
#include "sensors/RecordSample.h"

// One sample of raw inertial and GNSS input for the fusion service.
class Raw_Data : public GrowingRecordSample {
public:
    // Record length without the GPS record and the text.
    static constexpr int kFixedRecordLength = 244;

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
    void* serialize(int* size) override;
    // Leaves the sample unchanged and returns false when the record is
    // truncated or its embedded GPS record is shorter than a GPS record.
    bool deserialize(const void* data, int size) override;
    void print() const override;

private:
    // The fixed-length fields after the GPS record and the text.
    template <class Record>
    void fixedFields(Record& record);
};
