#include "sensors/MotionSensorData.h"

#include <cstdio>

void Position_Data::print() const {
    std::printf("Position: lon %.8f lat %.8f timeStamp: %u\n", longitude, latitude, timeStamp);
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

void Attitude_Data::print() const {
    const Matrix3x3& o = orientation;
    std::printf("Attitude: [%f %f %f; %f %f %f; %f %f %f] reset: %s timeStamp: %u\n", o.m[0][0], o.m[0][1],
                o.m[0][2], o.m[1][0], o.m[1][1], o.m[1][2], o.m[2][0], o.m[2][1], o.m[2][2], resetName(reset),
                timeStamp);
}
