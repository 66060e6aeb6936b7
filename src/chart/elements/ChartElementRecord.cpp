#include "chart/elements/ChartElementRecord.h"

#include <cstring>
#include <utility>

namespace {

// The files are little-endian; so is every machine this runs on, which the
// build checks once here instead of swapping bytes on every field.
static_assert(sizeof(double) == 8 && sizeof(float) == 4, "IEEE 754 sizes expected");

template <typename T>
void putLittleEndian(std::ostream& out, T value) {
    unsigned char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    for (unsigned i = 0; i < sizeof(T) / 2; ++i)
        std::swap(bytes[i], bytes[sizeof(T) - 1 - i]);
#endif
    out.write(reinterpret_cast<const char*>(bytes), sizeof(T));
}

template <typename T>
void fromLittleEndian(T& value, const void* source) {
    unsigned char bytes[sizeof(T)];
    std::memcpy(bytes, source, sizeof(T));
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    for (unsigned i = 0; i < sizeof(T) / 2; ++i)
        std::swap(bytes[i], bytes[sizeof(T) - 1 - i]);
#endif
    std::memcpy(&value, bytes, sizeof(T));
}

}  // namespace

bool ChartRecordReader::take(void* out, unsigned bytes) {
    if (!good || size - position < bytes) {
        good = false;
        return false;
    }
    std::memcpy(out, buffer + position, bytes);
    position += bytes;
    return true;
}

bool ChartRecordReader::readU8(uint8_t& value) { return take(&value, 1); }

bool ChartRecordReader::readBool(bool& value) {
    uint8_t byte = 0;
    if (!readU8(byte))
        return false;
    value = byte != 0;
    return true;
}

#define CHART_READ_LE(Name, Type)                 \
    bool ChartRecordReader::Name(Type& value) {   \
        unsigned char raw[sizeof(Type)];          \
        if (!take(raw, sizeof(Type)))             \
            return false;                         \
        fromLittleEndian(value, raw);             \
        return true;                              \
    }

CHART_READ_LE(readU16, uint16_t)
CHART_READ_LE(readI16, int16_t)
CHART_READ_LE(readU32, uint32_t)
CHART_READ_LE(readI32, int32_t)
CHART_READ_LE(readU64, uint64_t)
CHART_READ_LE(readFloat, float)
CHART_READ_LE(readDouble, double)
#undef CHART_READ_LE

bool ChartRecordReader::readString(std::string& value) {
    uint32_t length = 0;
    if (!readCount(length, 1))
        return false;
    value.assign(buffer + position, length);
    position += length;
    return true;
}

bool ChartRecordReader::readLatLong(ChartPosition& value) {
    return readDouble(value.latitude) && readDouble(value.longitude);
}

bool ChartRecordReader::readLongLat(ChartPosition& value) {
    return readDouble(value.longitude) && readDouble(value.latitude);
}

bool ChartRecordReader::readCount(uint32_t& count, unsigned minEntrySize) {
    if (!readU32(count))
        return false;
    if (minEntrySize > 0 && count > remaining() / minEntrySize) {
        good = false;
        return false;
    }
    return true;
}

void ChartRecordWriter::writeU8(uint8_t value) { out.put(static_cast<char>(value)); }
void ChartRecordWriter::writeU16(uint16_t value) { putLittleEndian(out, value); }
void ChartRecordWriter::writeU32(uint32_t value) { putLittleEndian(out, value); }
void ChartRecordWriter::writeU64(uint64_t value) { putLittleEndian(out, value); }
void ChartRecordWriter::writeFloat(float value) { putLittleEndian(out, value); }
void ChartRecordWriter::writeDouble(double value) { putLittleEndian(out, value); }

void ChartRecordWriter::writeString(const std::string& value) {
    writeU32(static_cast<uint32_t>(value.size()));
    out.write(value.data(), static_cast<std::streamsize>(value.size()));
}

void ChartRecordWriter::writeLatLong(const ChartPosition& value) {
    writeDouble(value.latitude);
    writeDouble(value.longitude);
}

void ChartRecordWriter::writeLongLat(const ChartPosition& value) {
    writeDouble(value.longitude);
    writeDouble(value.latitude);
}
