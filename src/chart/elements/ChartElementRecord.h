#pragma once
#include "geo/ChartPosition.h"

#include <cstdint>
#include <ostream>
#include <string>

// Reads the little-endian fields of one element record. Every read checks
// that the field lies inside the record; after the first failure every
// further read fails too, so a reader can read a whole record and test
// ok() once at the end.
class ChartRecordReader {
public:
    ChartRecordReader(const char* buffer, unsigned& position, unsigned size)
        : buffer(buffer), position(position), size(size), good(position <= size) {}

    bool ok() const { return good; }
    unsigned remaining() const { return good ? size - position : 0; }

    bool readU8(uint8_t& value);
    bool readBool(bool& value);
    bool readU16(uint16_t& value);
    bool readI16(int16_t& value);
    bool readU32(uint32_t& value);
    bool readI32(int32_t& value);
    bool readU64(uint64_t& value);
    bool readFloat(float& value);
    bool readDouble(double& value);
    bool readString(std::string& value);
    // Two doubles: latitude first, then longitude.
    bool readLatLong(ChartPosition& value);
    // Two doubles: longitude first, then latitude.
    bool readLongLat(ChartPosition& value);
    // A count of entries that are at least minEntrySize bytes each; fails
    // when that many entries cannot fit into the rest of the record, so a
    // corrupt count never makes the caller reserve gigabytes.
    bool readCount(uint32_t& count, unsigned minEntrySize);

private:
    bool take(void* out, unsigned bytes);

    const char* buffer;
    unsigned& position;
    unsigned size;
    bool good;
};

// Writes the little-endian fields of one element record.
class ChartRecordWriter {
public:
    explicit ChartRecordWriter(std::ostream& out) : out(out) {}

    void writeU8(uint8_t value);
    void writeBool(bool value) { writeU8(value ? 1 : 0); }
    void writeU16(uint16_t value);
    void writeI16(int16_t value) { writeU16(static_cast<uint16_t>(value)); }
    void writeU32(uint32_t value);
    void writeI32(int32_t value) { writeU32(static_cast<uint32_t>(value)); }
    void writeU64(uint64_t value);
    void writeFloat(float value);
    void writeDouble(double value);
    void writeString(const std::string& value);
    void writeLatLong(const ChartPosition& value);
    void writeLongLat(const ChartPosition& value);

private:
    std::ostream& out;
};
