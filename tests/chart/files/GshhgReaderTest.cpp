#include "ground/GeoJSONReader.h"
#include "ground/GshhgReader.h"
#include "ground/LineJoining.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <set>

namespace {

// Debian's gmt-gshhg-high, installed by scripts/setup.
const std::string kGshhgFolder = "/usr/share/gmt-gshhg";
// GSHHG's lines for this region, cut the same way (LGPL-3+, note beside it).
const std::string kExtract = std::string(CIRRONA_SOURCE_DIR) + "/data/coastlines/salish-sea-gshhg-h.geojson";
const GeoRegion kSalishSea{47.5, -126.5, 50.5, -121.0};

const GroundGeometryElement& ground(const std::unique_ptr<IChartElement>& element) {
    return static_cast<const GroundGeometryElement&>(*element);
}

bool sameLine(const GroundGeometryElement& a, const GroundGeometryElement& b) {
    if (a.kind != b.kind || a.description != b.description || a.points.size() != b.points.size()) return false;
    for (size_t i = 0; i < a.points.size(); i++)
        if (std::fabs(a.points[i].longitude - b.points[i].longitude) > 1e-5 ||
            std::fabs(a.points[i].latitude - b.points[i].latitude) > 1e-5)
            return false;
    return true;
}

TEST(GshhgReaderTest, SalishSeaFromTheBinnedFilesIsTheCheckedExtract) {
    std::vector<GshhgLine> lines;
    std::string error;
    ASSERT_TRUE(GshhgReader(kGshhgFolder, 'h').read(kSalishSea, lines, error)) << error;
    const ParsedElements fromFiles = makeGshhgElements(std::move(lines));

    std::ifstream in(kExtract);
    ParsedElements fromExtract;
    ParseError parseError;
    ASSERT_TRUE(readGeoJSON(in, "extract", fromExtract, parseError)) << formatParseError(parseError);
    ASSERT_EQ(fromFiles.size(), fromExtract.size());

    std::vector<bool> matched(fromExtract.size(), false);
    std::set<std::string> described;
    size_t lakes = 0;
    for (const auto& element : fromFiles) {
        const GroundGeometryElement& line = ground(element);
        described.insert(line.description);
        lakes += line.geometryType == GroundGeometryElement::AREA;
        bool found = false;
        for (size_t j = 0; j < fromExtract.size() && !found; j++)
            if (!matched[j] && sameLine(line, ground(fromExtract[j]))) matched[j] = found = true;
        EXPECT_TRUE(found) << line.description << " of " << line.points.size() << " points from "
                           << line.points.front().longitude << ", " << line.points.front().latitude;
    }
    // Its 11 pieces of lake shore close into 7 lakes.
    EXPECT_EQ(lakes, 7u);
    // The region has all that the demo chart needs.
    for (const char* what : {"coastline", "lake shore", "national border", "river (level 2)"})
        EXPECT_EQ(described.count(what), 1u) << what;
}

TEST(GshhgReaderTest, LinesEndOnePointPastTheRegionAndSplitWhereTheyStayOutside) {
    const GeoRegion region{0, 0, 1, 1};
    const std::vector<ChartPosition> points = {
        {0.5, 0.5}, {0.6, 0.5}, {1.2, 0.5},  // out for one point: still the same line
        {0.7, 0.5}, {1.5, 0.5},              // the first line ends one point past the edge
        {2.0, 0.5},                          // two from any point inside: dropped
        {1.5, 0.6}, {0.9, 0.9}, {1.0, 1.0}   // back in; the corner counts as inside
    };
    const auto runs = cutToRegion(points, region);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].size(), 5u);
    EXPECT_EQ(runs[0].back().longitude, 1.5);
    ASSERT_EQ(runs[1].size(), 3u);
    EXPECT_EQ(runs[1].front().latitude, 0.6);

    EXPECT_TRUE(cutToRegion({{2, 2}, {3, 3}, {4, 4}}, region).empty());
    EXPECT_TRUE(cutToRegion({{0.5, 0.5}}, region).empty());  // one point is no line
    EXPECT_EQ(cutToRegion({{-1, 0.5}, {0.5, 0.5}, {2, 0.5}}, region).at(0).size(), 3u);
}

TEST(GshhgReaderTest, ShorePiecesJoinWhateverTheirOrder) {
    const std::vector<ChartPosition> a = {{0, 0}, {1, 0}}, b = {{1, 0}, {1, 1}}, c = {{1, 1}, {0, 1}};
    const std::vector<ChartPosition> ring = {{5, 5}, {6, 5}, {6, 6}, {5.0000001, 5}};  // closed to a micro-degree
    const auto joined = joinLines({c, a, b, ring});
    ASSERT_EQ(joined.size(), 2u);
    ASSERT_EQ(joined[0].size(), 4u);
    EXPECT_TRUE(joined[0].front().longitude == 0 && joined[0].back().latitude == 1);
    EXPECT_FALSE(isClosedRing(joined[0]));
    EXPECT_TRUE(isClosedRing(joined[1]));
}

TEST(GshhgReaderTest, RegionText) {
    GeoRegion region;
    std::string error;
    ASSERT_TRUE(parseGeoRegion("47.5,-126.5,50.5,-121", region, error)) << error;
    EXPECT_TRUE(region.south == 47.5 && region.west == -126.5 && region.north == 50.5 && region.east == -121.0);
    for (const char* bad : {"50.5,-126.5,47.5,-121", "47.5,170,50.5,-170", "47.5,-126.5,50.5", "47.5,-126.5,50.5,x",
                            "-91,0,1,1", "0,-181,1,1", ""})
        EXPECT_FALSE(parseGeoRegion(bad, region, error) || region.south != 47.5) << bad;
}

}  // namespace
