#pragma once
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

// Little-endian primitives shared by the chart's own data files (offsets,
// leaf lists, static data, search index). Reading goes through a bounds-checked
// cursor so that a truncated or corrupt file is noticed instead of overrun.

class ByteReader {
public:
    ByteReader(const char* data, size_t size) : data(data), size(size) {}
    explicit ByteReader(const std::vector<char>& buffer) : data(buffer.data()), size(buffer.size()) {}

    bool readU8(uint8_t& value);
    bool readU32(uint32_t& value);
    // Hands out a pointer to the next `count` bytes and moves past them.
    bool readBytes(size_t count, const char*& bytes);

    size_t position() const { return pos; }
    size_t remaining() const { return size - pos; }
    bool atEnd() const { return pos >= size; }

private:
    const char* data;
    size_t size;
    size_t pos = 0;
};

void writeU8(std::ostream& out, uint8_t value);
void writeU32(std::ostream& out, uint32_t value);

// Reads a whole file; false when it cannot be opened or read.
bool readWholeFile(const std::string& path, std::vector<char>& content);

// Names (not paths) of the files in folder ending with extension, sorted;
// empty when the folder cannot be read.
std::vector<std::string> listFilesWithExtension(const std::string& folder, const std::string& extension);
// Creates the folder (permissions 0770) and any missing parents.
bool createFolders(const std::string& folder);
