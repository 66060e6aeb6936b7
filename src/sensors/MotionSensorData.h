#pragma once
#include <cstdint>

#include "sensors/RecordSample.h"
#include "sensors/Matrix3x3.h"

// Degrees east and north. The default (-10, -10) marks "never set".
class Position_Data : public FixedRecordSample<Position_Data, 20> {
public:
    double longitude = -10.0;
    double latitude = -10.0;
    uint32_t timeStamp = 0;

    Position_Data() = default;
    Position_Data(double longitudeDeg, double latitudeDeg, uint32_t time)
        : longitude(longitudeDeg), latitude(latitudeDeg), timeStamp(time) {}

    Type getType() const override { return POSITION; }
    void print() const override;

    template <class Visitor>
    void fields(Visitor& v) { v(longitude, latitude, timeStamp); }
};

class Acceleration_Data : public FixedRecordSample<Acceleration_Data, 28> {
public:
    double x = 0.0, y = 0.0, z = 0.0;
    uint32_t timeStamp = 0;

    Acceleration_Data() = default;
    Acceleration_Data(double xValue, double yValue, double zValue, uint32_t time)
        : x(xValue), y(yValue), z(zValue), timeStamp(time) {}

    Type getType() const override { return ACCELERATION; }
    void print() const override;

    template <class Visitor>
    void fields(Visitor& v) { v(x, y, z, timeStamp); }
};

// The aircraft's orientation; see Matrix3x3 for the frame. `reset` tells
// consumers that the fusion service has reset its matrices.
class Attitude_Data : public FixedRecordSample<Attitude_Data, 80> {
public:
    enum Reset : uint32_t {
        NO_RESET = 0,
        RESET_TO_UNIT_MATRICES = 1,
        RESET_INSTALLATION_MATRIX = 2,
        RESET_ORIENTATION_MATRIX = 3
    };
    // "No Reset", "Reset to Unit Matrices", ...; empty for unknown values.
    static const char* resetName(uint32_t reset);

    Matrix3x3 orientation;
    uint32_t reset = NO_RESET;
    uint32_t timeStamp = 0;

    Attitude_Data() = default;
    Attitude_Data(const Matrix3x3& matrix, uint32_t time) : orientation(matrix), timeStamp(time) {}

    Type getType() const override { return ATTITUDE; }
    void print() const override;

    // The matrix in row order, then reset and timeStamp.
    template <class Visitor>
    void fields(Visitor& v) { v(orientation.m, reset, timeStamp); }
};
