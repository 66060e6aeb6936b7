#include "MapFixture.h"

namespace {
constexpr double kCyvrLongitude = -123.1844, kCyvrLatitude = 49.1939;
}

TEST_F(MapFixture, DumpForLooking) {
    Map2D map(context, MapOptions());
    irr::video::IImage* frame = show(map, kCyvrLongitude, kCyvrLatitude, 0.02);
    driver->writeImageToFile(frame, "/tmp/map.png");
    frame->drop();
}
