#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "geo/ChartPosition.h"

// Geoid undulation: the height of mean sea level (the EGM96 geoid) above the
// WGS-84 ellipsoid, so that ellipsoid height = MSL height + undulation.

// Height of the geoid above the WGS-84 ellipsoid in metres at a position,
// bilinear in the compiled-in EGM96 15' grid. 0 when the grid is unusable.
// Thread-safe; the grid is unpacked on the first call.
double geoidUndulation(const ChartPosition& position);

// A grid as the build compiles it in (tools/geoidc): undulations in whole
// centimetres, south row first, each row west to east, every value stored as
// its difference from west + south - south-west neighbour (0 outside the
// grid), as little-endian int16, zlib-compressed.
struct GeoidGridSource {
    double southLatitude = 0.0;
    double westLongitude = 0.0;
    double latitudeSpacing = 0.0;
    double longitudeSpacing = 0.0;
    int rows = 0;
    int columns = 0;
    const unsigned char* compressedResiduals = nullptr;
    size_t compressedSize = 0;
};

// Generated at build time from proj-data's egm96_15.gtx.
GeoidGridSource embeddedGeoidGrid();

class GeoidGrid {
public:
    // Unpacks a grid; false (and empty) when the data do not fit the layout.
    bool decode(const GeoidGridSource& source);
    bool isLoaded() const { return !centimetres.empty(); }

    // Bilinear between the four surrounding nodes. Longitudes wrap when the
    // grid spans the globe; latitudes (and longitudes otherwise) are clamped
    // to the grid.
    double undulation(const ChartPosition& position) const;
    // The value of one node in metres.
    double nodeValue(int row, int column) const;

    int getRows() const { return rows; }
    int getColumns() const { return columns; }

private:
    double southLatitude = 0.0, westLongitude = 0.0, latitudeSpacing = 0.0, longitudeSpacing = 0.0;
    int rows = 0, columns = 0;
    bool wrapsAround = false;
    std::vector<int16_t> centimetres;
};
