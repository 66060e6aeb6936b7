#include "ChartCompiler.h"
#include "ground/GeoJSONReader.h"

#include "chart/elements/GroundGeometryElement.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

namespace {

using GGE = GroundGeometryElement;

// One feature per line, so that line numbers follow feature numbers.
std::string collection(const std::vector<std::string>& features) {
    std::string text = "{\"type\": \"FeatureCollection\", \"features\": [\n";
    for (size_t i = 0; i < features.size(); i++) text += features[i] + (i + 1 < features.size() ? ",\n" : "\n");
    return text + "]}\n";
}

std::string feature(const std::string& properties, const std::string& geometry) {
    return "{\"type\": \"Feature\", \"properties\": {" + properties + "}, \"geometry\": " + geometry + "}";
}

const std::string kLine = R"({"type": "LineString", "coordinates": [[-123.0, 49.0], [-123.1, 49.1]]})";

TEST(GeoJSONReaderTest, KindsComeFromLayerAndLevelOrFromTheKindsName) {
    const std::string square = "[[-123, 48], [-122.99, 48], [-122.99, 48.01], [-123, 48.01], [-123, 48]]";
    const std::string hole = "[[-122.996, 48.004], [-122.994, 48.004], [-122.994, 48.006], [-122.996, 48.004]]";
    std::istringstream in(collection({
        feature(R"("layer": "gshhs", "level": 2, "kind": "lake shore")", kLine),
        feature(R"("layer": "river", "level": 5)", kLine),
        feature(R"("layer": "gshhs", "level": 5)", kLine),  // Antarctic ice: left out
        feature(R"("kind": "border ALONG a river", "name": "Fraser")",
                R"({"type": "MultiLineString", "coordinates": [[[-123, 49], [-122, 49]], [[-121, 49], [-120, 49]]]})"),
        feature(R"("kind": 9)", kLine),
        feature(R"("kind": "Water", "name": "Pond")",
                R"({"type": "Polygon", "coordinates": [)" + square + ", " + hole + "]}"),
        // a lake in two pieces, as GSHHG cuts it at a bin's edge
        feature(R"("layer": "gshhs", "level": 2)",
                R"({"type": "LineString", "coordinates": [[-121.99, 47.01], [-122, 47.01], [-122, 47]]})"),
        feature(R"("layer": "gshhs", "level": 2)",
                R"({"type": "LineString", "coordinates": [[-122, 47], [-121.99, 47], [-121.99, 47.01]]})"),
    }));
    ParsedElements elements;
    ParseError error;
    ASSERT_TRUE(readGeoJSON(in, "kinds.geojson", elements, error)) << formatParseError(error);
    ASSERT_EQ(elements.size(), 8u);
    struct Expected {
        int kind;
        int geometry;
        const char* description;
        const char* name;
    };
    const Expected expected[] = {{GGE::BORDER_ALONG_RIVER, GGE::LINE, "border ALONG a river", "Fraser"},
                                 {GGE::BORDER_ALONG_RIVER, GGE::LINE, "border ALONG a river", "Fraser"},
                                 {GGE::ROAD, GGE::LINE, "Road", ""},
                                 {GGE::WATER, GGE::AREA, "Water", "Pond"},
                                 {GGE::WATER, GGE::LINE, "Water", "Pond"},
                                 {GGE::WATER, GGE::LINE, "river (level 5)", ""},
                                 {GGE::COASTLINE, GGE::LINE, "lake shore", ""},  // open: no ring to fill
                                 {GGE::WATER, GGE::AREA, "lake shore", ""}};
    for (size_t i = 0; i < elements.size(); i++) {
        SCOPED_TRACE(i);
        const auto& element = static_cast<const GGE&>(*elements[i]);
        EXPECT_EQ(element.kind, expected[i].kind);
        EXPECT_EQ(element.geometryType, expected[i].geometry);
        EXPECT_EQ(element.description, expected[i].description);
        EXPECT_EQ(element.name, expected[i].name);
        EXPECT_TRUE(element.hasBoundingBox());
    }
    // 0.01 degrees square at 48 N: 1112 m by 744 m, at 47 N 1112 m by 758 m;
    // the map hides them at scales where they would be specks.
    const auto& pond = static_cast<const GGE&>(*elements[3]);
    EXPECT_NEAR(pond.getStoredArea(), 1112.0 * 744.0, 15258.0);
    const auto& lake = static_cast<const GGE&>(*elements[7]);
    EXPECT_NEAR(lake.getStoredArea(), 1112.0 * 758.0, 15258.0);
    EXPECT_EQ(lake.points.size(), 5u);
}

// Every file below the folder with its content.
std::map<std::string, std::string> snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        files[entry.path().string()] = entry.is_regular_file() ? readWholeFile(entry.path().string()) : "";
    return files;
}

TEST(GeoJSONReaderTest, MalformedFeatureIsReportedByFileAndNumberAndNothingIsWritten) {
    TempDir root;
    const std::string input = root / "coast.geojson";
    ChartCompilerOptions options;
    options.vendor = "Test";
    options.outFolder = root / "ChartData";
    options.inputs = {input};
    options.quiet = true;
    writeWholeFile(input, collection({feature(R"("kind": "Coastline")", kLine)}));
    std::ostringstream messages;
    ASSERT_EQ(ChartCompiler(options, messages).run(), 0) << messages.str();
    const auto installed = snapshot(options.outFolder);

    const std::string good = feature(R"("kind": "River")", kLine);
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {collection({good, R"({"type": "Feature", "properties": {"kind": "River"} "geometry": null})"}),
         "coast.geojson:3: feature 2: not valid JSON"},
        {collection({good, good}).substr(0, 200), "coast.geojson:3: feature 2: the file ends inside the JSON text"},
        {collection({good, good, R"({"type": "Feature", "properties": {"kind": "River"}})"}),
         "coast.geojson:4: feature 3: no geometry"},
        {collection({good, feature(R"("kind": "River")",
                                   R"({"type": "LineString", "coordinates": [["-123.0", 49.0], [-123.1, 49.1]]})")}),
         "coast.geojson:3: feature 2: a position must be an array of numbers"},
        {collection({feature(R"("kind": "River")", R"({"type": "Point", "coordinates": [-123.0, 49.0]})")}),
         "coast.geojson:2: feature 1: geometry Point is not"},
        {collection({feature(R"("kind": "Lake")", kLine)}), "coast.geojson:2: feature 1: unknown kind \"Lake\""},
        {collection({good, "17", good}), "coast.geojson:3: feature 2: not a Feature object"},
        {collection({feature(R"("layer": "river")", kLine)}), "coast.geojson:2: feature 1: a layer needs"},
        {R"({"type": "FeatureCollection"})", "coast.geojson:1: not a GeoJSON FeatureCollection"},
    };
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.message);
        writeWholeFile(input, bad.text);
        std::ostringstream badMessages;
        EXPECT_EQ(ChartCompiler(options, badMessages).run(), 1);
        EXPECT_NE(badMessages.str().find(bad.message), std::string::npos) << badMessages.str();
        EXPECT_EQ(snapshot(options.outFolder), installed);
    }
    // GSHHG files that cannot be read stop the run the same way.
    writeWholeFile(input, collection({good}));
    options.gshhgFolder = root / "no-gshhg";
    std::ostringstream gshhgMessages;
    EXPECT_EQ(ChartCompiler(options, gshhgMessages).run(), 1);
    EXPECT_NE(gshhgMessages.str().find("no-gshhg/binned_GSHHS_h.nc"), std::string::npos) << gshhgMessages.str();
    EXPECT_EQ(snapshot(options.outFolder), installed);
}

}  // namespace
