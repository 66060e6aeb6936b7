#include <gtest/gtest.h>
#include <zlib.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "geo/GeoidGrid.h"
#include "support/TempDir.h"

namespace {

const char* const PROJ_GRID = "/usr/share/proj/egm96_15.gtx";

// The raw float grid straight from proj's file, read independently of the
// build-time converter.
struct RawGtx {
    double south = 0, west = 0, dLat = 0, dLon = 0;
    int rows = 0, columns = 0;
    std::vector<float> metres;

    static uint64_t bigEndian(const unsigned char* p, int n) {
        uint64_t v = 0;
        for (int i = 0; i < n; ++i) v = (v << 8) | p[i];
        return v;
    }
    template <class Float, class Bits>
    static Float as(uint64_t bits) {
        const Bits narrow = static_cast<Bits>(bits);
        Float f;
        std::memcpy(&f, &narrow, sizeof f);
        return f;
    }

    bool load(const char* path) {
        const std::string text = readWholeFile(path);
        const auto* d = reinterpret_cast<const unsigned char*>(text.data());
        if (text.size() < 40) return false;
        double* header[] = {&south, &west, &dLat, &dLon};
        for (int i = 0; i < 4; ++i) *header[i] = as<double, uint64_t>(bigEndian(&d[8 * i], 8));
        rows = int(bigEndian(&d[32], 4));
        columns = int(bigEndian(&d[36], 4));
        if (text.size() != 40 + size_t(rows) * columns * 4) return false;
        metres.resize(size_t(rows) * columns);
        for (size_t i = 0; i < metres.size(); ++i) metres[i] = as<float, uint32_t>(bigEndian(&d[40 + 4 * i], 4));
        return true;
    }

    double node(int row, int column) const { return metres[size_t(row) * columns + (column % columns)]; }

    // Bilinear, for positions inside the grid (longitude in [west, west + 360)).
    double interpolate(double latitude, double longitude) const {
        double v = (latitude - south) / dLat;
        double u = (longitude - west) / dLon;
        int r = std::min(int(v), rows - 2);
        int c = int(u);
        double fy = v - r, fx = u - c;
        return (node(r, c) * (1 - fx) + node(r, c + 1) * fx) * (1 - fy) +
               (node(r + 1, c) * (1 - fx) + node(r + 1, c + 1) * fx) * fy;
    }
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
        source.southLatitude = south;
        source.westLongitude = west;
        source.latitudeSpacing = spacing;
        source.longitudeSpacing = spacing;
        source.rows = rows;
        source.columns = columns;
        source.compressedResiduals = compressed.data();
        source.compressedSize = compressed.size();
    }
};

}  // namespace

TEST(GeoidUndulation, PublishedEgm96Values) {
    struct Known {
        double longitude, latitude, undulation;
    } known[] = {
        {0.0, 90.0, 13.61},   {0.0, -90.0, -29.53},  {0.0, 0.0, 17.16},    {180.0, 0.0, 21.15},
        {-180.0, 0.0, 21.15}, {-3.009444, 16.775833, 28.71},  // Timbuktu
        {77.26636943208759, 11.790177979066698, -90.03},        // the geoid low south of India
        {135.89012584487307, 11.046411138991914, 57.79},
        {330.8502870388745, 39.2404247446803, 58.02},
        {179.78766535213848, -66.77911223257036, -57.37},
        {6.9461874737732465, 57.95503483268874, 41.76},
        {253.9886632845044, 51.62694479074773, -21.71},
    };
    for (const Known& k : known) {
        EXPECT_NEAR(geoidUndulation(ChartPosition(k.longitude, k.latitude)), k.undulation, 0.05)
            << k.longitude << " " << k.latitude;
    }
}

TEST(GeoidUndulation, MatchesBilinearInterpolationOfTheRawGrid) {
    RawGtx raw;
    ASSERT_TRUE(raw.load(PROJ_GRID)) << PROJ_GRID << " not installed (scripts/setup installs proj-data)";
    ASSERT_EQ(raw.rows, 721);
    ASSERT_EQ(raw.columns, 1440);
    std::mt19937 random(96);
    std::uniform_real_distribution<double> latitude(-90.0, 90.0), longitude(-180.0, 180.0);
    double worst = 0.0;
    for (int i = 0; i < 5000; ++i) {
        double lat = latitude(random), lon = longitude(random);
        double expected = raw.interpolate(lat, lon);
        worst = std::max(worst, std::fabs(geoidUndulation(ChartPosition(lon, lat)) - expected));
        // The same place written with an eastern longitude in [0, 360) or beyond.
        EXPECT_NEAR(geoidUndulation(ChartPosition(lon + 360.0, lat)), geoidUndulation(ChartPosition(lon, lat)), 1e-9);
    }
    // Centimetre storage: at most half a centimetre off, plus rounding.
    EXPECT_LT(worst, 0.0051);
    // Nodes, including the last column before the antimeridian.
    for (int row : {0, 100, 360, 720}) {
        for (int column : {0, 1, 719, 1439}) {
            double lat = raw.south + row * raw.dLat, lon = raw.west + column * raw.dLon;
            EXPECT_NEAR(geoidUndulation(ChartPosition(lon, lat)), raw.node(row, column), 0.0051);
        }
    }
    // Between the last column and the first across the antimeridian.
    double across = 0.5 * (raw.node(360, 1439) + raw.node(360, 0));
    EXPECT_NEAR(geoidUndulation(ChartPosition(179.875, 0.0)), across, 0.0051);
}

TEST(GeoidGrid, DecodesAndInterpolatesARegionalGrid) {
    // 3 x 4 nodes, 1 degree apart, from (10 E, 40 N); values in cm.
    PackedGrid packed({{100, 200, 300, 400}, {-100, 0, 100, 200}, {500, 500, 500, -32000}}, 40.0, 10.0, 1.0);
    GeoidGrid grid;
    ASSERT_TRUE(grid.decode(packed.source));
    EXPECT_EQ(grid.getRows(), 3);
    EXPECT_EQ(grid.getColumns(), 4);
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
    GeoidGridSource truncated = packed.source;
    truncated.compressedSize /= 2;
    EXPECT_FALSE(grid.decode(truncated));
    EXPECT_FALSE(grid.isLoaded());
    EXPECT_EQ(grid.undulation(ChartPosition(0.5, 0.5)), 0.0);

    GeoidGridSource wrongShape = packed.source;
    wrongShape.columns = 3;  // more cells than the data hold
    EXPECT_FALSE(grid.decode(wrongShape));
    EXPECT_FALSE(grid.decode(GeoidGridSource()));
    ASSERT_TRUE(grid.decode(packed.source));
    EXPECT_DOUBLE_EQ(grid.undulation(ChartPosition(0.5, 0.5)), 0.025);
}
