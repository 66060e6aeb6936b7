#include "sensors/PacketSensorData.h"

#include <cstdio>

bool UATUplink_Data::deserialize(const void* data, int size) {
    if (sampleReader(data, size)(*this).ok()) return true;
    packages.clear();
    return false;
}

void UATUplink_Data::print() const { std::printf("UATUplink: %zu packages\n", packages.size()); }

void Wideband_Data::print() const { std::printf("Wideband: header %08x, %zu blocks\n", header, blocks.size()); }
