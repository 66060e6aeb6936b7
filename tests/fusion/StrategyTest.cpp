#include <gtest/gtest.h>

#include <set>

#include "fusion/estimation/GPSAccHighVelNoBlur_RotationEstimation.h"
#include "fusion/estimation/RotationEstimationRegistry.h"
#include "fusion/estimation/StrategySelector.h"
#include "fusion/FusionSettings.h"

namespace {

void expectMatrix(const Matrix3x3& expected, const Matrix3x3& actual) {
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(expected.m[r][c], actual.m[r][c], 1e-9) << r << "," << c;
}

struct Type3Case {
    Vector3d bodyAcc, earthAcc;
    double track;
    Matrix3x3 expected;
};

TEST(GpsAccNoBlurTest, MatchesHandComputedMatrices) {
    const double c30 = std::sqrt(3.0) / 2.0, g = 9.81;
    const Type3Case cases[] = {
        // Level, track east: a quarter turn about the vertical.
        {{0, -g, 0}, {0, g, 0}, 90.0, Matrix3x3(0, 0, 1, 0, 1, 0, -1, 0, 0)},
        // Coordinated 30 degree right turn heading north: the earth sees g
        // tan 30 towards the east, the body only more g along its up axis.
        {{0, -g / c30, 0}, {g * std::tan(M_PI / 6), g, 0}, 0.0, Matrix3x3(c30, 0.5, 0, -0.5, c30, 0, 0, 0, 1)},
        // Nose 30 degrees up (the body sees the specific force tilted towards its nose),
        // flying north without acceleration.
        {{0, -g * c30, -g * 0.5}, {0, g, 0}, 0.0, Matrix3x3(1, 0, 0, 0, c30, 0.5, 0, -0.5, c30)},
    };
    for (const Type3Case& t : cases) {
        GPSAccHighVelNoBlur_RotationEstimation s;
        s.setBluredAcc_rel(&t.bodyAcc, 0);
        s.setAverageAcc_abs(&t.earthAcc, 1, 0);
        s.setAverageGroundtrack(&t.track, 1, 0);
        s.setGPSFilterResult(GPS_Filter::HOLDING);
        Matrix3x3 out;
        EXPECT_TRUE(s.calculateRotationMatrix(out));
        expectMatrix(t.expected, out);
    }
}

TEST(GpsAccNoBlurTest, RefusesWithoutGnssAVerticalOrABodyReading) {
    GPSAccHighVelNoBlur_RotationEstimation s;
    Matrix3x3 out;
    EXPECT_FALSE(s.calculateRotationMatrix(out)) << "a GPS filter result of 2 (the default) is not usable";
    s.setGPSFilterResult(GPS_Filter::NEW_ACCEPTED);
    EXPECT_TRUE(s.calculateRotationMatrix(out));
    const Vector3d horizontal(9.81, 0.01, 0), tiny(0, -0.1, 0), edgeOn(0, 0, -9.81);
    s.setAverageAcc_abs(&horizontal, 1, 0);
    EXPECT_FALSE(s.calculateRotationMatrix(out)) << "|a_e.y| below 0.02";
    const Vector3d up(0, 9.81, 0);
    s.setAverageAcc_abs(&up, 1, 0);
    s.setBluredAcc_rel(&tiny, 0);
    EXPECT_FALSE(s.calculateRotationMatrix(out)) << "|a_b| below 0.2";
    s.setBluredAcc_rel(&edgeOn, 0);
    EXPECT_FALSE(s.calculateRotationMatrix(out)) << "body up without a vertical component";
    s.setBluredAcc_rel(nullptr, 0);
    EXPECT_FALSE(s.calculateRotationMatrix(out));
}

TEST(RotationEstimationRegistryTest, EachSlotHoldsItsOwnTypeUnderADistinctName) {
    const auto factories = createRotationEstimationFactories();
    ASSERT_EQ(size_t(rotation_type::kCount), factories.size());
    std::set<std::string> names;
    for (size_t i = 0; i < factories.size(); ++i) {
        if (!factories[i]) continue;
        EXPECT_EQ(int(i), factories[i]->getType());
        EXPECT_TRUE(names.insert(factories[i]->getName()).second) << factories[i]->getName();
    }
    Matrix3x3 out(2, 0, 0, 0, 2, 0, 0, 0, 2);
    std::unique_ptr<IRotationEstimation> unit(factories[rotation_type::kUnitMatrix]->Create());
    EXPECT_TRUE(unit->calculateRotationMatrix(out));
    EXPECT_EQ(Matrix3x3(), out);
}

TEST(StrategySelectorTest, ModesPickTheirStrategyAndFallBackInOrder) {
    const Vector3d full(1, 1, 1), weak(0.4, 0.2, 0.4);
    const std::vector<StrategyCandidate> all = {{3, {0.6, 0.6, 0.6}}, {4, full}, {8, full}, {10, {0, 0, 0}}};
    EXPECT_EQ(4, StrategySelector::choose(FusionSettings::DELTA_ROTATIONS, all));
    EXPECT_EQ(8, StrategySelector::choose(FusionSettings::PARTICLE_LIKE, all));
    EXPECT_EQ(3, StrategySelector::choose(FusionSettings::DELTA_ROTATIONS, {{3, full}, {10, full}}));
    EXPECT_EQ(10, StrategySelector::choose(FusionSettings::PARTICLE_LIKE, {{10, full}}));
    EXPECT_EQ(-1, StrategySelector::choose(FusionSettings::AUTOMATIC, {}));
    // Automatic: the most reliable, the preferred one on a tie.
    EXPECT_EQ(4, StrategySelector::choose(FusionSettings::AUTOMATIC, all));
    EXPECT_EQ(3, StrategySelector::choose(FusionSettings::AUTOMATIC, {{3, {0.6, 0.6, 0.6}}, {4, weak}}));
    EXPECT_EQ(3, StrategySelector::choose(FusionSettings::AUTOMATIC, all, 3)) << "forced";
    EXPECT_EQ(-1, StrategySelector::choose(FusionSettings::AUTOMATIC, all, 7)) << "forced but not usable";
}

TEST(FusionSettingsTest, ModeFromThePresetsNumberOrTheEditorsText) {
    const std::pair<const char*, int> modes[] = {
        {"0", 0}, {"1", 1}, {"automatic", 2}, {"Particle-like filter", 1}, {"nonsense", 0}};
    for (const auto& [text, mode] : modes)
        EXPECT_EQ(mode, FusionSettings::fromIni({{"lmodeSelected", text}}).lmodeSelected) << text;
    const FusionSettings s = FusionSettings::fromIni({{"AccSigma", "0.5"}, {"UseGPSFilter", "0"}, {"timeout", ""}});
    EXPECT_DOUBLE_EQ(0.5, s.accSigma);
    EXPECT_FALSE(s.useGPSFilter);
    EXPECT_EQ(2000, s.timeoutMs) << "an empty value keeps the default";
}

}  // namespace
