#include "sensors/InstrumentSensorData.h"

#include <cstdio>

void ExtendedHeading_Data::print() const {
    std::printf("ExtendedHeading: true %f magnetic %f timeStamp: %u\n", trueHeading, magneticHeading, timeStamp);
}

void AngleOfAttack_Data::print() const {
    std::printf("AngleOfAttack: %f of %f %s timeStamp: %u\n", angle, maxAngle, unit == DEGREES ? "deg" : "parts",
                timeStamp);
}

void LocGs_Data::print() const {
    std::printf("%s: 90Hz %f 150Hz %f\n", isLocalizer() ? "Localizer" : "Glideslope", amplitude90Hz, amplitude150Hz);
}
