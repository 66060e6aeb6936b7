// Byte records of the sample types: lengths, round trips and the rules for
// malformed records that recordings and forwarded data rely on.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <tuple>
#include <vector>

#include "sensors/SensorDataFactory.h"

namespace {

std::vector<unsigned char> recordOf(ISensorData& sample) {
    int size = 0;
    auto* bytes = static_cast<unsigned char*>(sample.serialize(&size));
    return std::vector<unsigned char>(bytes, bytes + size);
}

template <typename Sample>
void roundTrip(Sample& original, Sample& copy) {
    std::vector<unsigned char> record = recordOf(original);
    ASSERT_TRUE(copy.deserialize(record.data(), int(record.size())));
    EXPECT_EQ(recordOf(copy), record);
}

TEST(SampleRecord, LengthsOfFixedRecordsAndRegisteredNames) {
    struct Expect {
        ISensorData::Type type;
        int length;
        const char* name;
    };
    const Expect table[] = {
        {ISensorData::GPS, 128, "GPS"},
        {ISensorData::ATTITUDE, 80, "Attitude"},
        {ISensorData::HEADING, 12, "Heading"},
        {ISensorData::ACCELERATION, 28, "Acceleration"},
        {ISensorData::POSITION, 20, "Position"},
        {ISensorData::ALTITUDE, 12, "Altitude"},
        {ISensorData::GROUNDSPEED, 12, "GroundSpeed"},
        {ISensorData::VERTICALSPEED, 12, "VerticalSpeed"},
        {ISensorData::TURNRATE, 12, "TurnRate"},
        {ISensorData::AIRSPEED, 12, "AirSpeed"},
        {ISensorData::INSIDE_PRESSURE, 12, "InsidePressure"},
        {ISensorData::OUTSIDE_PRESSURE, 12, "OutsidePressure"},
        {ISensorData::INSIDE_TEMPERATURE, 12, "InsideTemperature"},
        {ISensorData::OUTSIDE_TEMPERATURE, 12, "OutsideTemperature"},
        {ISensorData::RAW, 244 + 128, "Raw"},
        {ISensorData::TRAFFIC, 1, "Traffic"},
        {ISensorData::LOCALIZER, 8, "Localizer"},
        {ISensorData::GLIDESLOPE, 8, "Glideslope"},
        {ISensorData::UAT_UPLINK, 4, "UAT Uplink"},
        {ISensorData::ANGLE_OF_ATTACK, 13, "Angle of Attack"},
        {ISensorData::EXTENDED_HEADING, 12, "True and Magnetic Heading"},
        {ISensorData::ENGINE_DATA, 63, "Engine Data"},
        {ISensorData::WIDEBAND_DATA, 8, "Wideband Data"},
    };
    ASSERT_EQ(std::size(table), size_t(ISensorData::TYPE_COUNT));
    for (const Expect& e : table) {
        std::unique_ptr<ISensorDataFactory> factory(createStandardSensorDataFactory(e.type));
        ASSERT_NE(factory, nullptr);
        EXPECT_EQ(factory->getName(), e.name);
        std::unique_ptr<ISensorData> sample(factory->Create());
        EXPECT_EQ(sample->getType(), e.type) << e.name;
        EXPECT_EQ(int(recordOf(*sample).size()), e.length) << e.name;
    }
    EXPECT_EQ(createStandardSensorDataFactory(ISensorData::TYPE_COUNT), nullptr);
}

TEST(SampleRecord, DefaultsMarkUnsetValues) {
    EXPECT_EQ(Altitude_Data().altitude, 400.0);
    EXPECT_EQ(AirSpeed_Data().airSpeed, -1.0);
    EXPECT_EQ(Pressure_Data().pressure, -300.0);
    EXPECT_TRUE(Pressure_Data().inside);
    EXPECT_EQ(Temperature_Data().temperature, -300.0);
    EXPECT_EQ(std::make_pair(Position_Data().longitude, Position_Data().latitude), std::make_pair(-10.0, -10.0));
    EXPECT_TRUE(std::isnan(ExtendedHeading_Data().trueHeading));
    EXPECT_TRUE(std::isnan(ExtendedHeading_Data().magneticHeading));
    AngleOfAttack_Data aoa;
    EXPECT_EQ(aoa.maxAngle, 1.0f);
    EXPECT_EQ(aoa.unit, AngleOfAttack_Data::PARTS);
    EXPECT_EQ(Attitude_Data().orientation, Matrix3x3());
    EXPECT_EQ(Engine_Data().version, 1);
    GPS_Data gps;
    EXPECT_EQ(std::make_tuple(gps.hour, gps.fixType, gps.satellites, gps.magneticVariation),
              std::make_tuple(-1, 1, -1, -9999.0));
    EXPECT_FALSE(gps.timeAvail || gps.positionAvail || gps.magneticVariationAvail);
    // The registered pressure and temperature factories start at 0.
    std::unique_ptr<ISensorDataFactory> factory(createStandardSensorDataFactory(ISensorData::OUTSIDE_PRESSURE));
    std::unique_ptr<ISensorData> sample(factory->Create());
    EXPECT_EQ(static_cast<Pressure_Data*>(sample.get())->pressure, 0.0);
    EXPECT_FALSE(static_cast<Pressure_Data*>(sample.get())->inside);
}

TEST(SampleRecord, PressureAndTemperatureFlagsPickTheTypeNotTheRecord) {
    Pressure_Data inside(1013.25, true, 77), outside(1013.25, false, 77);
    EXPECT_EQ(inside.getType(), ISensorData::INSIDE_PRESSURE);
    EXPECT_EQ(outside.getType(), ISensorData::OUTSIDE_PRESSURE);
    EXPECT_EQ(recordOf(inside), recordOf(outside));
    Temperature_Data tIn(21.5, true, 5), tOut(21.5, false, 5);
    EXPECT_EQ(tIn.getType(), ISensorData::INSIDE_TEMPERATURE);
    EXPECT_EQ(tOut.getType(), ISensorData::OUTSIDE_TEMPERATURE);
    EXPECT_EQ(recordOf(tIn), recordOf(tOut));
    EXPECT_EQ(LocGs_Data(true).getType(), ISensorData::LOCALIZER);
    EXPECT_EQ(LocGs_Data(false).getType(), ISensorData::GLIDESLOPE);
}

TEST(SampleRecord, ScalarRecordIsLittleEndianValueThenTime) {
    Altitude_Data alt(1234.5, 0x01020304);
    std::vector<unsigned char> record = recordOf(alt);
    double value;
    std::memcpy(&value, record.data(), 8);
    EXPECT_EQ(value, 1234.5);
    EXPECT_EQ(record[8], 0x04);
    EXPECT_EQ(record[11], 0x01);
}

// The copy is returned so that a test can look at one decoded field; the
// byte comparison in roundTrip already covers every other one.
template <typename Sample>
Sample roundTripped(Sample original, Sample copy) {
    roundTrip(original, copy);
    return copy;
}

TEST(SampleRecord, RoundTripOfEveryFixedType) {
    EXPECT_EQ(roundTripped(Altitude_Data(1500.25, 11), Altitude_Data()).timeStamp, 11u);
    EXPECT_EQ(roundTripped(Heading_Data(271.5, 12), Heading_Data()).heading, 271.5);
    EXPECT_EQ(roundTripped(GroundSpeed_Data(98.0, 13), GroundSpeed_Data()).groundSpeed, 98.0);
    EXPECT_EQ(roundTripped(VerticalSpeed_Data(-3.5, 14), VerticalSpeed_Data()).verticalSpeed, -3.5);
    EXPECT_EQ(roundTripped(TurnRate_Data(3.0, 15), TurnRate_Data()).turnRate, 3.0);
    EXPECT_EQ(roundTripped(AirSpeed_Data(105.0, 16), AirSpeed_Data()).airSpeed, 105.0);
    EXPECT_EQ(roundTripped(Pressure_Data(1001.5, false, 17), Pressure_Data(0, false, 0)).pressure, 1001.5);
    EXPECT_EQ(roundTripped(Temperature_Data(-12.5, false, 18), Temperature_Data(0, false, 0)).temperature, -12.5);
    EXPECT_EQ(roundTripped(Position_Data(-122.25, 49.125, 19), Position_Data()).latitude, 49.125);
    EXPECT_EQ(roundTripped(Acceleration_Data(0.5, -9.81, 1.25, 20), Acceleration_Data()).y, -9.81);
    EXPECT_FALSE(roundTripped(ExtendedHeading_Data(12.5f, NAN, 22), ExtendedHeading_Data()).isMagneticHeadingAvailable());
    EXPECT_EQ(roundTripped(AngleOfAttack_Data(7.5f, 18.0f, AngleOfAttack_Data::DEGREES, 23), AngleOfAttack_Data()).unit,
              AngleOfAttack_Data::DEGREES);
    LocGs_Data loc(false), locCopy(false);
    loc.amplitude90Hz = 0.25f, loc.amplitude150Hz = 0.75f;
    roundTrip(loc, locCopy);
    Attitude_Data attitude(Matrix3x3::fromEuler(0.3, 0.1, -0.2), 21), copy;
    attitude.reset = Attitude_Data::RESET_ORIENTATION_MATRIX;
    roundTrip(attitude, copy);
    EXPECT_EQ(copy.reset, 3u);
    EXPECT_STREQ(Attitude_Data::resetName(copy.reset), "Reset Orientation Matrix");
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

TEST(SampleRecord, GpsRoundTripKeepsEveryAvailabilityFlagSeparately) {
    bool GPS_Data::*flags[] = {&GPS_Data::timeAvail,  &GPS_Data::positionAvail, &GPS_Data::altitudeAvail,
                               &GPS_Data::dilutionOfPrecisionAvail, &GPS_Data::dateAvail, &GPS_Data::speedAvail,
                               &GPS_Data::groundTrackAvail, &GPS_Data::magneticVariationAvail};
    for (auto flag : flags) {
        GPS_Data a = sampleFix(), b;
        a.*flag = true;
        roundTrip(a, b);
        for (auto other : flags) EXPECT_EQ(b.*other, other == flag);
        EXPECT_EQ(b.latitude, a.latitude);
        EXPECT_EQ(b.year, 2005);
        EXPECT_EQ(b.magneticVariation, 2.3);
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
    int size = 0;
    a.serialize(&size);
    EXPECT_EQ(size, 244 + 128 + 12);
    roundTrip(a, b);
    EXPECT_EQ(b.text, a.text);
    EXPECT_TRUE(b.gps.positionAvail);
    EXPECT_TRUE(b.gpsAvail);
    EXPECT_FALSE(b.gyrAvail);
    EXPECT_EQ(b.mag.z, 9.0);
    EXPECT_EQ(b.delta, a.delta);
    EXPECT_EQ(b.deltaT1, 0.04);

    EXPECT_EQ(a.getRecordBufferSize(), 1024u);
    a.text.assign(2000, 'x');
    a.serialize(&size);
    EXPECT_EQ(size, 244 + 128 + 2000);
    EXPECT_GE(a.getRecordBufferSize(), size_t(size));
    roundTrip(a, b);
    EXPECT_EQ(b.text.size(), 2000u);

    // A record cut anywhere leaves the sample as it was.
    std::vector<unsigned char> record = recordOf(a);
    Raw_Data c;
    EXPECT_FALSE(c.deserialize(record.data(), int(record.size()) - 1));
    EXPECT_TRUE(c.text.empty());
}

TrafficElement target(uint32_t address, const std::string& name) {
    TrafficElement e;
    e.icaoAddress = address;
    e.longitude = 7.5, e.latitude = 46.5, e.altitude = 4500.9;
    e.velocity = 120, e.climbRate = -500, e.squawk = 07000, e.capabilityIndex = 3, e.track = 270.5f;
    e.name = name;
    return e;
}

TEST(SampleRecord, TrafficRecordsAreSortedByAddress) {
    Traffic_Data traffic;
    EXPECT_EQ(recordOf(traffic).size(), 1u);
    traffic.version = 2;
    traffic.set(target(0x300000, "C"));
    traffic.set(target(0x100000, "A"));
    traffic.set(target(0x200000, "B"));
    std::vector<unsigned char> record = recordOf(traffic);
    ASSERT_EQ(record.size(), 1u + 3 * 53);
    EXPECT_EQ(record[0], 2);
    for (int i = 0; i < 3; ++i) {
        uint32_t address;
        std::memcpy(&address, &record[1 + 53 * i], 4);
        EXPECT_EQ(address, uint32_t(0x100000 * (i + 1)));
    }
    Traffic_Data copy;
    ASSERT_TRUE(copy.deserialize(record.data(), int(record.size())));
    ASSERT_EQ(copy.traffic.size(), 3u);
    const TrafficElement* b = copy.traffic.at(0x200000);
    EXPECT_EQ(b->name, "B");
    EXPECT_EQ(b->altitude, 4500.0);  // whole feet, truncated
    EXPECT_EQ(b->climbRate, -500);
    EXPECT_EQ(b->squawk, 07000u);
    EXPECT_EQ(b->track, 270.5f);
}

TEST(SampleRecord, TrafficCallSignKeepsNineCharacters) {
    Traffic_Data traffic, copy;
    traffic.set(target(1, "ABCDEFGHI"));
    traffic.set(target(2, "ABCDEFGHIJKL"));
    traffic.set(target(3, ""));
    roundTrip(traffic, copy);
    EXPECT_EQ(copy.traffic.at(1)->name, "ABCDEFGHI");
    EXPECT_EQ(copy.traffic.at(2)->name, "ABCDEFGHI");
    EXPECT_EQ(copy.traffic.at(3)->name, "");
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
    roundTrip(a, b);
    ASSERT_EQ(b.packages.size(), 2u);
    EXPECT_EQ(b.packages[1], (std::vector<unsigned char>{1, 2, 3}));

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

TEST(SampleRecord, WidebandRoundTrip) {
    Wideband_Data a, b;
    a.header = 0xCAFEBABE;
    a.blocks = {{1, 2}, {}, std::vector<unsigned char>(3000, 7)};
    std::vector<unsigned char> record = recordOf(a);
    EXPECT_EQ(record.size(), 8u + 2 + 2 + 2 + 2 + 3000);
    roundTrip(a, b);
    EXPECT_EQ(b.blocks.size(), 3u);
    EXPECT_EQ(b.blocks[2].size(), 3000u);
    EXPECT_FALSE(b.deserialize(record.data(), 20));
}

TEST(SampleRecord, EngineRecordLayoutAndVersionCheck) {
    Engine_Data a, b;
    for (int i = 0; i < 13; ++i) a.analog[i] = uint16_t(100 * i + 5);
    a.spare = 77;
    a.thermocouple[7] = -123;
    a.counter[1] = {1, 0xDEADBEEF, 4711};
    std::vector<unsigned char> record = recordOf(a);
    ASSERT_EQ(record.size(), 63u);
    uint16_t analog12;
    std::memcpy(&analog12, &record[1 + 2 * 12], 2);
    EXPECT_EQ(analog12, 1205);
    int16_t tc7;
    std::memcpy(&tc7, &record[29 + 2 * 7], 2);
    EXPECT_EQ(tc7, -123);
    EXPECT_EQ(record[54], 1);  // counter 1 flag
    roundTrip(a, b);
    EXPECT_EQ(b.counter[1].count, 4711u);

    Engine_Data c;
    EXPECT_FALSE(c.deserialize(record.data(), 62));
    EXPECT_EQ(c.analog[1], 0);
    record[0] = 2;
    EXPECT_FALSE(c.deserialize(record.data(), 63));
    EXPECT_EQ(c.version, 2);
    EXPECT_EQ(c.analog[1], 0);
}

TEST(SampleRecord, ShortRecordsLeaveFixedSamplesUnchanged) {
    Position_Data p(1, 2, 3);
    unsigned char junk[19] = {};
    EXPECT_FALSE(p.deserialize(junk, sizeof junk));
    EXPECT_EQ(p.longitude, 1.0);
    GPS_Data gps;
    EXPECT_FALSE(gps.deserialize(junk, sizeof junk));
    EXPECT_EQ(gps.hour, -1);
}

}  // namespace
