#include "ElementSamples.h"

#include "base/IniFile.h"

#include <cstring>
#include <fstream>
#include <iterator>

static std::unique_ptr<IChartElement> readRecordOf(const std::string& record) {
    static const ChartElementFactoryList factories = createChartElementFactories();
    return readChartElementRecord(factories, record.data(), static_cast<unsigned>(record.size()));
}

TEST(ElementRecord, EveryKindSurvivesWriteAndReadAndEndsAtItsLength) {
    for (const auto& original : makeAllSamples()) {
        const std::string record = recordOf(*original);
        std::unique_ptr<IChartElement> copy = readRecordOf(record);
        ASSERT_TRUE(copy) << original->getType();
        EXPECT_EQ(fieldsOf(*copy), fieldsOf(*original));
        EXPECT_EQ(recordOf(*copy), record);
        const std::string followed = record + "trailing";  // records lie back to back
        unsigned position = 4;
        ASSERT_TRUE(copy->readFromBuffer(followed.data(), position, static_cast<unsigned>(followed.size())));
        EXPECT_EQ(position, record.size()) << original->getType();
    }
}

TEST(ElementRecord, EveryTruncationIsRejected) {
    for (const auto& original : makeAllSamples()) {
        const std::string record = recordOf(*original);
        const ChartElementFactoryList factories = createChartElementFactories();
        for (size_t length = 0; length < record.size(); ++length) {
            // A fresh buffer: sanitizers see any read past it.
            std::vector<char> prefix(record.begin(), record.begin() + length);
            EXPECT_FALSE(readChartElementRecord(factories, prefix.data(), static_cast<unsigned>(length)))
                << original->getType() << " cut to " << length;
        }
    }
}

TEST(ElementRecord, UnknownTypeCodesYieldNoElement) {
    std::string record = recordOf(makeSampleMark());
    const ChartElementFactoryList none;
    EXPECT_FALSE(readChartElementRecord(none, record.data(), static_cast<unsigned>(record.size())));
    for (uint32_t code : {10u, 255u, 0xFFFFFFFFu}) {
        std::memcpy(&record[0], &code, 4);
        EXPECT_FALSE(readRecordOf(record));
    }
}

TEST(ElementRecord, SamplesGiveTheKnownBytesOfEveryKind) {
    const char* seeds[] = {"airspace", "airway", "obstruction", "waypoint", "mark",
                           "ndb",      "vor",    "airport",     "groundgeometry", "poi"};
    const auto samples = makeAllSamples();
    for (size_t i = 0; i < samples.size(); ++i) {
        std::ifstream seed(std::string(CIRRONA_SOURCE_DIR) + "/tests/chart/elements/fuzz/corpus/" + seeds[i] + ".rec");
        EXPECT_EQ(recordOf(*samples[i]), std::string(std::istreambuf_iterator<char>(seed), {})) << seeds[i];
    }
}

TEST(ElementIni, EveryKindSurvivesIniAndBack) {
    const ChartElementFactoryList factories = createChartElementFactories();
    for (const auto& original : makeAllSamples()) {
        IniFile ini;
        original->writeToIni(&ini);
        IniFile reread;
        reread.setFromString(ini.toString());
        std::unique_ptr<IChartElement> copy = createChartElementFromIni(factories, &reread);
        ASSERT_TRUE(copy) << original->getType();
        // The INI form leaves out the runway values marked unknown.
        if (auto* airport = dynamic_cast<AirportElement*>(original.get()))
            for (Runway& r : airport->runways)
                for (int end = 0; end < 2; ++end) {
                    r.threshold[end] = r.thresholdValid[end] ? r.threshold[end] : ChartPosition();
                    r.elevation[end] = r.elevationValid[end] ? r.elevation[end] : 0;
                }
        EXPECT_EQ(fieldsOf(*copy), fieldsOf(*original));
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
    AirwayElement defaults;  // missing keys keep the editor descriptor's defaults
    defaults.name = "Airway", defaults.remarks = "-";
    EXPECT_EQ(fieldsOf(*airway), fieldsOf(defaults));
}

TEST(ElementIni, KeysAreThoseOfTheFileFormat) {
    IniFile ini, poi;
    makeSampleAirport().writeToIni(&ini), makeSamplePOI().writeToIni(&poi);
    for (auto [key, value] : {std::pair("Type", "AIRPORT"), {"Ident", "CYVR"}, {"RunCnt", "2"},
                              {"Run[1].Type", "GRASS"}, {"Run[0].App1[1].MHZ", "110"}, {"Lat", "49.1939"}})
        EXPECT_EQ(ini.get("", key), value) << key;
    EXPECT_EQ(poi.get("", "type") + poi.get("", "Type"), "peakPOI");
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
    for (uint32_t code = 0; code < IChartElement::TYPE_COUNT; ++code)
        ASSERT_TRUE(findChartElementFactory(factories, code)) << code;
    EXPECT_EQ(findChartElementFactory(factories, 10u), nullptr);
}
