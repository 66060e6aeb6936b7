#pragma once
#include "geo/ChartPosition.h"
#include "ground/GroundKinds.h"
#include "parsers/ParseSupport.h"

#include <string>
#include <vector>

// A latitude/longitude rectangle, west and east in [-180, 180] with west
// east of nothing: regions across the 180th meridian are not supported.
struct GeoRegion {
    double south = 0, west = 0, north = 0, east = 0;
    bool contains(const ChartPosition& p) const {
        return p.latitude >= south && p.latitude <= north && p.longitude >= west && p.longitude <= east;
    }
};

// "S,W,N,E" in degrees. False with a message for anything else.
bool parseGeoRegion(const std::string& text, GeoRegion& region, std::string& error);

struct GshhgLine {
    GshhgLayer layer;
    int level;
    std::vector<ChartPosition> points;  // longitudes in [-180, 180]
};

// Reads Debian's binned GSHHG files (netCDF-4, as gmt-gshhg ships them:
// binned_GSHHS_R.nc, binned_border_R.nc, binned_river_R.nc for a
// resolution R of f, h, i, l or c).
//
// The world is divided into square bins; each bin holds the pieces
// (segments) of the shores, borders or rivers inside it, their points as
// 16-bit steps from the bin's south-west corner. Only the bins that overlap
// the region are read. A segment's point is kept when it or one of its
// neighbours lies inside the region, and every run of kept points becomes
// one line: lines reach just past the region's edge, so nothing inside is
// lost where a shore leaves it, and a shore that strays outside for a point
// or two stays one line.
class GshhgReader {
public:
    GshhgReader(std::string folder, char resolution) : folder(std::move(folder)), resolution(resolution) {}

    // All three layers. False with a message when a file cannot be read.
    bool read(const GeoRegion& region, std::vector<GshhgLine>& lines, std::string& error) const;
    bool readLayer(GshhgLayer layer, const GeoRegion& region, std::vector<GshhgLine>& lines, std::string& error) const;
    std::string pathOf(GshhgLayer layer) const;

private:
    std::string folder;
    char resolution;
};

// The runs of points that are inside the region or next to a point inside.
std::vector<std::vector<ChartPosition>> cutToRegion(const std::vector<ChartPosition>& points, const GeoRegion& region);

// The lines as chart elements, kinds as GroundKinds.h chooses them; the
// pieces of lake and pond shores are joined first, and each closed ring
// becomes a water area.
ParsedElements makeGshhgElements(std::vector<GshhgLine> lines);
