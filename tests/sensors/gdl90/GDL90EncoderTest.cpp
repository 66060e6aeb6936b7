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

}  // namespace
