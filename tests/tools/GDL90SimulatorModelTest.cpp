#include "SimOptions.h"
#include "SimulatedFlight.h"

#include "base/Units.h"
#include "geo/Geodesy.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {

bool parse(std::vector<std::string> args, SimOptions& options, std::string& problem) {
    std::vector<char*> argv = {const_cast<char*>("gdl90sim")};
    for (std::string& a : args) argv.push_back(&a[0]);
    return parseSimOptions(int(argv.size()), argv.data(), options, problem);
}

TEST(GDL90SimOptions, TargetsAndBadValues) {
    SimOptions o;
    std::string problem;
    ASSERT_TRUE(parse({"--target", "[::1]:4999", "--start", "46.5,-7.25", "--turn-rate", "-3", "--traffic", "5",
                       "--duration", "2.5", "--callsign", "HBXYZ"},
                      o, problem))
        << problem;
    EXPECT_EQ(o.host, "::1");
    EXPECT_EQ(o.port, 4999);
    EXPECT_DOUBLE_EQ(o.plan.start.latitude, 46.5);
    EXPECT_DOUBLE_EQ(o.plan.start.longitude, -7.25);
    EXPECT_DOUBLE_EQ(o.plan.turnRateDegreesPerSecond, -3);
    EXPECT_EQ(o.plan.trafficCount, 5);
    EXPECT_DOUBLE_EQ(o.durationSeconds, 2.5);
    EXPECT_EQ(o.callSign, "HBXYZ");

    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--target", "localhost"}, {"--target", "h:70000"}, {"--start", "95,8"},
          {"--route", "47,8"}, {"--traffic", "2.5"}, {"--callsign", "TOOLONGNAME"}, {"--speed"}, {"--wat"}}) {
        SimOptions fresh;
        EXPECT_FALSE(parse(bad, fresh, problem)) << bad[0];
        EXPECT_FALSE(problem.empty());
    }
    std::ostringstream usage;
    printSimUsage(usage);
    for (const char* option : {"--target", "--route", "--traffic-without-position", "--duration", "--help"}) {
        EXPECT_NE(usage.str().find(option), std::string::npos) << option;
    }
}

TEST(GDL90SimFlight, StraightFlightCoversItsDistance) {
    FlightPlan plan;
    plan.start = ChartPosition(8.0, 47.0);
    plan.speedKnots = 120;
    plan.trackDegrees = 90;
    plan.climbFeetPerMinute = 600;
    SimulatedFlight flight(plan);
    for (int i = 0; i < 600; ++i) flight.advance(0.1);  // one minute
    const OwnshipState& own = flight.ownship();
    EXPECT_NEAR(calcDistance2(plan.start, own.position), 2 * units::kMetresPerNauticalMile, 5);
    EXPECT_NEAR(calcBearing2(plan.start, own.position), 90, 0.1);
    EXPECT_NEAR(own.altitudeFeet, 3600, 1e-6);
    EXPECT_NEAR(own.rollDegrees, 0, 1e-9);
    EXPECT_GT(own.pitchDegrees, 0) << "climbing";

    // With a level-off altitude the climb ends there, neither short nor beyond.
    plan.levelOffFeet = 3500;
    SimulatedFlight levelling(plan);
    for (int i = 0; i < 600; ++i) levelling.advance(0.1);
    EXPECT_EQ(levelling.ownship().altitudeFeet, 3500);
    EXPECT_EQ(levelling.ownship().climbFeetPerMinute, 0);
    EXPECT_NEAR(levelling.ownship().pitchDegrees, 0, 1e-9);
}

TEST(GDL90SimFlight, ConstantTurnBanksAndTurns) {
    FlightPlan plan;
    plan.trackDegrees = 0;
    plan.turnRateDegreesPerSecond = 3;
    SimulatedFlight flight(plan);
    for (int i = 0; i < 300; ++i) flight.advance(0.1);
    EXPECT_NEAR(flight.ownship().trackDegrees, 90, 1e-6);
    // Standard rate at 100 kt: about 15° of bank, right wing down.
    EXPECT_NEAR(flight.ownship().rollDegrees, 15.1, 0.5);
    EXPECT_EQ(flight.ownship().turnRateDegreesPerSecond, 3);
}

TEST(GDL90SimFlight, RouteIsFlownWaypointByWaypoint) {
    FlightPlan plan;
    plan.route = {ChartPosition(8.0, 47.0), ChartPosition(8.0, 47.05), ChartPosition(8.07, 47.05)};
    plan.speedKnots = 150;
    SimulatedFlight flight(plan);
    EXPECT_NEAR(flight.ownship().trackDegrees, 0, 0.1) << "heads for the second point";
    double closestToThird = 1e9;
    for (int i = 0; i < 2400; ++i) {  // four minutes
        flight.advance(0.1);
        closestToThird = std::min(closestToThird, calcDistance2(flight.ownship().position, plan.route[2]));
    }
    EXPECT_LT(closestToThird, 400);
}

TEST(GDL90SimFlight, TrafficCirclesTheOwnship) {
    FlightPlan plan;
    plan.trafficCount = 4;
    plan.trafficWithoutPosition = 1;
    SimulatedFlight flight(plan);
    for (int step = 0; step < 3; ++step) {
        const auto& traffic = flight.traffic();
        ASSERT_EQ(traffic.size(), 4u);
        EXPECT_FALSE(traffic[0].hasPosition);
        for (size_t i = 0; i < traffic.size(); ++i) {
            EXPECT_NEAR(calcDistance2(flight.ownship().position, traffic[i].position), (2.0 + i) * units::kMetresPerNauticalMile, 10);
            EXPECT_LE(std::fabs(traffic[i].altitudeFeet - flight.ownship().altitudeFeet), 1100);
            EXPECT_NE(traffic[i].address, traffic[(i + 1) % 4].address);
        }
        for (int i = 0; i < 200; ++i) flight.advance(0.1);
    }
}

TEST(GDL90SimFlight, ConvergingTrafficPassesCloseAbeamAndComesAgain) {
    FlightPlan plan;
    plan.trafficCount = 3;
    plan.trafficWithoutPosition = 1;
    plan.trafficConverging = 1;
    plan.turnRateDegreesPerSecond = 1;  // it keeps coming from ahead while the ownship turns
    SimulatedFlight flight(plan);
    const auto separation = [&] { return calcDistance2(flight.ownship().position, flight.traffic()[2].position); };
    EXPECT_NEAR(separation(), 5.009 * units::kMetresPerNauticalMile, 20) << "starts 5 NM ahead, 0.3 NM aside";
    double closest = 1e9;
    int passes = 0;
    double last = separation();
    for (int i = 0; i < 3000; ++i) {  // five minutes
        flight.advance(0.1);
        const double now = separation();
        closest = std::min(closest, now);
        if (now > last + units::kMetresPerNauticalMile) ++passes;  // started again from ahead
        last = now;
        EXPECT_NEAR(flight.traffic()[2].altitudeFeet - flight.ownship().altitudeFeet, 200, 1e-6);
    }
    EXPECT_NEAR(closest, 0.3 * units::kMetresPerNauticalMile, 30);
    EXPECT_GE(passes, 2);
    // The circling target is not drawn in.
    EXPECT_NEAR(calcDistance2(flight.ownship().position, flight.traffic()[1].position), 3 * units::kMetresPerNauticalMile, 10);
}

}  // namespace
