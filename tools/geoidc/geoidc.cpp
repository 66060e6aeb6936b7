// Converts a geoid grid in the GTX layout (as shipped by proj-data, e.g.
// egm96_15.gtx) into a C++ source holding the grid in compact form:
// undulations in whole centimetres (int16), each replaced by its difference
// from the plane through its west, south and south-west neighbours
// (neighbours outside the grid count as 0), little-endian, zlib-compressed.
// That shrinks the 4 MB float grid of EGM96 to about 0.7 MB.
//
// usage: geoidc INPUT.gtx OUTPUT.cpp
//
// GTX: a big-endian header of four doubles (south-west latitude and
// longitude, latitude and longitude spacing, degrees) and two int32 (rows,
// columns), then rows x columns big-endian float32 in metres, row by row from
// south to north, each row from west to east.
#include <zlib.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr size_t HEADER_SIZE = 40;

uint64_t readBigEndian(const unsigned char* p, int bytes) {
    uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) value = (value << 8) | p[i];
    return value;
}

double readDouble(const unsigned char* p) {
    uint64_t bits = readBigEndian(p, 8);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

float readFloat(const unsigned char* p) {
    uint32_t bits = uint32_t(readBigEndian(p, 4));
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

struct Grid {
    double southLatitude = 0, westLongitude = 0, latitudeSpacing = 0, longitudeSpacing = 0;
    int rows = 0, columns = 0;
    std::vector<int16_t> centimetres;  // row-major, south row first
};

bool readGtx(const std::string& path, Grid& grid, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    std::vector<unsigned char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (data.size() < HEADER_SIZE) {
        error = "too short for a GTX header";
        return false;
    }
    grid.southLatitude = readDouble(&data[0]);
    grid.westLongitude = readDouble(&data[8]);
    grid.latitudeSpacing = readDouble(&data[16]);
    grid.longitudeSpacing = readDouble(&data[24]);
    grid.rows = int32_t(readBigEndian(&data[32], 4));
    grid.columns = int32_t(readBigEndian(&data[36], 4));
    if (grid.rows < 2 || grid.columns < 2 || grid.latitudeSpacing <= 0 || grid.longitudeSpacing <= 0) {
        error = "implausible GTX header";
        return false;
    }
    size_t cells = size_t(grid.rows) * size_t(grid.columns);
    if (data.size() != HEADER_SIZE + cells * 4) {
        error = "file size does not match the GTX header";
        return false;
    }
    grid.centimetres.resize(cells);
    for (size_t i = 0; i < cells; ++i) {
        float metres = readFloat(&data[HEADER_SIZE + i * 4]);
        double cm = std::round(double(metres) * 100.0);
        if (!(cm > -32768.0 && cm < 32767.0)) {
            error = "value out of range at cell " + std::to_string(i);
            return false;
        }
        grid.centimetres[i] = int16_t(cm);
    }
    return true;
}

std::vector<unsigned char> encodeResiduals(const Grid& grid) {
    std::vector<unsigned char> out;
    out.reserve(grid.centimetres.size() * 2);
    auto at = [&](int row, int column) -> int {
        if (row < 0 || column < 0) return 0;
        return grid.centimetres[size_t(row) * grid.columns + column];
    };
    for (int r = 0; r < grid.rows; ++r) {
        for (int c = 0; c < grid.columns; ++c) {
            int predicted = at(r, c - 1) + at(r - 1, c) - at(r - 1, c - 1);
            uint16_t residual = uint16_t(int16_t(at(r, c) - predicted));
            out.push_back(uint8_t(residual & 0xff));
            out.push_back(uint8_t(residual >> 8));
        }
    }
    return out;
}

// Bytes as one string literal in lines of 32 bytes; every non-printable byte
// as a three-digit octal escape so that no escape swallows a following digit.
void writeLiteral(std::ostream& out, const std::vector<unsigned char>& bytes) {
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i % 32 == 0) out << (i ? "\"\n    \"" : "    \"");
        unsigned char b = bytes[i];
        if (b >= 0x20 && b < 0x7f && b != '"' && b != '\\' && b != '?') {
            out << char(b);
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\%03o", b);
            out << escape;
        }
    }
    out << "\"";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: geoidc INPUT.gtx OUTPUT.cpp\n";
        return 2;
    }
    Grid grid;
    std::string error;
    if (!readGtx(argv[1], grid, error)) {
        std::cerr << "geoidc: " << argv[1] << ": " << error << "\n";
        return 1;
    }
    std::vector<unsigned char> raw = encodeResiduals(grid);
    uLongf compressedSize = compressBound(raw.size());
    std::vector<unsigned char> compressed(compressedSize);
    if (compress2(compressed.data(), &compressedSize, raw.data(), raw.size(), 9) != Z_OK) {
        std::cerr << "geoidc: compression failed\n";
        return 1;
    }
    compressed.resize(compressedSize);

    std::string temporary = std::string(argv[2]) + ".tmp";
    {
        std::ofstream out(temporary);
        out.precision(17);
        out << "// Generated by tools/geoidc from " << argv[1] << "; do not edit.\n"
            << "#include \"geo/GeoidGrid.h\"\n\n"
            << "namespace {\n"
            << "const char compressedResiduals[] =\n";
        writeLiteral(out, compressed);
        out << ";\n}  // namespace\n\n"
            << "GeoidGridSource embeddedGeoidGrid() {\n"
            << "    GeoidGridSource source;\n"
            << "    source.southLatitude = " << grid.southLatitude << ";\n"
            << "    source.westLongitude = " << grid.westLongitude << ";\n"
            << "    source.latitudeSpacing = " << grid.latitudeSpacing << ";\n"
            << "    source.longitudeSpacing = " << grid.longitudeSpacing << ";\n"
            << "    source.rows = " << grid.rows << ";\n"
            << "    source.columns = " << grid.columns << ";\n"
            << "    source.compressedResiduals = reinterpret_cast<const unsigned char*>(compressedResiduals);\n"
            << "    source.compressedSize = " << compressed.size() << ";\n"
            << "    return source;\n"
            << "}\n";
        if (!out) {
            std::cerr << "geoidc: cannot write " << temporary << "\n";
            return 1;
        }
    }
    if (std::rename(temporary.c_str(), argv[2]) != 0) {
        std::cerr << "geoidc: cannot write " << argv[2] << "\n";
        return 1;
    }
    std::cout << "geoidc: " << grid.rows << " x " << grid.columns << " cells, " << compressed.size()
              << " bytes compressed\n";
    return 0;
}
