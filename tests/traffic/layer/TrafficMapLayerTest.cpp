// Traffic on the map over the demo chart, read from the frame's pixels.
#include "support/MapFixture.h"
#include "traffic/TrafficMapStyle.h"
#include "traffic/layer/TrafficMapLayer.h"

using irr::video::SColor;

namespace {

constexpr double kLongitude = -123.5, kLatitude = 49.0;  // over the Strait of Georgia

TrafficElement target(uint32_t address, double longitude, double latitude, double feet, float track,
                      const std::string& name) {
    TrafficElement t;
    t.icaoAddress = address;
    t.longitude = longitude, t.latitude = latitude;
    t.altitude = feet;
    t.track = track;
    t.velocity = 120, t.climbRate = 500;
    t.capabilityIndex = 1000;  // geometric altitude: compared with the own altitude
    t.name = name;
    return t;
}

// The share of pixels in the box whose colour is near the colour.
int countColour(irr::video::IImage* image, int left, int top, int right, int bottom, SColor colour) {
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const SColor p = image->getPixel(x, y);
            if (std::abs(int(p.getRed()) - int(colour.getRed())) < 30 &&
                std::abs(int(p.getGreen()) - int(colour.getGreen())) < 30 &&
                std::abs(int(p.getBlue()) - int(colour.getBlue())) < 30)
                ++count;
        }
    return count;
}

}  // namespace

TEST_F(MapFixture, TrafficIsDrawnTurnedAndColouredByHeightFilteredAndSelectable) {
    TestGnss& gnss = useGnss(kLongitude, kLatitude, 0.0);
    gnss.altitude.altitude = 3000 * 0.3048;
    // 200 ft above, 10 km east, heading east; 2000 ft below, 10 km west.
    const double east = kLongitude + 0.137, west = kLongitude - 0.137;
    gnss.traffic.set(target(0xC0FFEE, east, kLatitude, 3200, 90.0f, "CGABC"));
    gnss.traffic.set(target(0xABC123, west, kLatitude, 1000, 270.0f, ""));
    context.layers.push_back([this](Map2D&) { return std::make_unique<TrafficMapLayer>(sensors, nullptr); });
    MapSettings options;
    options.trafficFilterAlt = 1500;
    Map2D map(context, options);
    irr::video::IImage* frame = settle(map);

    const PanelPoint near = map.toPanel(ChartPosition(east, kLatitude));
    const PanelPoint far = map.toPanel(ChartPosition(west, kLatitude));
    const SColor close(calcTrafficColor(200, false));
    // The arrow of the near target, in the colour of 200 ft, points east: its
    // tip lies right of its middle.
    const int size = 20;
    const int rightHalf = countColour(frame, int(near.x), int(near.y) - size / 2, int(near.x) + size / 2,
                                      int(near.y) + size / 2, close);
    const int leftHalf = countColour(frame, int(near.x) - size / 2, int(near.y) - size / 2, int(near.x),
                                     int(near.y) + size / 2, close);
    EXPECT_GT(rightHalf + leftHalf, 20);
    EXPECT_GT(leftHalf, rightHalf);  // the broad tail is behind the tip
    // Its label "+200 CGABC" follows in the same colour to the right.
    EXPECT_GT(countColour(frame, int(near.x) + size / 2, int(near.y) - 8, int(near.x) + 120, int(near.y) + 8, close),
              20);
    // The target 2000 ft below is beyond the filter of 1500 ft.
    EXPECT_EQ(countColour(frame, int(far.x) - 12, int(far.y) - 12, int(far.x) + 12, int(far.y) + 12,
                          SColor(calcTrafficColor(2000, false))),
              0);
    frame->drop();

    map.processEvent([&] {
        irr::SEvent e{};
        e.EventType = irr::EET_MOUSE_INPUT_EVENT;
        e.MouseInput.Event = irr::EMIE_LMOUSE_PRESSED_DOWN;
        e.MouseInput.X = int(near.x), e.MouseInput.Y = int(near.y);
        return e;
    }());
    irr::SEvent up{};
    up.EventType = irr::EET_MOUSE_INPUT_EVENT;
    up.MouseInput.Event = irr::EMIE_LMOUSE_LEFT_UP;
    up.MouseInput.X = int(near.x), up.MouseInput.Y = int(near.y);
    map.processEvent(up);
    EXPECT_EQ(shownTitle, L"CGABC");
    EXPECT_NE(shownText.find(L"Address: C0FFEE"), std::wstring::npos);
    EXPECT_NE(shownText.find(L"Altitude: 3200 ft"), std::wstring::npos);
    EXPECT_NE(shownText.find(L"Climb: 500 ft/min"), std::wstring::npos) << std::string(shownText.begin(), shownText.end());
}
