#include "GDL90TestSupport.h"
#include "base/Units.h"

#include "sensors/gdl90/GDL90Encoder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(GDL90Encoder, TrafficReportReproducesTheInterfaceDocumentExample) {
    GDL90TrafficReport r;
    r.address = 052642511;
    r.latitude = 44.90708;
    r.longitude = -122.99488;
    r.pressureAltitudeFeet = 5000;
    r.airborne = true;
    r.trackType = 1;
    r.nic = 10;
    r.nacp = 9;
    r.groundSpeedKnots = 123;
    r.track = 45;
    r.verticalVelocityFpm = 64;
    r.emitterCategory = 1;
    r.callSign = "N825V";
    EXPECT_EQ(encodeTrafficReport(r, false), ICD_TRAFFIC);
    EXPECT_EQ(encodeTrafficReport(r, true)[0], 10);
}

TEST(GDL90Encoder, HeartbeatReproducesTheInterfaceDocumentExample) {
    // Status byte 2 of the example also has "CSA requested", which a
    // transmitter of ours never claims; everything else matches.
    Bytes m = encodeHeartbeat(true, 0xD0DB, true, 0x0208);
    EXPECT_EQ(m, (Bytes{0x00, 0x81, 0x01, 0xDB, 0xD0, 0x08, 0x02}));
    m = encodeHeartbeat(false, 86399, false);
    auto hb = decodeAs<HeartbeatGDL90Message>(m);
    ASSERT_TRUE(hb);
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
    r.verticalVelocityFpm = -1000;
    r.track = 359.9;
    r.callSign = "ABCDEFGHIJ";
    auto t = decodeAs<TrafficGDL90Message>(encodeTrafficReport(r, false));
    ASSERT_TRUE(t);
    EXPECT_EQ(t->address, 0xFFFFFFu);
    EXPECT_EQ(t->addressType, 1u);
    EXPECT_NEAR(t->latitude, -89.99, 2.2e-5);
    EXPECT_NEAR(t->longitude, -180.0, 2.2e-5);
    EXPECT_NEAR(t->altitude, units::feetToMetres(-1000), 1e-9);
    EXPECT_DOUBLE_EQ(t->groundSpeed, 4094);
    EXPECT_NEAR(t->verticalVelocity, -16 * 64 * units::kMetresPerSecondPerFootPerMinute, 1e-9);
    EXPECT_DOUBLE_EQ(t->track, 0.0) << "359.9 rounds to the next step, north";
    EXPECT_EQ(t->callSign, "ABCDEFGH");

    r.positionValid = false;
    r.pressureAltitudeValid = false;
    r.groundSpeedValid = false;
    r.verticalVelocityValid = false;
    t = decodeAs<TrafficGDL90Message>(encodeTrafficReport(r, false));
    ASSERT_TRUE(t);
    EXPECT_FALSE(t->positionValid || t->altitudeValid || t->groundSpeedValid || t->verticalVelocityValid);
}

TEST(GDL90Encoder, GeoAltitudeAndForeFlightRoundTrip) {
    auto g = decodeAs<OwnShipGeoAltGDL90Message>(encodeGeoAltitude(4500, 10));
    ASSERT_TRUE(g);
    EXPECT_NEAR(g->altitude, units::feetToMetres(4500), 1e-9);
    EXPECT_EQ(g->verticalFigureOfMerit, 10u);
    g = decodeAs<OwnShipGeoAltGDL90Message>(encodeGeoAltitude(-30, -1, true));
    ASSERT_TRUE(g);
    EXPECT_TRUE(g->verticalWarning);
    EXPECT_FALSE(g->verticalFigureOfMeritValid);

    auto a = decodeAs<FFAHRSMessage>(encodeForeFlightAHRS(-25.04, 3.46, 359.96, true, 105, NAN));
    ASSERT_TRUE(a);
    EXPECT_NEAR(a->roll, -25.0, 1e-9);
    EXPECT_NEAR(a->pitch, 3.5, 1e-9);
    EXPECT_NEAR(a->heading, 359.9, 1e-9) << "clamped below 360";
    EXPECT_TRUE(a->headingIsTrue);
    EXPECT_DOUBLE_EQ(a->indicatedAirspeed, 105);
    EXPECT_FALSE(a->trueAirspeedValid);
    a = decodeAs<FFAHRSMessage>(encodeForeFlightAHRS(NAN, NAN, 90, false, NAN, NAN));
    ASSERT_TRUE(a);
    EXPECT_FALSE(a->rollValid);
    EXPECT_FALSE(a->pitchValid);
    EXPECT_FALSE(a->headingIsTrue);

    auto id = decodeAs<FFIdMessage>(encodeForeFlightId(42, "gdl90sim", "Cirrona GDL90 simulator", 1));
    ASSERT_TRUE(id);
    EXPECT_EQ(id->serialNumber, 42u);
    EXPECT_EQ(id->deviceName, "gdl90sim");
    EXPECT_EQ(id->deviceLongName, "Cirrona GDL90 si");
}

}  // namespace
