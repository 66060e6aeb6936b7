#include "sensors/PacketSensorData.h"

#include <algorithm>
#include <cstdio>

void* UATUplink_Data::serialize(int* size) {
    size_t needed = 4;
    for (const auto& p : packages) needed += 4 + p.size();
    unsigned char* storage = buffer.ensureDoubling(needed);
    RecordWriter out(storage);
    out.put(static_cast<uint32_t>(packages.size()));
    for (const auto& p : packages) {
        out.put(static_cast<uint32_t>(p.size()));
        out.putBytes(p.data(), p.size());
    }
    *size = out.length();
    return storage;
}

bool UATUplink_Data::deserialize(const void* data, int size) {
    packages.clear();
    RecordReader in(data, size);
    uint32_t count = 0;
    if (!in.get(count) || uint64_t(count) * 4 > uint64_t(size)) return false;
    for (uint32_t i = 0; i < count; ++i) {
        uint32_t length = 0;
        const unsigned char* bytes = in.get(length) ? in.take(length) : nullptr;
        if (!bytes) {
            packages.clear();
            return false;
        }
        packages.emplace_back(bytes, bytes + length);
    }
    return true;
}

void UATUplink_Data::print() const { std::printf("UATUplink: %zu packages\n", packages.size()); }

void* Wideband_Data::serialize(int* size) {
    size_t needed = 8;
    for (const auto& b : blocks) needed += 2 + std::min(b.size(), kMaxBlockLength);
    unsigned char* storage = buffer.ensureDoubling(needed);
    RecordWriter out(storage);
    out.put(header);
    out.put(static_cast<uint32_t>(blocks.size()));
    for (const auto& b : blocks) {
        const size_t length = std::min(b.size(), kMaxBlockLength);
        out.put(static_cast<uint16_t>(length));
        out.putBytes(b.data(), length);
    }
    *size = out.length();
    return storage;
}

bool Wideband_Data::deserialize(const void* data, int size) {
    RecordReader in(data, size);
    uint32_t count = 0;
    if (!in.get(header) || !in.get(count)) return false;
    blocks.clear();
    for (uint32_t i = 0; i < count; ++i) {
        uint16_t length = 0;
        const unsigned char* bytes = in.get(length) ? in.take(length) : nullptr;
        if (!bytes) return false;
        blocks.emplace_back(bytes, bytes + length);
    }
    return true;
}

void Wideband_Data::print() const { std::printf("Wideband: header %08x, %zu blocks\n", header, blocks.size()); }
