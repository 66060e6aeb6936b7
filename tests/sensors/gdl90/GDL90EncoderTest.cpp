#include "GDL90TestSupport.h"

#include "sensors/gdl90/GDL90Encoder.h"

#include <gtest/gtest.h>

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
}

TEST(GDL90Encoder, StratuxAHRSReadsBackWithItsScalesAndGapsAndClampsItsRange) {
    StratuxAHRSReport r;
    r.rollDegrees = -12.3, r.pitchDegrees = 4.5, r.slipSkidDegrees = 2.5, r.yawRateDegreesPerSecond = 3.0;
    r.loadFactor = 1.0, r.indicatedAirspeedKnots = 95, r.pressureAltitudeFeet = 3500, r.verticalSpeedFeetPerMinute = -500;
    EXPECT_EQ(fieldsOf(*decodeAs<StratuxAHRSMessage>(encodeStratuxAHRS(r))),
              "roll=-12.3000 pitch=4.5000 heading=- slipSkid=2.5000 yawRate=3.0000 g=9.8100 "
              "indicatedAirspeed=95.0000 pressureAltitude=1066.6476 verticalSpeed=-2.5400");
    // Below the altitude offset the field stays at zero rather than wrapping.
    r.pressureAltitudeFeet = -6000;
    EXPECT_NEAR(decodeAs<StratuxAHRSMessage>(encodeStratuxAHRS(r))->pressureAltitude, -1524.1524, 1e-9);
    EXPECT_FALSE(decodeAs<StratuxAHRSMessage>(encodeStratuxAHRS(StratuxAHRSReport{}))->rollValid);
}

}  // namespace
