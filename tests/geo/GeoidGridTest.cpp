#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "geo/GeoidGrid.h"
#include "support/TempDir.h"

namespace {

const char* const PROJ_GRID = "/usr/share/proj/egm96_15.gtx";

// The raw float grid straight from proj's file (big-endian header of four
// doubles and two int32, then floats), read independently of the build-time converter.
struct RawGtx {
    double south = 0, west = 0, dLat = 0, dLon = 0;
    int rows = 0, columns = 0;
    std::vector<float> metres;

    template <class T>
    static T bigEndian(const char* p) {
        char bytes[sizeof(T)];
        std::reverse_copy(p, p + sizeof(T), bytes);
        T value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }
    bool load(const char* path) {
        const std::string text = readWholeFile(path);
        if (text.size() < 40) return false;
        double* header[] = {&south, &west, &dLat, &dLon};
        for (int i = 0; i < 4; ++i) *header[i] = bigEndian<double>(&text[8 * i]);
        rows = bigEndian<int32_t>(&text[32]);
        columns = bigEndian<int32_t>(&text[36]);
        if (text.size() != 40 + size_t(rows) * columns * 4) return false;
        metres.resize(size_t(rows) * columns);
        for (size_t i = 0; i < metres.size(); ++i) metres[i] = bigEndian<float>(&text[40 + 4 * i]);
        return true;
    }
    double node(int row, int column) const { return metres[size_t(row) * columns + (column % columns)]; }
};

// Packs a small grid the way the build does (centimetre residuals against
// west + south - south-west, little-endian int16, zlib).
struct PackedGrid {
    std::vector<unsigned char> compressed;
    GeoidGridSource source;

    PackedGrid(const std::vector<std::vector<int>>& centimetres, double south, double west, double spacing) {
        int rows = int(centimetres.size()), columns = int(centimetres[0].size());
        auto at = [&](int r, int c) { return (r < 0 || c < 0) ? 0 : centimetres[r][c]; };
        std::vector<unsigned char> raw;
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                uint16_t residual = uint16_t(int16_t(at(r, c) - (at(r, c - 1) + at(r - 1, c) - at(r - 1, c - 1))));
                raw.push_back(uint8_t(residual & 0xff));
                raw.push_back(uint8_t(residual >> 8));
            }
        }
        uLongf size = compressBound(raw.size());
        compressed.resize(size);
        compress2(compressed.data(), &size, raw.data(), raw.size(), 9);
        compressed.resize(size);
        source = {south, west, spacing, spacing, rows, columns, compressed.data(), compressed.size()};
    }
};

}  // namespace

TEST(GeoidUndulation, PublishedEgm96Values) {
    struct Known {
        double longitude, latitude, undulation;
    } known[] = {  // Timbuktu 6th, the geoid low south of India 7th
        {0.0, 90.0, 13.61},   {0.0, -90.0, -29.53},  {0.0, 0.0, 17.16},    {180.0, 0.0, 21.15},
        {-180.0, 0.0, 21.15}, {-3.009444, 16.775833, 28.71}, {77.26636943208759, 11.790177979066698, -90.03},
        {135.89012584487307, 11.046411138991914, 57.79}, {330.8502870388745, 39.2404247446803, 58.02},
        {179.78766535213848, -66.77911223257036, -57.37}, {6.9461874737732465, 57.95503483268874, 41.76},
        {253.9886632845044, 51.62694479074773, -21.71},
    };
    for (const Known& k : known)
        EXPECT_NEAR(geoidUndulation(ChartPosition(k.longitude, k.latitude)), k.undulation, 0.05) << k.longitude;
}

TEST(GeoidUndulation, MatchesTheRawGridAtNodesAndCellCentres) {
    RawGtx raw;
    ASSERT_TRUE(raw.load(PROJ_GRID)) << PROJ_GRID << " not installed (scripts/setup installs proj-data)";
    ASSERT_EQ(raw.rows, 721);
    ASSERT_EQ(raw.columns, 1440);
    // Centimetre storage: at most half a centimetre off, plus rounding. Columns
    // include the last before the antimeridian; a cell centre is the mean of its
    // four nodes, also across the antimeridian.
    for (int row : {0, 100, 359, 719}) {
        for (int column : {0, 1, 719, 1439}) {
            double lat = raw.south + row * raw.dLat, lon = raw.west + column * raw.dLon;
            EXPECT_NEAR(geoidUndulation(ChartPosition(lon, lat)), raw.node(row, column), 0.0051);
            double centre = 0.25 * (raw.node(row, column) + raw.node(row, column + 1) + raw.node(row + 1, column) +
                                    raw.node(row + 1, column + 1));
            ChartPosition middle(lon + raw.dLon / 2, lat + raw.dLat / 2);
            EXPECT_NEAR(geoidUndulation(middle), centre, 0.0051) << row << " " << column;
            // The same place written with an eastern longitude beyond 360.
            EXPECT_NEAR(geoidUndulation(ChartPosition(middle.longitude + 360.0, middle.latitude)),
                        geoidUndulation(middle), 1e-9);
        }
    }
}

TEST(GeoidGrid, DecodesAndInterpolatesARegionalGrid) {
    // 3 x 4 nodes, 1 degree apart, from (10 E, 40 N); values in cm.
    PackedGrid packed({{100, 200, 300, 400}, {-100, 0, 100, 200}, {500, 500, 500, -32000}}, 40.0, 10.0, 1.0);
    GeoidGrid grid;
    ASSERT_TRUE(grid.decode(packed.source));
    EXPECT_EQ(std::make_pair(grid.getRows(), grid.getColumns()), std::make_pair(3, 4));
    EXPECT_DOUBLE_EQ(grid.nodeValue(2, 3), -320.0);
    // Inside bilinear; outside a regional grid the nearest edge holds.
    const std::pair<ChartPosition, double> cases[] = {{{11.0, 41.0}, 0.0}, {{10.5, 40.0}, 1.5}, {{10.5, 40.5}, 0.5},
                                                      {{5.0, 39.0}, 1.0},  {{20.0, 41.0}, 2.0}, {{12.0, 50.0}, 5.0}};
    for (const auto& [position, metres] : cases)
        EXPECT_DOUBLE_EQ(grid.undulation(position), metres) << position.longitude << " " << position.latitude;
}

TEST(GeoidGrid, RejectsDamagedData) {
    PackedGrid packed({{1, 2}, {3, 4}}, 0.0, 0.0, 1.0);
    GeoidGrid grid;
    GeoidGridSource truncated = packed.source, wrongShape = packed.source;
    truncated.compressedSize /= 2;
    wrongShape.columns = 3;  // more cells than the data hold
    for (const GeoidGridSource& damaged : {truncated, wrongShape, GeoidGridSource()}) EXPECT_FALSE(grid.decode(damaged));
    EXPECT_FALSE(grid.isLoaded());
    EXPECT_EQ(grid.undulation(ChartPosition(0.5, 0.5)), 0.0);
    ASSERT_TRUE(grid.decode(packed.source));
    EXPECT_DOUBLE_EQ(grid.undulation(ChartPosition(0.5, 0.5)), 0.025);
}
