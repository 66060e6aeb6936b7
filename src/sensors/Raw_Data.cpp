#include "sensors/Raw_Data.h"

#include <cstdio>

bool Raw_Data::deserialize(const void* data, int size) {
    Raw_Data read;  // all or nothing
    if (!sampleReader(data, size)(read).ok()) return false;
    *this = std::move(read);
    return true;
}

void Raw_Data::print() const {
    std::printf("Raw: acc(%d) %f %f %f gyr(%d) %f %f %f mag(%d) %f %f %f gps(%d) dt %f %f text \"%s\"\n", accAvail,
                acc.x, acc.y, acc.z, gyrAvail, gyr.x, gyr.y, gyr.z, magAvail, mag.x, mag.y, mag.z, gpsAvail, deltaT0,
                deltaT1, text.c_str());
}
