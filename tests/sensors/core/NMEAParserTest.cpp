#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "base/Units.h"
#include "sensors/NMEA_Parser.h"
#include "support/TempDir.h"

namespace {

const std::string kDataDir = std::string(CIRRONA_SOURCE_DIR) + "/tests/sensors/core/data/nmea/";

// Feeds a sentence with its line end; true when the parser used it.
bool feedLine(NMEA_Parser& parser, const std::string& sentence) {
    std::string line = sentence + "\r\n";
    return parser.feed(line.data(), line.size()) == 1;
}

const std::string kGGA = "$GPGGA,123519.25,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,";

TEST(NMEAParser, GGAWithFixUpdatesPositionAndTimeOnlyWithItsChecksum) {
    NMEA_Parser parser(NMEA_Parser::NMEA_GP, 0);
    std::string changed = appendNMEAChecksum(kGGA);
    changed[20] = '9';  // a latitude digit
    EXPECT_FALSE(feedLine(parser, changed));
    EXPECT_FALSE(feedLine(parser, kGGA));  // no checksum reads as 0
    EXPECT_FALSE(parser.getGPSData().positionAvail);
    ASSERT_TRUE(feedLine(parser, appendNMEAChecksum(kGGA)));
    const GPS_Data& gps = parser.getGPSData();
    EXPECT_NEAR(gps.latitude, 48.1173, 1e-9);
    EXPECT_TRUE(gps.altitudeAvail);
    EXPECT_EQ(std::make_tuple(gps.fixQuality, gps.hdop, gps.altitude), std::make_tuple(1, 0.9, 545.4));
}

TEST(NMEAParser, NoFixSentencesWaitForTheMinimumInterval) {
    double now = 100.0;
    NMEA_Parser parser(NMEA_Parser::NMEA_GP, 1000);
    parser.setClock([&] { return now; });
    ASSERT_TRUE(feedLine(parser, appendNMEAChecksum(kGGA)));
    const std::string noFix = appendNMEAChecksum("$GPGGA,123520,,,,,0,00,,,M,,M,,");
    now += 0.1;
    EXPECT_FALSE(feedLine(parser, noFix));
    EXPECT_EQ(parser.getGPSData().fixQuality, 1);
    now += 1.1;  // 1.2 s after the accepted update
    EXPECT_TRUE(feedLine(parser, noFix));
    EXPECT_EQ(parser.getGPSData().fixQuality, 0);
    // An empty altitude field; the last position is kept.
    EXPECT_TRUE(!parser.getGPSData().altitudeAvail && parser.getGPSData().positionAvail);
    // A void RMC is subject to the same interval; a valid one is not.
    const std::string voidRMC = appendNMEAChecksum("$GPRMC,123521,V,,,,,,,230394,,");
    now += 0.5;
    EXPECT_FALSE(feedLine(parser, voidRMC));
    EXPECT_TRUE(feedLine(parser, appendNMEAChecksum(
                                     "$GPRMC,123521,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W")));
    now += 0.6;
    EXPECT_TRUE(feedLine(parser, voidRMC));
    EXPECT_EQ(parser.getGPSData().status, 0);
}

TEST(NMEAParser, VersionSelectsTheTalker) {
    const std::string gnrmc = "$GNRMC,081411.000,A,5541.1955,N,03737.2872,E,0.60,301.29,260514,,,A";
    const std::string rmc41 = gnrmc + ",V";  // NMEA 4.1 adds the navigational status
    const struct {
        int version;
        std::string sentence;
        bool used;
    } cases[] = {
        {NMEA_Parser::NMEA_GP, gnrmc, false}, {NMEA_Parser::NMEA_GN, gnrmc, true},
        {NMEA_Parser::NMEA_ANY, gnrmc, true}, {NMEA_Parser::NMEA_GN, kGGA, false},
        {NMEA_Parser::NMEA_ANY, "$BDGGA" + kGGA.substr(6), true},
        {NMEA_Parser::NMEA_GN, rmc41, false}, {NMEA_Parser::NMEA_GN_4_1, rmc41, true},
    };
    for (const auto& c : cases) {
        NMEA_Parser parser(c.version);
        EXPECT_EQ(feedLine(parser, appendNMEAChecksum(c.sentence)), c.used) << c.version << " " << c.sentence;
    }
}

TEST(NMEAParser, RMCFieldsSpeedTrackDateAndHemispheres) {
    NMEA_Parser parser;
    ASSERT_TRUE(feedLine(parser, appendNMEAChecksum(
                                     "$GPRMC,225446.33,A,4916.45,S,12311.12,W,000.5,054.7,191194,020.3,E,A")));
    const GPS_Data& gps = parser.getGPSData();
    EXPECT_NEAR(gps.latitude, -49.274166666666667, 1e-9);
    EXPECT_TRUE(gps.dateAvail);
    EXPECT_EQ(std::make_tuple(gps.day, gps.month, gps.year, gps.millisecond, gps.status),
              std::make_tuple(19, 11, 1994, 330, 1));
    // A date with month 13 is a transmission error: the last date stays.
    ASSERT_TRUE(feedLine(parser, appendNMEAChecksum(
                                     "$GPRMC,225447,A,4916.45,S,12311.12,W,000.5,054.7,191394,020.3,E,A")));
    EXPECT_EQ(gps.month, 11);
    EXPECT_EQ(gps.second, 47);
}

TEST(NMEAParser, GSACountsSatellitesAndTakesAllThreeDops) {
    NMEA_Parser parser;
    ASSERT_TRUE(feedLine(parser, appendNMEAChecksum("$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1")));
    const GPS_Data& gps = parser.getGPSData();
    EXPECT_TRUE(gps.altitudeAvail && gps.dilutionOfPrecisionAvail);
    EXPECT_EQ(std::make_tuple(gps.fixType, gps.satellites, gps.pdop, gps.vdop), std::make_tuple(3, 5, 2.5, 2.1));
    ASSERT_TRUE(feedLine(parser, appendNMEAChecksum("$GPGSA,A,2,04,05,,,,,,,,,,,2.5,1.3,")));
    EXPECT_TRUE(!gps.dilutionOfPrecisionAvail && gps.fixType == 2);
    EXPECT_FALSE(feedLine(parser, appendNMEAChecksum("$GPGSA,A,3,04,05")));
}

class RecordingParser : public IAdditionalParser {
public:
    bool parse(const std::vector<std::string>& fields, bool checksumCorrect) override {
        addresses.push_back(fields.empty() ? "" : fields[0]);
        correct.push_back(checksumCorrect);
        return true;
    }
    std::vector<std::string> addresses;
    std::vector<bool> correct;
};

TEST(NMEAParser, AdditionalParserSeesEverySentenceFirst) {
    NMEA_Parser parser;
    RecordingParser extra;
    parser.setAdditionalParser(&extra);
    EXPECT_FALSE(feedLine(parser, appendNMEAChecksum("$PGRMZ,48,f,3")));  // unknown to the GNSS parser
    EXPECT_TRUE(feedLine(parser, "$GPRMB,A,,,,,,,,,,,,V*00"));             // bad checksum: extra decides
    EXPECT_FALSE(parser.getGPSData().positionAvail);
    EXPECT_EQ(extra.addresses, (std::vector<std::string>{"PGRMZ", "GPRMB"}));
    EXPECT_EQ(extra.correct, (std::vector<bool>{true, false}));
}

// --- Real captures against the reference decoder's output.

// One TPV report of the reference decoder; its time in milliseconds of the day, -1 when absent.
struct JsonReport {
    bool hasLat = false, hasSpeed = false, hasTrack = false;
    double lat = 0, lon = 0, speed = 0, track = 0;
    long timeMs = -1;
};

long millisecondsOfDay(int hour, int minute, int second, int millisecond) {
    return ((hour * 60L + minute) * 60 + second) * 1000 + millisecond;
}

bool numberAfter(const std::string& json, const std::string& key, double& value) {
    const size_t at = json.find("\"" + key + "\":");
    if (at == std::string::npos) return false;
    value = std::strtod(json.c_str() + at + key.size() + 3, nullptr);
    return true;
}

JsonReport readReport(const std::string& json) {
    JsonReport r;
    r.hasLat = numberAfter(json, "lat", r.lat) && numberAfter(json, "lon", r.lon);
    r.hasSpeed = numberAfter(json, "speed", r.speed);
    r.hasTrack = numberAfter(json, "track", r.track);
    const size_t t = json.find("\"time\":\"");  // "2005-06-09T14:34:44.280Z"
    int h, m, s, ms;
    if (t != std::string::npos && std::sscanf(json.c_str() + t + 8 + 11, "%d:%d:%d.%d", &h, &m, &s, &ms) == 4)
        r.timeMs = millisecondsOfDay(h, m, s, ms);
    return r;
}

struct CaptureCheck {
    int positions = 0, times = 0, speeds = 0, tracks = 0;
};

CaptureCheck checkCapture(const std::string& name) {
    CaptureCheck checked;
    std::ifstream chk(kDataDir + name + ".chk");
    EXPECT_TRUE(chk.good()) << name;
    NMEA_Parser parser(NMEA_Parser::NMEA_ANY, 0);
    std::string line;
    // Whether the sentence that last carried a fix time was a GGA or RMC the
    // parser used, and whether it was an RMC (the reference decoder derives
    // speeds from position changes after other sentences).
    bool lastTimeSentenceUsed = false, rmcUsed = false;
    int lineNumber = 0;
    while (std::getline(chk, line)) {
        ++lineNumber;
        if (!line.empty() && line[0] == '$') {
            const std::string kind = line.substr(3, 3);
            const bool used = feedLine(parser, line);
            if (kind == "GGA" || kind == "RMC" || kind == "GLL" || kind == "GNS" || kind == "ZDA") {
                lastTimeSentenceUsed = used && (kind == "GGA" || kind == "RMC");
                rmcUsed = used && kind == "RMC";
            }
            continue;
        }
        if (line.rfind("{\"class\":\"TPV\"", 0) != 0) continue;
        const JsonReport r = readReport(line);
        const GPS_Data& gps = parser.getGPSData();
        const std::string where = name + ".chk:" + std::to_string(lineNumber);
        if (lastTimeSentenceUsed && r.hasLat) {
            EXPECT_TRUE(gps.positionAvail) << where;
            // The SiRF captures' reports come from binary data finer than the
            // sentences' 1/10000 minute: allow half of that unit.
            EXPECT_NEAR(gps.latitude, r.lat, 0.5e-4 / 60 + 1e-9) << where;
            EXPECT_NEAR(gps.longitude, r.lon, 0.5e-4 / 60 + 1e-9) << where;
            ++checked.positions;
        }
        if (lastTimeSentenceUsed && r.timeMs >= 0) {
            EXPECT_TRUE(gps.timeAvail) << where;
            EXPECT_EQ(millisecondsOfDay(gps.hour, gps.minute, gps.second, gps.millisecond), r.timeMs) << where;
            ++checked.times;
        }
        if (rmcUsed && r.hasSpeed) {
            EXPECT_TRUE(gps.speedAvail) << where;
            EXPECT_NEAR(units::knotsToMetresPerSecond(gps.groundSpeed), r.speed, 0.0006) << where;
            ++checked.speeds;
        }
        if (rmcUsed && r.hasTrack) {
            EXPECT_TRUE(gps.groundTrackAvail) << where;
            EXPECT_NEAR(gps.groundTrack, r.track, 5e-4) << where;
            ++checked.tracks;
        }
    }
    return checked;
}

TEST(NMEAParserCaptures, DecodeToTheReferencePositionsTimesSpeedsAndTracks) {
    CaptureCheck total;
    for (const char* name :
         {"bu303-moving.log", "bu303-climbing.log", "bu353-glonass.log", "garmin48.log", "beidou-gb.log"}) {
        const CaptureCheck c = checkCapture(name);
        EXPECT_TRUE(c.positions >= 1 && c.times >= 1) << name;
        total.positions += c.positions, total.times += c.times, total.speeds += c.speeds, total.tracks += c.tracks;
    }
    EXPECT_GE(total.positions, 35);
    EXPECT_GE(total.times, 35);
    EXPECT_GE(total.speeds, 30);
    EXPECT_GE(total.tracks, 30);
}

std::vector<std::vector<unsigned char>> decodeInChunks(const std::string& data, std::mt19937* random) {
    NMEA_Parser parser(NMEA_Parser::NMEA_ANY, 0);
    std::vector<std::vector<unsigned char>> records;
    size_t at = 0;
    while (at < data.size()) {
        size_t chunk = random ? std::uniform_int_distribution<size_t>(1, 300)(*random) : 1;
        chunk = std::min(chunk, data.size() - at);
        for (int used = parser.feed(data.data() + at, chunk); used > 0; --used) {
            GPS_Data copy = parser.getGPSData();
            copy.timeStamp = 0;  // receive time differs between runs
            int size;
            auto* bytes = static_cast<unsigned char*>(copy.serialize(&size));
            records.emplace_back(bytes, bytes + size);
        }
        at += chunk;
    }
    return records;
}

TEST(NMEAParserCaptures, ByteByByteAndRandomChunksGiveTheSameResult) {
    std::mt19937 random(12345);
    for (const char* name : {"garmin48.log", "bu353-glonass.log"}) {
        const std::string log = readWholeFile(kDataDir + name);
        auto single = decodeInChunks(log, nullptr);
        auto chunked = decodeInChunks(log, &random);
        ASSERT_GT(single.size(), 20u) << name;
        EXPECT_EQ(single.size(), chunked.size()) << name;
        EXPECT_EQ(single.back(), chunked.back()) << name;
    }
}

}  // namespace
