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

// Checks the model against the official rows of the years [fromYear, toYear):
// year, altitude (km), latitude, longitude, then X, Y, Z, H, F (nanotesla),
// inclination and declination (degrees). Returns how many rows it checked.
size_t expectMatchesTestValues(const MagneticModel& model, double fromYear, double toYear) {
    const std::vector<std::string> lines = readLines(WMM_DIR + "wmm_test_values.csv");
    size_t checked = 0;
    for (size_t i = 1; i < lines.size(); ++i) {  // after the column names
        std::istringstream fields(lines[i]);
        std::vector<double> t;
        for (std::string field; std::getline(fields, field, ',');) t.push_back(std::stod(field));
        if (t.size() < 11 || t[0] < fromYear || t[0] >= toYear) continue;
        MagneticFieldElements field = model.evaluate(ChartPosition(t[3], t[2]), t[1] * 1000.0, t[0]);
        const double actual[] = {field.north, field.east, field.down, field.horizontal, field.total,
                                 field.inclination, field.declination};
        for (int k = 0; k < 7; ++k) EXPECT_NEAR(actual[k], t[4 + k], k < 5 ? 1.0 : 0.01) << lines[i] << " #" << k;
        ++checked;
    }
    return checked;
}

MagneticModel compiledInModel() {
    MagneticModel model;
    EXPECT_TRUE(model.parse(wmm2020CoefficientLines()));
    return model;
}

}  // namespace

TEST(MagneticModel, MatchesTheOfficialTestValuesOfWmm2020AndWmm2025) {
    EXPECT_EQ(compiledInModel().getName(), "WMM-2020");
    EXPECT_GE(expectMatchesTestValues(compiledInModel(), 2020.0, 2025.0), 100u);
    MagneticModel model;
    ASSERT_TRUE(model.parse(readLines(WMM_DIR + "WMM2025.COF")));
    EXPECT_EQ(model.getName(), "WMM-2025");
    EXPECT_GE(expectMatchesTestValues(model, 2025.0, 2030.0), 90u);
}

TEST(MagneticModel, RejectsBrokenTables) {
    const std::vector<std::string> good = wmm2020CoefficientLines();
    // Each damage: the line it replaces, and with what ("" removes the line, null the rest).
    const std::pair<size_t, const char*> damages[] = {
        {good.size() - 2, nullptr},                             // no end marker
        {5, ""},                                                // a missing term
        {3, " 13  1   2982.0   -2991.6       -7.1      -30.2"},  // degree out of range
        {0, "WMM-2020"},                                        // header without epoch
    };
    MagneticModel model;
    EXPECT_FALSE(model.parse({}));
    for (const auto& [line, replacement] : damages) {
        std::vector<std::string> lines = good;
        if (!replacement) lines.resize(line);
        else if (!*replacement) lines.erase(lines.begin() + static_cast<long>(line));
        else lines[line] = replacement;
        EXPECT_FALSE(model.parse(lines)) << line;
        EXPECT_FALSE(model.isLoaded()) << line;
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
        EXPECT_TRUE(std::isfinite(field.declination) && std::isfinite(field.east));
        EXPECT_GT(field.total, 50000.0);
    }
    EXPECT_NEAR(model.evaluate(ChartPosition(-100.0, 40.0), 1000.0, 2022.0).declination,
                model.evaluate(ChartPosition(260.0, 40.0), 1000.0, 2022.0).declination, 1e-9);
    // Grid variation: declination against grid north in polar areas only.
    for (const auto& [position, gridOffset] : {std::pair<ChartPosition, double>{{30.0, 80.0}, -30.0},
                                                {{30.0, -80.0}, 30.0}, {{-100.0, 40.0}, 0.0}}) {
        MagneticFieldElements field = model.evaluate(position, 0.0, 2022.0);
        EXPECT_NEAR(field.gridVariation, field.declination + gridOffset, 1e-9) << position.latitude;
    }
}

TEST(MagneticTransform, IsARotationWhoseThirdRowIsTheField) {
    MagneticModel model = compiledInModel();
    for (const ChartPosition& p : {ChartPosition(8.5, 47.4), ChartPosition(151.0, -34.0), ChartPosition(-110.0, 86.0)}) {
        MagneticFieldElements field = model.evaluate(p, 500.0, 2023.0);
        GeoMatrix3 m = magTransformFromField(field);
        for (int i = 0; i < 9; ++i) EXPECT_NEAR(m.getRow(i / 3).dotProduct(m.getRow(i % 3)), i % 4 == 0 ? 1.0 : 0.0, 1e-12);
        // Right-handed like the true frame: east x up = north.
        EXPECT_NEAR(m.getRow(0).crossProduct(m.getRow(1)).dotProduct(m.getRow(2)), 1.0, 1e-12);
        // The field expressed in the magnetic frame points along its third axis.
        Vector3d inMagnetic = m * Vector3d(field.east, -field.down, field.north);
        EXPECT_NEAR(inMagnetic.z, field.total, 1e-6);
        EXPECT_NEAR(inMagnetic.x, 0.0, 1e-6);
        EXPECT_NEAR(units::radiansToDegrees(calcMagneticVariation(m)), field.declination, 1e-9);
    }
    // A vertical field (magnetic pole) still gives a rotation.
    MagneticFieldElements vertical;
    vertical.down = 50000.0;
    EXPECT_NEAR(magTransformFromField(vertical).getRow(0).getLength(), 1.0, 1e-12);
}

TEST(MagneticTransform, SharedModelAtAGivenYearAgreesAcrossConcurrentFirstCalls) {
    const ChartPosition vancouver(-123.1, 49.2);
    std::vector<double> results(4);
    std::vector<std::thread> threads;
    for (double& result : results) {
        threads.emplace_back([&result, &vancouver] {
            bool ok = false;
            result = calcMagneticVariation(createMagTransform(vancouver, 100.0, 2021.5, &ok)) + (ok ? 0.0 : 1000.0);
        });
    }
    for (std::thread& t : threads) t.join();
    const double expected = compiledInModel().evaluate(vancouver, 100.0, 2021.5).declination;
    EXPECT_NEAR(expected, 16.0, 1.0);  // Vancouver's declination in 2021, about 16 degrees east
    for (double r : results) EXPECT_NEAR(units::radiansToDegrees(r), expected, 1e-9);
}

TEST(MagneticTransform, DecimalYearFromUtcClock) {
    EXPECT_DOUBLE_EQ(decimalYearFromUtc(1609459200), 2021.0);                // 2021-01-01 00:00
    EXPECT_DOUBLE_EQ(decimalYearFromUtc(1609459200 - 1), 2020.0 + 365 / 365.0);  // 2020-12-31, day 365 of a leap year
    EXPECT_DOUBLE_EQ(decimalYearFromUtc(1593648000), 2020.0 + 183 / 365.0);  // 2020-07-02
}
