#include <gtest/gtest.h>

#include <cmath>

#include "FlightScenarios.h"
#include "fusion/AttitudeFusion.h"

namespace {

double wrapped(double degrees) { return std::remainder(degrees, 360.0); }

struct Errors {
    double rollRms = 0, pitchRms = 0, headingRms = 0, worstTilt = 0, worstHeading = 0;
    int count = 0;
};

class FusionAccuracyTest : public ::testing::Test {
protected:
    // Flies the scenario through the fusion; errors from `from` seconds on,
    // over the samples `select` keeps.
    Errors fly(const FlightScenario& scenario, double from, bool (*select)(const TruthState&) = nullptr,
               int only = -1) {
        AttitudeFusion fusion(FusionSettings(), [](const std::string&) {});
        if (only >= 0) fusion.runOnly(only);
        Errors e;
        for (const GeneratedSample& g : generateFlight(scenario)) {
            const FusionOutput& out = fusion.step(g.raw);
            if (g.truth.time < from || (select && !select(g.truth))) continue;
            const double r = wrapped(out.euler.roll - g.truth.roll), p = wrapped(out.euler.pitch - g.truth.pitch);
            const double h = wrapped(out.euler.heading - g.truth.heading);
            e.rollRms += r * r, e.pitchRms += p * p, e.headingRms += h * h, ++e.count;
            e.worstTilt = std::max({e.worstTilt, std::fabs(r), std::fabs(p)});
            e.worstHeading = std::max(e.worstHeading, std::fabs(h));
        }
        if (e.count == 0) return e;
        e.rollRms = std::sqrt(e.rollRms / e.count), e.pitchRms = std::sqrt(e.pitchRms / e.count);
        e.headingRms = std::sqrt(e.headingRms / e.count);
        return e;
    }
    static FlightScenario scenario(const std::string& name, uint32_t seed) {
        FlightScenario s;
        EXPECT_TRUE(makeScenario(name, s));
        s.seed = seed;
        return s;
    }
    static void expectWithinBar(const Errors& e, const std::string& what) {
        SCOPED_TRACE(what);
        ASSERT_GT(e.count, 1000);
        EXPECT_LT(e.rollRms, 1.0);
        EXPECT_LT(e.pitchRms, 1.0);
        EXPECT_LT(e.worstTilt, 3.0);
        EXPECT_LT(e.headingRms, 2.0);
    }
};

TEST_F(FusionAccuracyTest, SteepAndClimbingAcceleratingTurnsWithBiasedGyroAndUncalibratedMagnetometer) {
    // Starts in cruise with no rest calibration: the bias is learnt in flight.
    for (double rate : {1.0, 5.0}) {
        FlightScenario s = scenario("turns", 5);
        s.sensors.gnssRate = rate;
        expectWithinBar(fly(s, 30.0), "turns at " + std::to_string(rate) + " Hz");
        expectWithinBar(fly(s, 30.0, [](const TruthState& t) { return std::fabs(t.bank) > 40; }),
                        "only the 45 degree banks");
    }
}

TEST_F(FusionAccuracyTest, WholeCircuitFromTaxiThroughTakeOffAndTurns) {
    expectWithinBar(fly(scenario("circuit", 9), 30.0), "circuit");
}

TEST_F(FusionAccuracyTest, TenSecondsOfGnssLossInATurnStayWithinThreeDegrees) {
    const Errors during = fly(scenario("outage", 2), 30.0, [](const TruthState& t) { return t.gnssOutage; });
    ASSERT_GT(during.count, 900);
    EXPECT_LT(during.worstTilt, 3.0);
    EXPECT_LT(during.worstHeading, 3.0);
    expectWithinBar(fly(scenario("outage", 2), 30.0), "outage flight");
}

TEST_F(FusionAccuracyTest, EveryGyroPropagatedGnssStrategyMeetsTheBarAlone) {
    for (int type : {6, 7, 8})
        expectWithinBar(fly(scenario("turns", 6), 30.0, nullptr, type), "strategy " + std::to_string(type));
}

TEST_F(FusionAccuracyTest, AccelerometerTiltAloneLosesTheHorizonInEveryTurn) {
    // The classic estimate: "down" is where the accelerometer says. In a
    // coordinated turn the specific force stays on the body's up axis, so it
    // reads wings level while the aircraft is banked.
    const std::vector<GeneratedSample> flight = generateFlight(scenario("circuit", 4));
    double worstInTurns[3] = {0, 0, 0};  // 15, 30, 45 degree banks
    for (const GeneratedSample& g : flight) {
        const double bank = std::fabs(g.truth.bank);
        const int turn = bank > 14 && bank < 16 ? 0 : bank > 29 && bank < 31 ? 1 : bank > 44 ? 2 : -1;
        if (turn < 0) continue;
        const double tiltRoll = std::atan2(-g.raw.acc.x, g.raw.acc.y) * 180.0 / M_PI;
        worstInTurns[turn] = std::max(worstInTurns[turn], std::fabs(wrapped(tiltRoll - g.truth.roll)));
    }
    EXPECT_GT(worstInTurns[0], 13.0);
    EXPECT_GT(worstInTurns[1], 25.0);
    EXPECT_GT(worstInTurns[2], 40.0);
}

}  // namespace
