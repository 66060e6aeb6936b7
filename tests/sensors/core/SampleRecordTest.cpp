// Byte records of the sample types: lengths, round trips and the rules for
// malformed records that recordings and forwarded data rely on.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "sensors/SensorDataFactory.h"

namespace {

std::vector<unsigned char> recordOf(ISensorData& sample) {
    int size = 0;
    auto* bytes = static_cast<unsigned char*>(sample.serialize(&size));
    return std::vector<unsigned char>(bytes, bytes + size);
}

template <typename... Samples>
void roundTrip(Samples... originals) {
    auto one = [](auto& original) {
        std::vector<unsigned char> record = recordOf(original);
        std::decay_t<decltype(original)> copy;
        ASSERT_TRUE(copy.deserialize(record.data(), int(record.size())));
        EXPECT_EQ(recordText(copy), recordText(original));
    };
    (one(originals), ...);
}

TEST(SampleRecord, LengthsOfFixedRecordsAndRegisteredNames) {
    // By type number; raw, traffic, uplink and wide-band data as empty samples.
    const int lengths[] = {128, 80, 12, 28, 20, 12, 12, 12, 12, 12, 12, 12, 12, 12, 244 + 128, 1, 8, 8, 4, 13, 12, 63, 8};
    const char* names[] = {"GPS", "Attitude", "Heading", "Acceleration", "Position", "Altitude", "GroundSpeed",
                           "VerticalSpeed", "TurnRate", "AirSpeed", "InsidePressure", "OutsidePressure",
                           "InsideTemperature", "OutsideTemperature", "Raw", "Traffic", "Localizer", "Glideslope",
                           "UAT Uplink", "Angle of Attack", "True and Magnetic Heading", "Engine Data", "Wideband Data"};
    static_assert(std::size(lengths) == ISensorData::TYPE_COUNT && std::size(names) == ISensorData::TYPE_COUNT);
    for (int type = 0; type < ISensorData::TYPE_COUNT; ++type) {
        std::unique_ptr<ISensorDataFactory> factory(createStandardSensorDataFactory(ISensorData::Type(type)));
        ASSERT_NE(factory, nullptr);
        EXPECT_EQ(factory->getName(), names[type]);
        std::unique_ptr<ISensorData> sample(factory->Create());
        EXPECT_EQ(sample->getType(), type);
        EXPECT_EQ(int(recordOf(*sample).size()), lengths[type]) << names[type];
    }
    EXPECT_EQ(createStandardSensorDataFactory(ISensorData::TYPE_COUNT), nullptr);
    Pressure_Data inside(1013.25, true, 77), outside(1013.25, false, 77);
    EXPECT_EQ(outside.getType(), ISensorData::OUTSIDE_PRESSURE);
    EXPECT_EQ(recordOf(inside), recordOf(outside));  // the flag picks the type, not the record
}

GPS_Data sampleFix() {
    GPS_Data gps;
    gps.hour = 14, gps.minute = 34, gps.second = 44, gps.millisecond = 280, gps.timeStamp = 4242;
    gps.latitude = 46.498287, gps.longitude = 7.567411, gps.altitude = 1344.99, gps.status = 'A';
    gps.fixQuality = 1, gps.satellites = 6, gps.fixType = 3, gps.pdop = 2.4, gps.hdop = 1.2, gps.vdop = 2.0;
    gps.day = 9, gps.month = 6, gps.year = 2005, gps.groundSpeed = 0.1776, gps.groundTrack = 10.379;
    gps.timeAvail = gps.altitudeAvail = gps.speedAvail = true;
    return gps;
}

TEST(SampleRecord, RoundTripOfEveryFixedType) {
    LocGs_Data loc(false);
    loc.amplitude90Hz = 0.25f, loc.amplitude150Hz = 0.75f;
    Attitude_Data attitude(Matrix3x3::fromEuler(0.3, 0.1, -0.2), 21);
    attitude.reset = Attitude_Data::RESET_ORIENTATION_MATRIX;
    roundTrip(Altitude_Data(1500.25, 11), Heading_Data(271.5, 12), GroundSpeed_Data(98.0, 13),
              VerticalSpeed_Data(-3.5, 14), TurnRate_Data(3.0, 15), AirSpeed_Data(105.0, 16),
              Pressure_Data(1001.5, false, 17), Temperature_Data(-12.5, false, 18), Position_Data(-122.25, 49.125, 19),
              Acceleration_Data(0.5, -9.81, 1.25, 20), ExtendedHeading_Data(12.5f, NAN, 22), sampleFix(), loc,
              attitude, AngleOfAttack_Data(7.5f, 18.0f, AngleOfAttack_Data::DEGREES, 23));
    EXPECT_STREQ(Attitude_Data::resetName(attitude.reset), "Reset Orientation Matrix");
}

TEST(SampleRecord, GpsFormatsCoordinatesAndListsAvailableFields) {
    GPS_Data gps = sampleFix();
    gps.latitude = -45.4576333, gps.longitude = -0.5;
    EXPECT_EQ(gps.calcLatitudeString(), L"S 45\u00b027.458'");
    EXPECT_EQ(gps.calcLongitudeString(), L"W 000\u00b030.000'");
    gps.latitude = 59.99999999;  // rounds up into the next degree, never 60'
    EXPECT_EQ(gps.calcLatitudeString(), L"N 60\u00b000.000'");
    EXPECT_NE(gps.toString().find(L"Time (UTC): 14:34:44.280"), std::wstring::npos);
    EXPECT_EQ(gps.toString().find(L"Latitude: "), std::wstring::npos);  // only available fields
}

TEST(SampleRecord, RawDataCarriesGpsAndTextAndGrowsItsBuffer) {
    Raw_Data a, c;
    a.gps = sampleFix();
    a.acc = {1, 2, 3}, a.gyr = {4, 5, 6}, a.mag = {7, 8, 9}, a.accAvail = a.gpsAvail = true;
    a.m = Matrix3x3::fromEuler(1, 0, 0), a.delta = Matrix3x3::fromEuler(0, 0.01, 0), a.deltaT0 = 0.02;
    a.text.assign(2000, 'x');
    std::vector<unsigned char> record = recordOf(a);
    EXPECT_EQ(a.getRecordBufferSize(), 244u + 128 + 2000);
    roundTrip(a);
    record[0] = 127;  // a GPS record too short
    EXPECT_FALSE(c.deserialize(record.data(), int(record.size())));
    EXPECT_EQ(recordText(c), recordText(Raw_Data()));
}

TrafficElement target(uint32_t address, const std::string& name) {
    TrafficElement e;
    e.icaoAddress = address, e.longitude = 7.5, e.latitude = 46.5, e.altitude = 4500.0;
    e.velocity = 120, e.climbRate = -500, e.squawk = 07000, e.capabilityIndex = 3, e.track = 270.5f;
    e.name = name;
    return e;
}

TEST(SampleRecord, TrafficRecordsAreSortedByAddressAndCallSignsCut) {
    Traffic_Data traffic, copy;
    traffic.version = 2;
    for (uint32_t address : {0x300000, 0x100000, 0x200000}) traffic.set(target(address, "ABCDEFGHIJKL"));
    std::vector<unsigned char> record = recordOf(traffic);
    ASSERT_EQ(record.size(), 1u + 3 * 53);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(record[3 + 53 * i], 0x10 * (i + 1));  // third byte of the address
    ASSERT_TRUE(copy.deserialize(record.data(), int(record.size())));
    const TrafficElement first = target(0x100000, "ABCDEFGHI");  // call signs keep nine characters
    EXPECT_EQ(recordText(copy.version, *copy.traffic.at(0x100000)), recordText(uint8_t(2), first));
    EXPECT_EQ(recordOf(copy), record);
}

TEST(SampleRecord, BrokenTrafficRecords) {
    Traffic_Data traffic, copy;
    traffic.set(target(1, "A")), traffic.set(target(2, "B"));
    std::vector<unsigned char> record = recordOf(traffic);
    copy.set(target(99, "OLD"));
    EXPECT_FALSE(copy.deserialize(record.data(), int(record.size()) - 1));  // keeps the first only
    ASSERT_EQ(copy.traffic.size(), 1u);
    EXPECT_EQ(copy.traffic.begin()->first, 1u);
}

TEST(SampleRecord, BuffersDoubleOrGrowToNeed) {
    Traffic_Data traffic;
    EXPECT_EQ(traffic.getRecordBufferSize(), 1024u);
    for (auto [count, buffer] : {std::pair(20u, 2048u), {100u, 5301u}}) {  // 1061 bytes, then 5301 > 4096
        for (uint32_t i = 0; i < count; ++i) traffic.set(target(i, "X"));
        recordOf(traffic);
        EXPECT_EQ(traffic.getRecordBufferSize(), buffer);
    }
}

TEST(SampleRecord, UplinkRoundTripAndFailureRules) {
    UATUplink_Data a, b;
    a.addPackage(std::vector<unsigned char>(432, 0xAB)), a.addPackage({1, 2, 3});
    std::vector<unsigned char> record = recordOf(a);
    roundTrip(a);
    b.addPackage({9});  // a package running past the end discards every package, even earlier ones
    EXPECT_FALSE(b.deserialize(record.data(), int(record.size()) - 1));
    EXPECT_TRUE(b.packages.empty());
}

TEST(SampleRecord, WidebandBlocksHaveSixteenBitLengths) {
    Wideband_Data a, b;
    a.header = 0xCAFEBABE;
    a.blocks = {{1, 2}, {}, std::vector<unsigned char>(3000, 7)};
    std::vector<unsigned char> record = recordOf(a);
    EXPECT_EQ(record.size(), 8u + 2 + 2 + 2 + 2 + 3000);
    roundTrip(a);
    EXPECT_FALSE(b.deserialize(record.data(), 20));
    EXPECT_EQ(b.blocks.size(), 2u);  // the blocks read in full
    a.blocks = {std::vector<unsigned char>(70000, 1)};
    EXPECT_EQ(recordOf(a).size(), 8u + 2 + 0xFFFF);
}

TEST(SampleRecord, EngineRoundTripAndVersionCheck) {
    Engine_Data a, b;
    for (int i = 0; i < 13; ++i) a.analog[i] = uint16_t(100 * i + 5);
    a.spare = 77, a.thermocouple[7] = -123, a.counter[1] = {1, 0xDEADBEEF, 4711};
    std::vector<unsigned char> record = recordOf(a);
    roundTrip(a);
    record[0] = 2;  // an unknown version is refused
    EXPECT_FALSE(b.deserialize(record.data(), 63));
    EXPECT_EQ(b.version, 2);
    EXPECT_EQ(b.analog[1], 0);
}

TEST(SampleRecord, ShortRecordsLeaveFixedSamplesUnchanged) {
    Position_Data p(1, 2, 3);
    EXPECT_FALSE(p.deserialize(std::vector<unsigned char>(19).data(), 19));
    EXPECT_EQ(recordText(p), recordText(Position_Data(1, 2, 3)));
}

}  // namespace
