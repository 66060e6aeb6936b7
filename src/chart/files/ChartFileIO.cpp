#include "chart/files/ChartFileIO.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fstream>
#include <sys/stat.h>
#include <iterator>

bool ByteReader::readU8(uint8_t& value) {
    if (remaining() < 1)
        return false;
    value = static_cast<uint8_t>(data[pos++]);
    return true;
}

bool ByteReader::readU32(uint32_t& value) {
    if (remaining() < 4)
        return false;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data + pos);
    value = static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
            (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
    pos += 4;
    return true;
}

bool ByteReader::readBytes(size_t count, const char*& bytes) {
    if (remaining() < count)
        return false;
    bytes = data + pos;
    pos += count;
    return true;
}

void writeU8(std::ostream& out, uint8_t value) {
    out.put(static_cast<char>(value));
}

void writeU32(std::ostream& out, uint32_t value) {
    char bytes[4] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                     static_cast<char>((value >> 16) & 0xFF), static_cast<char>((value >> 24) & 0xFF)};
    out.write(bytes, 4);
}

bool readWholeFile(const std::string& path, std::vector<char>& content) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    in.seekg(0, std::ios::end);
    std::streamoff length = in.tellg();
    if (length < 0)
        return false;
    in.seekg(0, std::ios::beg);
    content.resize(static_cast<size_t>(length));
    if (length > 0 && !in.read(content.data(), length))
        return false;
    return true;
}

std::vector<std::string> listFilesWithExtension(const std::string& folder, const std::string& extension) {
    std::vector<std::string> names;
    DIR* directory = opendir(folder.c_str());
    if (!directory)
        return names;
    while (dirent* entry = readdir(directory)) {
        std::string name = entry->d_name;
        if (name.size() > extension.size() &&
            name.compare(name.size() - extension.size(), extension.size(), extension) == 0)
            names.push_back(name);
    }
    closedir(directory);
    std::sort(names.begin(), names.end());
    return names;
}

bool createFolders(const std::string& folder) {
    std::string path;
    for (size_t i = 0; i <= folder.size(); i++) {
        if (i == folder.size() || folder[i] == '/') {
            if (!path.empty() && mkdir(path.c_str(), 0770) != 0 && errno != EEXIST)
                return false;
        }
        if (i < folder.size())
            path.push_back(folder[i]);
    }
    return true;
}
