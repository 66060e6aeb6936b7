#include <gtest/gtest.h>

#include "geo/Geodesy.h"
#include "traffic/TrafficMapStyle.h"
#include "traffic/TrafficWarning.h"

namespace {
const ChartPosition kOwn(8.0, 47.0);
constexpr double kOwnAltitudeMetres = 1000.0;

// A position due `bearing` whose distance is the smallest double-precision
// step at or beyond `metres`: a target exactly on a band edge.
ChartPosition atDistance(double bearing, double metres) {
    ChartPosition p = calcChartPositionAtBearing(kOwn, bearing, metres);
    const double step = std::cos(bearing * M_PI / 180.0) >= 0 ? 1e-13 : -1e-13;
    while (calcDistance2(kOwn, p) < metres) p.latitude += step;
    return p;
}

struct Picture {
    std::map<unsigned, TrafficElement*> traffic;
    TrafficWarningInput input;
    Picture() {
        input.own = kOwn;
        input.warningAltitudeFeet = 1000;
        input.altitudeDifference = [](double& metres, const TrafficElement* e) {
            if (e->altitude <= -99999) return false;
            metres = e->altitude * 0.3048 - kOwnAltitudeMetres;
            return true;
        };
    }
    ~Picture() {
        for (auto& entry : traffic) delete entry.second;
    }
    TrafficElement& add(unsigned address, double altitudeFeet) {
        auto* e = new TrafficElement();
        e->icaoAddress = address;
        e->altitude = altitudeFeet;
        traffic[address] = e;
        return *e;
    }
    TrafficElement& addAt(unsigned address, double altitudeFeet, ChartPosition p) {
        TrafficElement& e = add(address, altitudeFeet);
        e.longitude = p.longitude;
        e.latitude = p.latitude;
        return e;
    }
    TrafficWarning run() const { return computeTrafficWarning(traffic, input); }
};

const double kOwnFeet = kOwnAltitudeMetres / 0.3048;
}  // namespace

TEST(TrafficWarning, BandEdgesBelongOutwardAndTwoMilesIsOutside) {
    Picture p;
    p.addAt(1, kOwnFeet + 300, atDistance(90, 926.0));  // exactly 0.5 NM
    EXPECT_EQ(BAND_1NM, trafficRange(*p.traffic[1], kOwn).band);
    p.addAt(2, kOwnFeet, atDistance(180, 2 * 1852.0));  // exactly 2.0 NM
    EXPECT_EQ(NO_BAND, trafficRange(*p.traffic[2], kOwn).band);
    TrafficElement inside(*p.traffic[1]);
    inside.longitude = calcChartPositionAtBearing(kOwn, 90, 925.9).longitude;
    EXPECT_EQ(BAND_HALF_NM, trafficRange(inside, kOwn).band);
    const TrafficWarning w = p.run();
    EXPECT_EQ(L"TRAFFIC WARNING:\n<1.0NM +300ft  ADS-B 1x\nClosest:", w.text);
    EXPECT_EQ(2, w.colour);
}

TEST(TrafficWarning, AltitudeLimitIsAtMostAndUnknownAltitudesAlwaysCount) {
    Picture p;
    p.addAt(1, kOwnFeet + 1000, atDistance(0, 1500));   // exactly at the limit: counts
    p.addAt(2, kOwnFeet - 1000.5, atDistance(0, 100));  // just beyond: ignored although nearest
    p.addAt(3, -100000, atDistance(0, 3000));           // unknown altitude, outer band
    p.traffic[1]->name = "D EABC";
    p.input.headingKnown = true;
    p.input.heading = 0;
    const TrafficWarning w = p.run();
    EXPECT_EQ(L"TRAFFIC WARNING:\n<1.0NM +1000ft  ADS-B 1x\n<2.0NM ADS-B 1x\nClosest: Callsign: DEABC (12 o'clock)",
              w.text);
    EXPECT_EQ(p.traffic[1], w.closest);
}

TEST(TrafficWarning, MixedFlarmAdsbAndModeSPicture) {
    Picture p;
    p.addAt(0x80000001u, kOwnFeet - 200, atDistance(90, 300));  // FLARM, inner band
    p.addAt(0x4840D6, kOwnFeet + 400, atDistance(270, 2500));   // ADS-B, outer band
    TrafficElement& modeS = p.add(0x3C0001, kOwnFeet + 100);    // no position, range class 1.5 NM
    modeS.capabilityIndex = 8;
    TrafficElement& bearingOnly = p.add(0x3C0002, kOwnFeet + 900);  // no position, no class: closest only
    bearingOnly.name = "NOPOS";
    p.input.headingKnown = true;
    p.input.heading = 0;
    p.input.altitudeFactor = 1.0;
    p.input.altitudeLabel = L"m";
    const TrafficWarning w = p.run();
    // Outer band: the position-less Mode S target turns the band's source to Mode-S/C.
    EXPECT_EQ(L"TRAFFIC WARNING:\n<0.5NM -60m  FLARM 1x\n<2.0NM +30m  Mode-S/C 2x\nClosest: (3 o'clock)", w.text);
    EXPECT_EQ(2, w.colour);

    // Only the outer band: the milder colour; position-less targets give no clock.
    Picture outer;
    TrafficElement& far = outer.add(5, kOwnFeet);
    far.capabilityIndex = 8;
    const TrafficWarning mild = outer.run();
    EXPECT_EQ(1, mild.colour);
    EXPECT_EQ(L"TRAFFIC WARNING:\n<2.0NM +0ft  Mode-S/C 1x\nClosest:", mild.text);
    Picture none;
    none.addAt(6, kOwnFeet + 5000, atDistance(0, 100));
    EXPECT_FALSE(none.run().active);
}

TEST(TrafficWarning, ClockPositionAndOwnAircraft) {
    EXPECT_EQ(12, clockPosition(5, 0));
    EXPECT_EQ(12, clockPosition(350, 0));
    EXPECT_EQ(11, clockPosition(340, 0));
    EXPECT_EQ(2, clockPosition(100, 40));
    EXPECT_EQ(6, clockPosition(10, 190));

    TrafficElement e;
    e.icaoAddress = 0x4B1234;
    e.name = "hb-abc";
    OwnAircraftIdentity byAddress{0x4B1234, ""};
    OwnAircraftIdentity byRegistration{0, "HB-ABC"};
    OwnAircraftIdentity other{0x4B9999, "HB-XYZ"};
    EXPECT_TRUE(isOwnAircraft(e, &byAddress));
    EXPECT_TRUE(isOwnAircraft(e, &byRegistration));
    EXPECT_FALSE(isOwnAircraft(e, &other));
    EXPECT_FALSE(isOwnAircraft(e, nullptr));

    Picture p;
    p.addAt(0x4B1234, kOwnFeet, atDistance(0, 10));
    p.input.ownAircraft = &byAddress;
    EXPECT_FALSE(p.run().active);
}

TEST(TrafficMapStyle, ColourGradientFilterAndLabel) {
    EXPECT_EQ(0xFFCC3B54u, calcTrafficColor(0, false));
    EXPECT_EQ(0xFFCC3B54u, calcTrafficColor(250, false));
    EXPECT_EQ(0xFFDCB652u, calcTrafficColor(450, false));
    EXPECT_EQ(0xFF3B7B56u, calcTrafficColor(5000, false));
    EXPECT_EQ(0xFFFFFF00u, calcTrafficColor(450, true));
    EXPECT_EQ(0xFFFF8000u, calcTrafficColor(350, true));  // halfway red to yellow
    EXPECT_EQ(0xFF80FF00u, calcTrafficColor(600, true));  // halfway yellow to green

    EXPECT_FALSE(isHiddenByAltitudeFilter(true, 9000, 0));
    EXPECT_TRUE(isHiddenByAltitudeFilter(true, -1000, 1000));  // "at least" the filter
    EXPECT_FALSE(isHiddenByAltitudeFilter(true, 999, 1000));
    EXPECT_FALSE(isHiddenByAltitudeFilter(false, 0, 1000));

    TrafficElement e;
    e.name = "SWR12";
    EXPECT_EQ(L"? SWR12", trafficLabel(e, false, 0, 1));
    EXPECT_EQ(L"+150 SWR12", trafficLabel(e, true, 45.72, 1 / 0.3048));
    e.name.clear();
    EXPECT_EQ(L"0", trafficLabel(e, true, 1.0, 1 / 0.3048));
    EXPECT_EQ(L"-50", trafficLabel(e, true, -48.0, 1.0));
}
