#include "ground/GshhgReader.h"

#include "ground/LineJoining.h"

#include <netcdf.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <sstream>

namespace {

// One open netCDF file; reads whole variables by name.
class NetCDFFile {
public:
    explicit NetCDFFile(const std::string& path) : path(path) {
        status = nc_open(path.c_str(), NC_NOWRITE, &id);
        if (status != NC_NOERR) id = -1;
    }
    ~NetCDFFile() {
        if (id >= 0) nc_close(id);
    }
    NetCDFFile(const NetCDFFile&) = delete;
    NetCDFFile& operator=(const NetCDFFile&) = delete;

    bool isOpen() const { return id >= 0; }
    std::string lastError() const { return path + ": " + nc_strerror(status); }

    template <class T>
    bool read(const char* name, std::vector<T>& values) {
        int variable = -1;
        if ((status = nc_inq_varid(id, name, &variable)) != NC_NOERR) return false;
        int dimensions = 0;
        if ((status = nc_inq_varndims(id, variable, &dimensions)) != NC_NOERR) return false;
        size_t count = 1;
        if (dimensions == 1) {
            int dimension = -1;
            if ((status = nc_inq_vardimid(id, variable, &dimension)) != NC_NOERR ||
                (status = nc_inq_dimlen(id, dimension, &count)) != NC_NOERR)
                return false;
        }
        values.resize(count);
        status = get(variable, values.data());
        return status == NC_NOERR;
    }
    bool readScalar(const char* name, int& value) {
        std::vector<int> values;
        if (!read(name, values) || values.empty()) return false;
        value = values.front();
        return true;
    }

private:
    int get(int variable, int* values) { return nc_get_var_int(id, variable, values); }
    int get(int variable, short* values) { return nc_get_var_short(id, variable, values); }

    std::string path;
    int id = -1;
    int status = NC_NOERR;
};

// What a binned file holds, whatever its layer.
struct BinnedSegments {
    int binSizeMinutes = 0, binsPerRow = 0;
    std::vector<int> firstSegmentOfBin;
    std::vector<short> segmentsInBin;
    std::vector<int> pointCount, level, firstPoint;
    std::vector<short> longitudeSteps, latitudeSteps;
};

bool readBinnedSegments(NetCDFFile& file, GshhgLayer layer, BinnedSegments& data) {
    if (!file.readScalar("Bin_size_in_minutes", data.binSizeMinutes) ||
        !file.readScalar("N_bins_in_360_longitude_range", data.binsPerRow) ||
        !file.read("Id_of_first_segment_in_a_bin", data.firstSegmentOfBin) ||
        !file.read("N_segments_in_a_bin", data.segmentsInBin) ||
        !file.read("Id_of_first_point_in_a_segment", data.firstPoint) ||
        !file.read("Relative_longitude_from_SW_corner_of_bin", data.longitudeSteps) ||
        !file.read("Relative_latitude_from_SW_corner_of_bin", data.latitudeSteps))
        return false;
    if (layer == GshhgLayer::SHORES) {
        // Point count in bits 9 and up, level in bits 6-8.
        std::vector<int> packed;
        if (!file.read("Embedded_npts_levels_exit_entry_for_a_segment", packed)) return false;
        for (int value : packed) {
            data.pointCount.push_back(value >> 9);
            data.level.push_back((value >> 6) & 7);
        }
        return true;
    }
    return file.read("N_points_for_a_segment", data.pointCount) &&
           file.read("Hierarchial_level_of_a_segment", data.level);
}

bool isConsistent(const BinnedSegments& data) {
    const size_t segments = data.firstPoint.size();
    return data.binSizeMinutes > 0 && data.binsPerRow > 0 &&
           data.segmentsInBin.size() == data.firstSegmentOfBin.size() && data.pointCount.size() == segments &&
           data.level.size() == segments && data.longitudeSteps.size() == data.latitudeSteps.size();
}

}  // namespace

bool parseGeoRegion(const std::string& text, GeoRegion& region, std::string& error) {
    std::istringstream in(text);
    std::string part;
    std::vector<double> values;
    while (std::getline(in, part, ',')) {
        double value = 0;
        if (!parseDouble(part, value)) {
            error = "region: \"" + part + "\" is not a number";
            return false;
        }
        values.push_back(value);
    }
    if (values.size() != 4) {
        error = "region: give south, west, north and east in degrees, as S,W,N,E";
        return false;
    }
    GeoRegion r{values[0], values[1], values[2], values[3]};
    if (!(r.south >= -90 && r.south < r.north && r.north <= 90)) {
        error = "region: south must lie below north, both within -90 to 90 degrees";
        return false;
    }
    if (!(r.west >= -180 && r.west < r.east && r.east <= 180)) {
        error = "region: west must lie west of east, both within -180 to 180 degrees (not across 180)";
        return false;
    }
    region = r;
    return true;
}

std::vector<std::vector<ChartPosition>> cutToRegion(const std::vector<ChartPosition>& points, const GeoRegion& region) {
    std::vector<std::vector<ChartPosition>> runs;
    std::vector<ChartPosition> run;
    auto inside = [&](size_t i) { return i < points.size() && region.contains(points[i]); };
    for (size_t i = 0; i < points.size(); i++) {
        if (inside(i) || inside(i + 1) || (i > 0 && inside(i - 1))) {
            run.push_back(points[i]);
            continue;
        }
        if (run.size() >= 2) runs.push_back(std::move(run));
        run.clear();
    }
    if (run.size() >= 2) runs.push_back(std::move(run));
    return runs;
}

std::string GshhgReader::pathOf(GshhgLayer layer) const {
    const char* name = layer == GshhgLayer::SHORES ? "GSHHS" : layer == GshhgLayer::BORDERS ? "border" : "river";
    return folder + (folder.empty() || folder.back() == '/' ? "" : "/") + "binned_" + name + "_" + resolution + ".nc";
}

bool GshhgReader::read(const GeoRegion& region, std::vector<GshhgLine>& lines, std::string& error) const {
    for (GshhgLayer layer : {GshhgLayer::SHORES, GshhgLayer::BORDERS, GshhgLayer::RIVERS})
        if (!readLayer(layer, region, lines, error)) return false;
    return true;
}

bool GshhgReader::readLayer(GshhgLayer layer, const GeoRegion& region, std::vector<GshhgLine>& lines,
                            std::string& error) const {
    NetCDFFile file(pathOf(layer));
    BinnedSegments data;
    if (!file.isOpen() || !readBinnedSegments(file, layer, data)) {
        error = file.lastError();
        return false;
    }
    if (!isConsistent(data)) {
        error = pathOf(layer) + ": not a binned GSHHG file (its variables do not fit together)";
        return false;
    }
    const double binSize = data.binSizeMinutes / 60.0;
    const double step = binSize / 65535.0;
    for (size_t bin = 0; bin < data.firstSegmentOfBin.size(); bin++) {
        const double south = 90.0 - (bin / data.binsPerRow + 1) * binSize;
        double west = (bin % data.binsPerRow) * binSize;
        if (west >= 180.0) west -= 360.0;
        if (south > region.north || south + binSize < region.south || west > region.east ||
            west + binSize < region.west)
            continue;
        const size_t first = static_cast<size_t>(data.firstSegmentOfBin[bin]);
        const size_t count = static_cast<size_t>(data.segmentsInBin[bin]);
        for (size_t segment = first; segment < first + count && segment < data.firstPoint.size(); segment++) {
            const size_t start = static_cast<size_t>(data.firstPoint[segment]);
            const size_t end = start + static_cast<size_t>(std::max(data.pointCount[segment], 0));
            if (end > data.longitudeSteps.size()) {
                error = pathOf(layer) + ": segment " + std::to_string(segment) + " points beyond the file's points";
                return false;
            }
            std::vector<ChartPosition> points;
            points.reserve(end - start);
            for (size_t p = start; p < end; p++)
                points.push_back(ChartPosition{west + static_cast<uint16_t>(data.longitudeSteps[p]) * step,
                                               south + static_cast<uint16_t>(data.latitudeSteps[p]) * step});
            for (auto& run : cutToRegion(points, region))
                lines.push_back(GshhgLine{layer, data.level[segment], std::move(run)});
        }
    }
    return true;
}

ParsedElements makeGshhgElements(std::vector<GshhgLine> lines) {
    ParsedElements elements;
    std::map<int, std::vector<std::vector<ChartPosition>>> lakeShores;  // by level
    for (GshhgLine& line : lines) {
        if (isLakeShore(line.layer, line.level)) lakeShores[line.level].push_back(std::move(line.points));
        else if (auto element = makeGshhgLine(line.layer, line.level, std::move(line.points)))
            elements.push_back(std::move(element));
    }
    for (auto& [level, pieces] : lakeShores)
        for (auto& shore : joinLines(std::move(pieces))) {
            const std::string description = describeGshhgLevel(GshhgLayer::SHORES, level);
            if (isClosedRing(shore))
                elements.push_back(makeGroundArea(GroundGeometryElement::WATER, std::move(shore), description));
            else elements.push_back(makeGshhgLine(GshhgLayer::SHORES, level, std::move(shore)));
        }
    return elements;
}
