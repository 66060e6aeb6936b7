#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "base/Units.h"
#include "geo/MagneticModel.h"
#include "support/TempDir.h"

namespace {

const std::string WMM_DIR = std::string(CIRRONA_SOURCE_DIR) + "/tests/geo/data/wmm/";

std::vector<std::string> readLines(const std::string& path) {
    std::vector<std::string> lines;
    std::istringstream in(readWholeFile(path));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

struct TestValue {
    double year, altitudeKm, latitude, longitude;
    double x, y, z, h, f, inclination, declination;
};

std::vector<TestValue> readTestValues(double fromYear, double toYear) {
    std::vector<TestValue> values;
    const std::vector<std::string> lines = readLines(WMM_DIR + "wmm_test_values.csv");
    for (size_t i = 1; i < lines.size(); ++i) {  // after the column names
        std::istringstream fields(lines[i]);
        std::vector<double> v;
        for (std::string field; std::getline(fields, field, ',');) v.push_back(std::stod(field));
        if (v.size() < 11 || v[0] < fromYear || v[0] >= toYear) continue;
        values.push_back({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10]});
    }
    return values;
}

void expectMatchesTestValues(const MagneticModel& model, const std::vector<TestValue>& values) {
    for (const TestValue& t : values) {
        MagneticFieldElements field =
            model.evaluate(ChartPosition(t.longitude, t.latitude), t.altitudeKm * 1000.0, t.year);
        std::string where = std::to_string(t.year) + " " + std::to_string(t.latitude) + " " +
                            std::to_string(t.longitude) + " " + std::to_string(t.altitudeKm) + " km";
        // Field components in nanotesla, angles in degrees.
        const double actual[] = {field.north, field.east, field.down, field.horizontal, field.total,
                                 field.inclination, field.declination};
        const double expected[] = {t.x, t.y, t.z, t.h, t.f, t.inclination, t.declination};
        for (int i = 0; i < 7; ++i) EXPECT_NEAR(actual[i], expected[i], i < 5 ? 1.0 : 0.01) << where << " #" << i;
    }
}

MagneticModel compiledInModel() {
    MagneticModel model;
    EXPECT_TRUE(model.parse(wmm2020CoefficientLines()));
    return model;
}

}  // namespace

TEST(MagneticModel, MatchesTheOfficialTestValuesOfWmm2020AndWmm2025) {
    std::vector<TestValue> values = readTestValues(2020.0, 2025.0);
    ASSERT_GE(values.size(), 100u);
    expectMatchesTestValues(compiledInModel(), values);

    MagneticModel model;
    ASSERT_TRUE(model.parse(readLines(WMM_DIR + "WMM2025.COF")));
    EXPECT_EQ(model.getName(), "WMM-2025");
    values = readTestValues(2025.0, 2030.0);
    ASSERT_GE(values.size(), 90u);
    expectMatchesTestValues(model, values);
}

TEST(MagneticModel, CompiledInTableEqualsThePublishedFile) {
    EXPECT_EQ(wmm2020CoefficientLines(), readLines(WMM_DIR + "WMM2020.COF"));
    MagneticModel model = compiledInModel();
    EXPECT_EQ(model.getName(), "WMM-2020");
    EXPECT_EQ(model.getEpoch(), 2020.0);
}

TEST(MagneticModel, RejectsBrokenTables) {
    const std::vector<std::string> good = wmm2020CoefficientLines();
    // Each damage: from a line, how many lines go, and what takes their place.
    struct Damage {
        size_t line, removed;
        const char* replacement;
    };
    const Damage damages[] = {
        {good.size() - 2, 2, nullptr},                                     // no end marker
        {5, 1, nullptr},                                                   // a missing term
        {3, 1, "  2  1  not numbers"},
        {3, 1, " 13  1   2982.0   -2991.6       -7.1      -30.2"},          // degree out of range
        {0, 1, "WMM-2020"},                                                // header without epoch
    };
    MagneticModel model;
    EXPECT_FALSE(model.parse({}));
    for (const Damage& d : damages) {
        std::vector<std::string> lines = good;
        auto first = lines.erase(lines.begin() + static_cast<long>(d.line),
                                 lines.begin() + static_cast<long>(d.line + d.removed));
        if (d.replacement) lines.insert(first, d.replacement);
        EXPECT_FALSE(model.parse(lines)) << d.line;
        EXPECT_FALSE(model.isLoaded()) << d.line;
    }
    // An unusable model evaluates to nothing rather than to garbage.
    EXPECT_EQ(model.evaluate(ChartPosition(0, 0), 0, 2021).total, 0.0);

    // Blank lines are harmless.
    std::vector<std::string> blanks = good;
    blanks.insert(blanks.begin() + 10, "   ");
    EXPECT_TRUE(model.parse(blanks));
}

TEST(MagneticModel, PolesAndLongitudeNotationsAreHandled) {
    MagneticModel model = compiledInModel();
    for (double latitude : {90.0, -90.0}) {
        MagneticFieldElements field = model.evaluate(ChartPosition(0.0, latitude), 0.0, 2022.0);
        EXPECT_TRUE(std::isfinite(field.declination));
        EXPECT_TRUE(std::isfinite(field.east));
        EXPECT_GT(field.total, 50000.0);
    }
    MagneticFieldElements a = model.evaluate(ChartPosition(-100.0, 40.0), 1000.0, 2022.0);
    MagneticFieldElements b = model.evaluate(ChartPosition(260.0, 40.0), 1000.0, 2022.0);
    EXPECT_NEAR(a.declination, b.declination, 1e-9);
    EXPECT_NEAR(a.total, b.total, 1e-6);
    // Grid variation: declination against grid north in polar areas only.
    const std::pair<ChartPosition, double> offsets[] = {
        {{30.0, 80.0}, -30.0}, {{30.0, -80.0}, 30.0}, {{-100.0, 40.0}, 0.0}};
    for (const auto& [position, gridOffset] : offsets) {
        MagneticFieldElements field = model.evaluate(position, 0.0, 2022.0);
        EXPECT_NEAR(field.gridVariation, field.declination + gridOffset, 1e-9) << position.latitude;
    }
}

TEST(MagneticTransform, IsARotationWhoseThirdRowIsTheField) {
    MagneticModel model = compiledInModel();
    for (const ChartPosition& p : {ChartPosition(8.5, 47.4), ChartPosition(-122.3, 47.6), ChartPosition(151.0, -34.0),
                                   ChartPosition(-110.0, 86.0)}) {
        MagneticFieldElements field = model.evaluate(p, 500.0, 2023.0);
        GeoMatrix3 m = magTransformFromField(field);
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                EXPECT_NEAR(m.getRow(i).dotProduct(m.getRow(j)), i == j ? 1.0 : 0.0, 1e-12);
            }
        }
        // Right-handed like the true frame: east x up = north.
        Vector3d z = m.getRow(0).crossProduct(m.getRow(1));
        EXPECT_NEAR(z.dotProduct(m.getRow(2)), 1.0, 1e-12);
        // The field expressed in the magnetic frame points along its third axis.
        Vector3d inMagnetic = m * Vector3d(field.east, -field.down, field.north);
        EXPECT_NEAR(inMagnetic.z, field.total, 1e-6);
        EXPECT_NEAR(inMagnetic.x, 0.0, 1e-6);
        EXPECT_NEAR(units::radiansToDegrees(calcMagneticVariation(m)), field.declination, 1e-9);
    }
    // A vertical field (magnetic pole) still gives a rotation.
    MagneticFieldElements vertical;
    vertical.down = 50000.0;
    GeoMatrix3 m = magTransformFromField(vertical);
    EXPECT_NEAR(m.getRow(0).getLength(), 1.0, 1e-12);
    EXPECT_NEAR(m.getRow(1).getLength(), 1.0, 1e-12);
}

TEST(MagneticTransform, SharedModelAtAGivenYearAgreesAcrossConcurrentFirstCalls) {
    const ChartPosition vancouver(-123.1, 49.2);
    std::vector<double> results(4);
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i) {
        threads.emplace_back([&results, &vancouver, i] {
            bool ok = false;
            results[i] = calcMagneticVariation(createMagTransform(vancouver, 100.0, 2021.5, &ok));
            if (!ok) results[i] = -1000.0;
        });
    }
    for (std::thread& t : threads) t.join();
    const double expected = compiledInModel().evaluate(vancouver, 100.0, 2021.5).declination;
    EXPECT_NEAR(expected, 16.0, 1.0);  // Vancouver's declination in 2021, about 16 degrees east
    for (double r : results) EXPECT_NEAR(units::radiansToDegrees(r), expected, 1e-9);
    // The clock-based form uses the same model.
    bool ok = false;
    EXPECT_NEAR(units::radiansToDegrees(calcMagneticVariation(createMagTransform(vancouver, 100.0, &ok))), expected, 2.0);
    EXPECT_TRUE(ok);
}

TEST(MagneticTransform, DecimalYearFromUtcClock) {
    EXPECT_DOUBLE_EQ(decimalYearFromUtc(1609459200), 2021.0);                // 2021-01-01 00:00
    EXPECT_DOUBLE_EQ(decimalYearFromUtc(1609459200 - 1), 2020.0 + 365 / 365.0);  // 2020-12-31, day 365 of a leap year
    EXPECT_DOUBLE_EQ(decimalYearFromUtc(1593648000), 2020.0 + 183 / 365.0);  // 2020-07-02
}
