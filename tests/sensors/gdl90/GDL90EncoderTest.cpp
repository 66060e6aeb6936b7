#include "GDL90TestSupport.h"

#include "sensors/gdl90/GDL90Encoder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(GDL90Encoder, TrafficReportAndHeartbeatReproduceTheInterfaceDocumentExamples) {
    GDL90TrafficReport r;
    r.address = 052642511;
    r.latitude = 44.90708;
    r.longitude = -122.99488;
    r.pressureAltitudeFeet = 5000;
    r.groundSpeedKnots = 123;
    r.track = 45;
    r.verticalVelocityFpm = 64;
    r.callSign = "N825V";
    EXPECT_EQ(encodeTrafficReport(r, false), ICD_TRAFFIC);
    EXPECT_EQ(encodeTrafficReport(r, true)[0], 10);
    // Status byte 2 of the heartbeat example also has "CSA requested", which a
    // transmitter of ours never claims; everything else matches.
    EXPECT_EQ(encodeHeartbeat(true, 0xD0DB, true, 0x0208), (Bytes{0x00, 0x81, 0x01, 0xDB, 0xD0, 0x08, 0x02}));
    auto hb = decodeAs<HeartbeatGDL90Message>(encodeHeartbeat(false, 86399, false));
    EXPECT_EQ(hb->timeStamp, 86399u);
    EXPECT_FALSE(hb->isGPSPositionValid());
}

TEST(GDL90Encoder, TrafficRoundTripAtTheEdgesOfTheRanges) {
    GDL90TrafficReport r;
    r.address = 0xFFFFFF;
    r.addressType = 1;
    r.latitude = -89.99;
    r.longitude = 180.0;  // sent as -180
    r.pressureAltitudeFeet = -1000;
    r.groundSpeedKnots = 5000;  // holds at 4094
    r.verticalVelocityFpm = -1000;  // 16 steps of 64 ft/min
    r.track = 359.9;  // rounds to the next step, north
    r.callSign = "ABCDEFGHIJ";
    auto t = decodeAs<TrafficGDL90Message>(encodeTrafficReport(r, false));
    EXPECT_EQ(fieldsOf(*t),
              "alert=0 addressType=1 address=16777215 latitude=-89.9900 longitude=-180.0000 altitude=-304.8000 "
              "trackType=1 extrapolated=0 airborne=1 nic=10 nacp=9 groundSpeed=4094.0000 "
              "verticalVelocity=-5.2019 track=0.0000 emitterCategory=1 callSign=ABCDEFGH emergencyCode=0");
    r.positionValid = r.pressureAltitudeValid = r.groundSpeedValid = r.verticalVelocityValid = false;
    t = decodeAs<TrafficGDL90Message>(encodeTrafficReport(r, false));
    EXPECT_FALSE(t->positionValid || t->altitudeValid || t->groundSpeedValid || t->verticalVelocityValid);
}

TEST(GDL90Encoder, GeoAltitudeAndForeFlightRoundTrip) {
    // In-range values are checked through the loopback flight (GDL90SensorUDPTest).
    auto g = decodeAs<OwnShipGeoAltGDL90Message>(encodeGeoAltitude(-30, -1, true));
    EXPECT_EQ(fieldsOf(*g), "altitude=-9.1440 verticalWarning=1 verticalFigureOfMerit=-");
    // Heading 359.96 is clamped below 360.
    auto a = decodeAs<FFAHRSMessage>(encodeForeFlightAHRS(-25.04, 3.46, 359.96, true, 105, NAN));
    EXPECT_EQ(fieldsOf(*a),
              "subId=1 roll=-25.0000 pitch=3.5000 heading=359.9000 headingIsTrue=1 indicatedAirspeed=105.0000 "
              "trueAirspeed=-");
    a = decodeAs<FFAHRSMessage>(encodeForeFlightAHRS(NAN, NAN, 90, false, NAN, NAN));
    EXPECT_FALSE(a->rollValid || a->pitchValid || a->headingIsTrue);
    auto id = decodeAs<FFIdMessage>(encodeForeFlightId(42, "gdl90sim", "Cirrona GDL90 simulator", 1));
    EXPECT_EQ(fieldsOf(*id),
              "subId=0 version=1 serialNumber=42 deviceName=gdl90sim deviceLongName=Cirrona GDL90 si capabilities=1");
}

}  // namespace
