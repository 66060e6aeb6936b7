#include "geo/GeoidGrid.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <mutex>

#include "base/Logger.h"

bool GeoidGrid::decode(const GeoidGridSource& source) {
    centimetres.clear();
    if (source.rows < 2 || source.columns < 2 || source.latitudeSpacing <= 0.0 || source.longitudeSpacing <= 0.0 ||
        !source.compressedResiduals) {
        return false;
    }
    size_t cells = size_t(source.rows) * size_t(source.columns);
    std::vector<unsigned char> raw(cells * 2);
    uLongf rawSize = uLongf(raw.size());
    if (uncompress(raw.data(), &rawSize, source.compressedResiduals, uLong(source.compressedSize)) != Z_OK ||
        rawSize != raw.size()) {
        return false;
    }
    std::vector<int16_t> values(cells);
    auto at = [&](int row, int column) -> int {
        if (row < 0 || column < 0) return 0;
        return values[size_t(row) * source.columns + column];
    };
    size_t i = 0;
    for (int r = 0; r < source.rows; ++r) {
        for (int c = 0; c < source.columns; ++c, ++i) {
            int16_t residual = int16_t(uint16_t(raw[2 * i] | (raw[2 * i + 1] << 8)));
            values[i] = int16_t(residual + at(r, c - 1) + at(r - 1, c) - at(r - 1, c - 1));
        }
    }
    southLatitude = source.southLatitude;
    westLongitude = source.westLongitude;
    latitudeSpacing = source.latitudeSpacing;
    longitudeSpacing = source.longitudeSpacing;
    rows = source.rows;
    columns = source.columns;
    wrapsAround = columns * longitudeSpacing >= 360.0 - 1e-9;
    centimetres = std::move(values);
    return true;
}

double GeoidGrid::nodeValue(int row, int column) const {
    return centimetres[size_t(row) * columns + column] / 100.0;
}

double GeoidGrid::undulation(const ChartPosition& position) const {
    if (!isLoaded()) return 0.0;
    double v = (position.latitude - southLatitude) / latitudeSpacing;
    v = std::min(std::max(v, 0.0), double(rows - 1));
    int row = std::min(int(v), rows - 2);
    double fy = v - row;

    double eastOfWest = position.longitude - westLongitude;
    if (wrapsAround) {
        eastOfWest = std::fmod(eastOfWest, 360.0);
        if (eastOfWest < 0.0) eastOfWest += 360.0;
    }
    double u = eastOfWest / longitudeSpacing;
    int column, nextColumn;
    double fx;
    if (wrapsAround) {
        column = std::min(int(u), columns - 1);
        fx = u - column;
        nextColumn = (column + 1) % columns;
    } else {
        u = std::min(std::max(u, 0.0), double(columns - 1));
        column = std::min(int(u), columns - 2);
        fx = u - column;
        nextColumn = column + 1;
    }
    double south = nodeValue(row, column) * (1.0 - fx) + nodeValue(row, nextColumn) * fx;
    double north = nodeValue(row + 1, column) * (1.0 - fx) + nodeValue(row + 1, nextColumn) * fx;
    return south * (1.0 - fy) + north * fy;
}

namespace {

const GeoidGrid& sharedGeoid() {
    static std::once_flag once;
    static GeoidGrid grid;
    std::call_once(once, [] {
        if (!grid.decode(embeddedGeoidGrid())) {
            std::cerr << "Error reading geoid grid." << std::endl;
            logMessage("Error reading geoid grid.");
        }
    });
    return grid;
}

}  // namespace

double geoidUndulation(const ChartPosition& position) {
    return sharedGeoid().undulation(position);
}
