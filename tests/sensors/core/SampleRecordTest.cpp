// Byte records of the sample types: lengths, layouts, round trips and the
// rules for malformed records that recordings and forwarded data rely on.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "sensors/SensorDataFactory.h"

namespace {

std::vector<unsigned char> recordOf(ISensorData& sample) {
    int size = 0;
    auto* bytes = static_cast<unsigned char*>(sample.serialize(&size));
    return std::vector<unsigned char>(bytes, bytes + size);
}

// Through the record into `copy`, which must then hold the same fields
// (compared through the sample's field list).
template <typename Sample>
void roundTrip(Sample original, Sample copy = Sample()) {
    std::vector<unsigned char> record = recordOf(original);
    ASSERT_TRUE(copy.deserialize(record.data(), int(record.size())));
    EXPECT_EQ(recordText(copy), recordText(original));
}

template <typename T>
T valueAt(const std::vector<unsigned char>& record, size_t offset) {
    T value;
    std::memcpy(&value, record.data() + offset, sizeof(T));
    return value;
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
    // The registered pressure and temperature factories start at 0.
    std::unique_ptr<ISensorDataFactory> factory(createStandardSensorDataFactory(ISensorData::OUTSIDE_PRESSURE));
    std::unique_ptr<ISensorData> sample(factory->Create());
    EXPECT_EQ(static_cast<Pressure_Data*>(sample.get())->pressure, 0.0);
}

TEST(SampleRecord, InsideAndOutsideFlagsPickTheTypeNotTheRecord) {
    Pressure_Data inside(1013.25, true, 77), outside(1013.25, false, 77);
    EXPECT_EQ(outside.getType(), ISensorData::OUTSIDE_PRESSURE);
    EXPECT_EQ(recordOf(inside), recordOf(outside));
    Temperature_Data tIn(21.5, true, 5), tOut(21.5, false, 5);
    EXPECT_EQ(recordOf(tIn), recordOf(tOut));
}

TEST(SampleRecord, ScalarRecordIsLittleEndianValueThenTime) {
    Altitude_Data alt(1234.5, 0x01020304);
    const std::vector<unsigned char> expected = {0, 0, 0, 0, 0, 0x4a, 0x93, 0x40, 4, 3, 2, 1};
    EXPECT_EQ(recordOf(alt), expected);
}

TEST(SampleRecord, RoundTripOfEveryFixedType) {
    roundTrip(Altitude_Data(1500.25, 11));
    roundTrip(Heading_Data(271.5, 12));
    roundTrip(GroundSpeed_Data(98.0, 13));
    roundTrip(VerticalSpeed_Data(-3.5, 14));
    roundTrip(TurnRate_Data(3.0, 15));
    roundTrip(AirSpeed_Data(105.0, 16));
    roundTrip(Pressure_Data(1001.5, false, 17));
    roundTrip(Temperature_Data(-12.5, false, 18));
    roundTrip(Position_Data(-122.25, 49.125, 19));
    roundTrip(Acceleration_Data(0.5, -9.81, 1.25, 20));
    roundTrip(ExtendedHeading_Data(12.5f, NAN, 22));
    roundTrip(AngleOfAttack_Data(7.5f, 18.0f, AngleOfAttack_Data::DEGREES, 23));
    LocGs_Data loc(false);
    loc.amplitude90Hz = 0.25f, loc.amplitude150Hz = 0.75f;
    roundTrip(loc);
    Attitude_Data attitude(Matrix3x3::fromEuler(0.3, 0.1, -0.2), 21);
    attitude.reset = Attitude_Data::RESET_ORIENTATION_MATRIX;
    roundTrip(attitude);
    EXPECT_STREQ(Attitude_Data::resetName(attitude.reset), "Reset Orientation Matrix");
}

GPS_Data sampleFix() {
    GPS_Data gps;
    gps.hour = 14, gps.minute = 34, gps.second = 44, gps.millisecond = 280;
    gps.timeStamp = 4242;
    gps.latitude = 46.498287, gps.longitude = 7.567411;
    gps.fixQuality = 1, gps.satellites = 6, gps.altitude = 1344.99, gps.fixType = 3;
    gps.pdop = 2.4, gps.hdop = 1.2, gps.vdop = 2.0, gps.status = 'A';
    gps.day = 9, gps.month = 6, gps.year = 2005;
    gps.groundSpeed = 0.1776, gps.groundTrack = 10.379, gps.magneticVariation = 2.3;
    return gps;
}

TEST(SampleRecord, GpsAvailabilityFlagsAreTheLastEightBytesInOrder) {
    size_t index = 0;
    for (auto flag : {&GPS_Data::timeAvail, &GPS_Data::positionAvail, &GPS_Data::altitudeAvail,
                      &GPS_Data::dilutionOfPrecisionAvail, &GPS_Data::dateAvail, &GPS_Data::speedAvail,
                      &GPS_Data::groundTrackAvail, &GPS_Data::magneticVariationAvail}) {
        GPS_Data fix = sampleFix();
        fix.*flag = true;
        std::vector<unsigned char> record = recordOf(fix), expected(8, 0);
        expected[index++] = 1;
        EXPECT_EQ(std::vector<unsigned char>(record.begin() + 120, record.end()), expected);
        roundTrip(fix);
    }
}

TEST(SampleRecord, GpsFormatsCoordinatesAndListsAvailableFields) {
    GPS_Data gps = sampleFix();
    gps.latitude = -45.4576333;
    gps.longitude = -0.5;
    EXPECT_EQ(gps.calcLatitudeString(), L"S 45\u00b027.458'");
    EXPECT_EQ(gps.calcLongitudeString(), L"W 000\u00b030.000'");
    gps.latitude = 59.99999999;  // rounds up into the next degree, never 60'
    EXPECT_EQ(gps.calcLatitudeString(), L"N 60\u00b000.000'");

    gps.timeAvail = gps.speedAvail = true;
    std::wstring text = gps.toString();
    EXPECT_NE(text.find(L"Time (UTC): 14:34:44.280"), std::wstring::npos);
    EXPECT_NE(text.find(L"GroundSpeed: "), std::wstring::npos);
    EXPECT_EQ(text.find(L"Latitude: "), std::wstring::npos);
    EXPECT_EQ(text.find(L"Magnetic Variation: "), std::wstring::npos);
}

TEST(SampleRecord, RawDataCarriesGpsAndTextAndGrowsItsBuffer) {
    Raw_Data a, b;
    a.gps = sampleFix();
    a.gps.positionAvail = true;
    a.text = "$GPGGA,hello";
    a.acc = {1, 2, 3}, a.gyr = {4, 5, 6}, a.mag = {7, 8, 9};
    a.accAvail = a.magAvail = a.gpsAvail = true;
    a.m = Matrix3x3::fromEuler(1, 0, 0);
    a.delta = Matrix3x3::fromEuler(0, 0.01, 0);
    a.deltaT0 = 0.02, a.deltaT1 = 0.04;
    std::vector<unsigned char> record = recordOf(a);
    ASSERT_EQ(record.size(), 244u + 128 + 12);
    EXPECT_EQ(valueAt<uint32_t>(record, 0), 128u);
    EXPECT_EQ(valueAt<uint32_t>(record, 4 + 128), 12u);
    EXPECT_EQ(a.getRecordBufferSize(), 1024u);
    roundTrip(a, b);

    a.text.assign(2000, 'x');
    EXPECT_EQ(recordOf(a).size(), 244u + 128 + 2000);
    EXPECT_EQ(a.getRecordBufferSize(), 244u + 128 + 2000);
    roundTrip(a, b);

    // A record cut anywhere leaves the sample as it was; so does a GPS record
    // that is too short.
    record = recordOf(a);
    Raw_Data c;
    EXPECT_FALSE(c.deserialize(record.data(), int(record.size()) - 1));
    record[0] = 127;
    EXPECT_FALSE(c.deserialize(record.data(), int(record.size())));
    EXPECT_EQ(recordText(c), recordText(Raw_Data()));
}

TrafficElement target(uint32_t address, const std::string& name) {
    TrafficElement e;
    e.icaoAddress = address;
    e.longitude = 7.5, e.latitude = 46.5, e.altitude = 4500.0;
    e.velocity = 120, e.climbRate = -500, e.squawk = 07000, e.capabilityIndex = 3, e.track = 270.5f;
    e.name = name;
    return e;
}

TEST(SampleRecord, TrafficRecordsAreSortedByAddress) {
    Traffic_Data traffic, copy;
    traffic.version = 2;
    for (uint32_t address : {0x300000, 0x100000, 0x200000}) traffic.set(target(address, "C"));
    traffic.traffic.at(0x200000)->altitude = -4500.9;  // whole feet, truncated toward zero
    std::vector<unsigned char> record = recordOf(traffic);
    ASSERT_EQ(record.size(), 1u + 3 * 53);
    EXPECT_EQ(record[0], 2);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(valueAt<uint32_t>(record, 1 + 53 * i), uint32_t(0x100000 * (i + 1)));
    EXPECT_EQ(valueAt<int32_t>(record, 1 + 53 + 20), -4500);
    ASSERT_TRUE(copy.deserialize(record.data(), int(record.size())));
    ASSERT_EQ(copy.traffic.size(), 3u);
    EXPECT_EQ(recordOf(copy), record);
}

TEST(SampleRecord, TrafficCallSignKeepsNineCharacters) {
    Traffic_Data traffic, copy;
    for (const char* name : {"", "ABCDEFGHI", "ABCDEFGHIJKL"}) traffic.set(target(traffic.traffic.size(), name));
    std::vector<unsigned char> record = recordOf(traffic);
    ASSERT_TRUE(copy.deserialize(record.data(), int(record.size())));
    EXPECT_EQ(recordText(*copy.traffic.at(0)), recordText(target(0, "")));
    EXPECT_EQ(copy.traffic.at(1)->name, "ABCDEFGHI");
    EXPECT_EQ(copy.traffic.at(2)->name, "ABCDEFGHI");
}

TEST(SampleRecord, TrafficWithoutPositionAndBrokenRecords) {
    TrafficElement e;
    EXPECT_FALSE(e.hasPosition());
    e.longitude = 7.0;
    EXPECT_FALSE(e.hasPosition());  // latitude still -360
    e.latitude = 46.0;
    EXPECT_TRUE(e.hasPosition());

    Traffic_Data traffic, copy;
    traffic.set(target(1, "A"));
    traffic.set(target(2, "B"));
    std::vector<unsigned char> record = recordOf(traffic);
    copy.set(target(99, "OLD"));
    // A record ending inside the second element keeps the first only.
    EXPECT_FALSE(copy.deserialize(record.data(), int(record.size()) - 1));
    ASSERT_EQ(copy.traffic.size(), 1u);
    EXPECT_EQ(copy.traffic.begin()->first, 1u);
    // A later element with the same address replaces the earlier one.
    std::vector<unsigned char> twice(record.begin(), record.begin() + 54);
    twice.insert(twice.end(), record.begin() + 1, record.begin() + 54);
    twice[1 + 53 + 53 - 9] = 'Z';
    ASSERT_TRUE(copy.deserialize(twice.data(), int(twice.size())));
    ASSERT_EQ(copy.traffic.size(), 1u);
    EXPECT_EQ(copy.traffic.at(1)->name, "Z");
}

TEST(SampleRecord, TrafficBufferDoublesOrGrowsToNeed) {
    Traffic_Data traffic;
    EXPECT_EQ(traffic.getRecordBufferSize(), 1024u);
    for (uint32_t i = 0; i < 20; ++i) traffic.set(target(i, "X"));  // 1 + 20*53 = 1061
    recordOf(traffic);
    EXPECT_EQ(traffic.getRecordBufferSize(), 2048u);
    for (uint32_t i = 20; i < 100; ++i) traffic.set(target(i, "X"));  // 5301 > 4096
    recordOf(traffic);
    EXPECT_EQ(traffic.getRecordBufferSize(), 5301u);
}

TEST(SampleRecord, UplinkRoundTripAndFailureRules) {
    UATUplink_Data a, b;
    a.addPackage(std::vector<unsigned char>(432, 0xAB));
    a.addPackage(std::vector<unsigned char>{1, 2, 3});
    std::vector<unsigned char> record = recordOf(a);
    EXPECT_EQ(record.size(), 4u + 4 + 432 + 4 + 3);
    EXPECT_EQ(valueAt<uint32_t>(record, 4 + 4 + 432), 3u);
    roundTrip(a, b);

    // A package running past the end discards every package read so far.
    EXPECT_FALSE(b.deserialize(record.data(), int(record.size()) - 1));
    EXPECT_TRUE(b.packages.empty());
    // A count whose four-byte lengths alone cannot fit reads nothing.
    std::vector<unsigned char> bogus = {200, 0, 0, 0, 0, 0, 0, 0};
    b.addPackage({9});
    EXPECT_FALSE(b.deserialize(bogus.data(), int(bogus.size())));
    EXPECT_TRUE(b.packages.empty());

    // A larger record doubles the buffer, or grows it to the need when that is more.
    for (int i = 0; i < 2; ++i) a.addPackage(std::vector<unsigned char>(432, 1));
    recordOf(a);  // 1319 bytes
    EXPECT_EQ(a.getRecordBufferSize(), 2048u);
    for (int i = 0; i < 8; ++i) a.addPackage(std::vector<unsigned char>(432, 1));
    recordOf(a);  // 4807 bytes
    EXPECT_EQ(a.getRecordBufferSize(), 4807u);
}

TEST(SampleRecord, WidebandBlocksHaveSixteenBitLengths) {
    Wideband_Data a, b;
    a.header = 0xCAFEBABE;
    a.blocks = {{1, 2}, {}, std::vector<unsigned char>(3000, 7)};
    std::vector<unsigned char> record = recordOf(a);
    EXPECT_EQ(record.size(), 8u + 2 + 2 + 2 + 2 + 3000);
    EXPECT_EQ(valueAt<uint16_t>(record, 8 + 4 + 2), 3000u);
    roundTrip(a, b);
    // A damaged record keeps the blocks read in full.
    EXPECT_FALSE(b.deserialize(record.data(), 20));
    EXPECT_EQ(b.blocks.size(), 2u);
    // Blocks longer than a u16 can count are cut.
    a.blocks = {std::vector<unsigned char>(70000, 1)};
    EXPECT_EQ(recordOf(a).size(), 8u + 2 + 0xFFFF);
}

TEST(SampleRecord, EngineRecordLayoutAndVersionCheck) {
    Engine_Data a, b;
    for (int i = 0; i < 13; ++i) a.analog[i] = uint16_t(100 * i + 5);
    a.spare = 77;
    a.thermocouple[7] = -123;
    a.counter[1] = {1, 0xDEADBEEF, 4711};
    std::vector<unsigned char> record = recordOf(a);
    ASSERT_EQ(record.size(), 63u);
    EXPECT_EQ(valueAt<uint16_t>(record, 1 + 2 * 12), 1205);
    EXPECT_EQ(valueAt<int16_t>(record, 29 + 2 * 7), -123);
    EXPECT_EQ(record[54], 1);  // counter 1 flag
    EXPECT_EQ(valueAt<uint32_t>(record, 59), 4711u);
    roundTrip(a, b);

    Engine_Data c;
    EXPECT_FALSE(c.deserialize(record.data(), 62));
    record[0] = 2;
    EXPECT_FALSE(c.deserialize(record.data(), 63));
    EXPECT_EQ(c.version, 2);
    EXPECT_EQ(c.analog[1], 0);
}

TEST(SampleRecord, ShortRecordsLeaveFixedSamplesUnchanged) {
    Position_Data p(1, 2, 3);
    unsigned char junk[19] = {};
    EXPECT_FALSE(p.deserialize(junk, sizeof junk));
    EXPECT_EQ(recordText(p), recordText(Position_Data(1, 2, 3)));
    GPS_Data gps;
    EXPECT_FALSE(gps.deserialize(junk, sizeof junk));
    EXPECT_EQ(recordText(gps), recordText(GPS_Data()));
}

}  // namespace
