#include "ElementSamples.h"

#include "base/IniFile.h"
#include "chart/elements/ChartElementRecord.h"

#include <cstring>
#include <functional>

namespace {

std::vector<std::function<std::unique_ptr<IChartElement>()>> allSamples() {
    return {
        [] { return std::unique_ptr<IChartElement>(new AirspaceElement(makeSampleAirspace())); },
        [] { return std::unique_ptr<IChartElement>(new AirwayElement(makeSampleAirway())); },
        [] { return std::unique_ptr<IChartElement>(new ObstructionElement(makeSampleObstruction())); },
        [] { return std::unique_ptr<IChartElement>(new WaypointElement(makeSampleWaypoint())); },
        [] { return std::unique_ptr<IChartElement>(new MarkElement(makeSampleMark())); },
        [] { return std::unique_ptr<IChartElement>(new NDBElement(makeSampleNDB())); },
        [] { return std::unique_ptr<IChartElement>(new VORElement(makeSampleVOR())); },
        [] { return std::unique_ptr<IChartElement>(new AirportElement(makeSampleAirport())); },
        [] { return std::unique_ptr<IChartElement>(new GroundGeometryElement(makeSampleGroundGeometry())); },
        [] { return std::unique_ptr<IChartElement>(new POIElement(makeSamplePOI())); },
    };
}

double doubleAt(const std::string& record, size_t offset) {
    double value;
    std::memcpy(&value, record.data() + offset, sizeof value);
    return value;
}

uint32_t u32At(const std::string& record, size_t offset) {
    uint32_t value;
    std::memcpy(&value, record.data() + offset, sizeof value);
    return value;
}

}  // namespace

TEST(ElementRecord, EveryKindSurvivesWriteAndRead) {
    const ChartElementFactoryList factories = createChartElementFactories();
    for (auto& make : allSamples()) {
        std::unique_ptr<IChartElement> original = make();
        SCOPED_TRACE(original->getType());
        const std::string record = recordOf(*original);
        EXPECT_EQ(u32At(record, 0), static_cast<uint32_t>(original->getType()));
        std::unique_ptr<IChartElement> copy =
            readChartElementRecord(factories, record.data(), static_cast<unsigned>(record.size()));
        ASSERT_TRUE(copy);
        expectSameElement(*original, *copy);
        EXPECT_EQ(recordOf(*copy), record);
    }
}

TEST(ElementRecord, ReadAdvancesExactlyOverTheBody) {
    // Records lie back to back in the chart files; a reader that takes one
    // byte too many or too few shifts every following element.
    const ChartElementFactoryList factories = createChartElementFactories();
    for (auto& make : allSamples()) {
        std::unique_ptr<IChartElement> original = make();
        SCOPED_TRACE(original->getType());
        std::string record = recordOf(*original) + "trailing";
        std::unique_ptr<IChartElement> copy(findChartElementFactory(factories, original->getType())->Create(nullptr));
        unsigned position = 4;
        ASSERT_TRUE(copy->readFromBuffer(record.data(), position, static_cast<unsigned>(record.size())));
        EXPECT_EQ(position, record.size() - 8);
    }
}

TEST(ElementRecord, EveryTruncationIsRejected) {
    const ChartElementFactoryList factories = createChartElementFactories();
    for (auto& make : allSamples()) {
        std::unique_ptr<IChartElement> original = make();
        SCOPED_TRACE(original->getType());
        const std::string record = recordOf(*original);
        for (size_t length = 0; length < record.size(); ++length) {
            // A fresh copy of the prefix, so that reading past it is an
            // out-of-bounds access that the sanitizer builds report.
            std::vector<char> prefix(record.begin(), record.begin() + length);
            EXPECT_FALSE(readChartElementRecord(factories, prefix.data(), static_cast<unsigned>(length)))
                << "length " << length;
        }
    }
}

TEST(ElementRecord, HugeCountsAndLengthsAreRejectedWithoutAllocating) {
    const ChartElementFactoryList factories = createChartElementFactories();
    std::string airspace = recordOf(makeSampleAirspace());
    // The point count sits right before the 4 points of 16 bytes.
    const size_t countOffset = airspace.size() - 4 * 16 - 4;
    ASSERT_EQ(u32At(airspace, countOffset), 4u);
    const uint32_t huge = 0xFFFFFFF0u;
    std::memcpy(&airspace[countOffset], &huge, 4);
    EXPECT_FALSE(readChartElementRecord(factories, airspace.data(), static_cast<unsigned>(airspace.size())));

    std::string mark = recordOf(makeSampleMark());
    std::memcpy(&mark[4 + 16], &huge, 4);  // length of the name
    EXPECT_FALSE(readChartElementRecord(factories, mark.data(), static_cast<unsigned>(mark.size())));
}

TEST(ElementRecord, UnknownTypeCodesYieldNoElement) {
    const ChartElementFactoryList factories = createChartElementFactories();
    std::string record = recordOf(makeSampleMark());
    for (uint32_t code : {10u, 11u, 255u, 0xFFFFFFFFu}) {
        std::memcpy(&record[0], &code, 4);
        EXPECT_FALSE(readChartElementRecord(factories, record.data(), static_cast<unsigned>(record.size())));
    }
    ChartElementFactoryList none;
    EXPECT_FALSE(readChartElementRecord(none, record.data(), static_cast<unsigned>(record.size())));
}

TEST(ElementRecord, PointKindsStoreLatitudeFirstAndShapesLongitudeFirst) {
    const std::string mark = recordOf(makeSampleMark());
    EXPECT_EQ(doubleAt(mark, 4), 49.55);
    EXPECT_EQ(doubleAt(mark, 12), -124.05);

    const std::string airport = recordOf(makeSampleAirport());
    EXPECT_EQ(doubleAt(airport, 4), 49.1939);

    const std::string poi = recordOf(makeSamplePOI());
    // type byte and the name ("Mount Baker", 11 bytes) come first
    EXPECT_EQ(doubleAt(poi, 4 + 1 + 4 + 11), -121.8144);
    EXPECT_EQ(doubleAt(poi, 4 + 1 + 4 + 11 + 8), 48.7768);

    const std::string airway = recordOf(makeSampleAirway());
    EXPECT_EQ(doubleAt(airway, 4), -123.1);
    EXPECT_EQ(doubleAt(airway, 12), 49.1);
    EXPECT_EQ(doubleAt(airway, 20), -122.3);

    const std::string airspace = recordOf(makeSampleAirspace());
    const size_t firstPoint = airspace.size() - 4 * 16;
    EXPECT_EQ(doubleAt(airspace, firstPoint), -123.5);
    EXPECT_EQ(doubleAt(airspace, firstPoint + 8), 49.0);

    // Runway thresholds: after ident-less header fields of the runway
    // (surface, length, width, direction, two patterns, lighting).
    AirportElement single = makeSampleAirport();
    single.runways.resize(1);
    single.remarks.clear();
    const std::string withRunway = recordOf(single);
    const size_t runwayStart = 4 + 16 + 4 + 4;
    const size_t threshold0 = runwayStart + 6 * 4 + 1;
    EXPECT_EQ(doubleAt(withRunway, threshold0), -123.2);
    EXPECT_EQ(doubleAt(withRunway, threshold0 + 8), 49.2);
    EXPECT_EQ(withRunway[threshold0 + 16], 1);
}

TEST(ElementRecord, StringsAreLengthPrefixedWithoutTerminator) {
    MarkElement mark;
    mark.name = "AB";
    mark.remarks = "";
    const std::string record = recordOf(mark);
    ASSERT_EQ(record.size(), 4u + 16 + 4 + 2 + 4);
    EXPECT_EQ(u32At(record, 20), 2u);
    EXPECT_EQ(record.substr(24, 2), "AB");
    EXPECT_EQ(u32At(record, 26), 0u);
}

TEST(ElementIni, EveryKindSurvivesIniAndBack) {
    const ChartElementFactoryList factories = createChartElementFactories();
    for (auto& make : allSamples()) {
        std::unique_ptr<IChartElement> original = make();
        SCOPED_TRACE(original->getType());
        IniFile ini;
        original->writeToIni(&ini);
        // Through the text form, as the file on disk holds it.
        IniFile reread;
        reread.setFromString(ini.toString());
        std::unique_ptr<IChartElement> copy = createChartElementFromIni(factories, &reread);
        ASSERT_TRUE(copy);
        expectSameElement(*original, *copy);
    }
}

TEST(ElementIni, UnknownOrMissingTypeGivesNoElement) {
    const ChartElementFactoryList factories = createChartElementFactories();
    IniFile ini;
    EXPECT_FALSE(createChartElementFromIni(factories, &ini));
    ini.set("", "Type", "AIRWAY");  // the keyword is AIRWAY_SEGMENT
    EXPECT_FALSE(createChartElementFromIni(factories, &ini));
    ini.set("", "Type", "AIRWAY_SEGMENT");
    auto airway = createChartElementFromIni(factories, &ini);
    ASSERT_TRUE(airway);
    // Keys that are missing keep the defaults of the editor's descriptor.
    EXPECT_EQ(static_cast<AirwayElement*>(airway.get())->name, "Airway");
    EXPECT_EQ(static_cast<AirwayElement*>(airway.get())->remarks, "-");
}

TEST(ElementIni, KeysAreThoseOfTheFileFormat) {
    IniFile ini;
    makeSampleAirport().writeToIni(&ini);
    EXPECT_EQ(ini.get("", "Type"), "AIRPORT");
    EXPECT_EQ(ini.get("", "Ident"), "CYVR");
    EXPECT_EQ(ini.get("", "RunCnt"), "2");
    EXPECT_EQ(ini.get("", "Run[0].Type"), "SOLID");
    EXPECT_EQ(ini.get("", "Run[1].Type"), "GRASS");
    EXPECT_EQ(ini.get("", "Run[0].App1Cnt"), "2");
    EXPECT_EQ(ini.get("", "Run[0].App1[1].Name"), "LOC");
    EXPECT_EQ(ini.get("", "Run[0].App1[1].MHZ"), "110");
    EXPECT_EQ(ini.get("", "FreqCnt"), "2");
    EXPECT_EQ(ini.get("", "Towered"), "1");
    EXPECT_EQ(ini.get("", "Lat"), "49.1939");

    IniFile vor;
    makeSampleVOR().writeToIni(&vor);
    EXPECT_EQ(vor.get("", "VORType"), "VORTAC");
    IniFile poi;
    makeSamplePOI().writeToIni(&poi);
    EXPECT_EQ(poi.get("", "type"), "peak");
    EXPECT_EQ(poi.get("", "Type"), "POI");
}

TEST(ChartElementFactories, RegisteredInContextOrderWithTheirKeywords) {
    const ChartElementFactoryList factories = createChartElementFactories();
    const std::vector<std::string> keywords = {"AIRSPACE", "AIRWAY_SEGMENT", "WAYPOINT",    "MARK",           "NDB",
                                               "VOR",      "AIRPORT",        "OBSTRUCTION", "GROUNDGEOMETRY", "POI"};
    ASSERT_EQ(factories.size(), keywords.size());
    for (size_t i = 0; i < factories.size(); ++i) {
        EXPECT_EQ(factories[i]->getStringDescriptor(), keywords[i]);
        std::unique_ptr<IChartElement> element(factories[i]->Create(nullptr));
        EXPECT_EQ(element->getType(), factories[i]->getElementType());
    }
    EXPECT_EQ(factories[1]->getName(), L"Airway");
    EXPECT_EQ(factories[8]->getName(), L"GroundGeometry");
    for (uint32_t code = 0; code < IChartElement::TYPE_COUNT; ++code)
        ASSERT_TRUE(findChartElementFactory(factories, code)) << code;
    EXPECT_EQ(findChartElementFactory(factories, 10u), nullptr);
}
