// Runs the built cirrona-diag geo and compares its numbers with the library.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>

#include "chart/GeoidGrid.h"
#include "chart/Geodesy.h"
#include "chart/MagneticModel.h"

namespace {

const std::string DIAG = std::string(CIRRONA_BINARY_DIR) + "/tools/diag/cirrona-diag";

struct DiagResult {
    int status = -1;
    std::string out;
};

// Standard output only; the usage text on standard error is discarded.
DiagResult runGeo(const std::string& arguments) {
    DiagResult result;
    std::string command = "'" + DIAG + "' geo " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[256];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) result.out.append(buffer, n);
    int raw = pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return result;
}

double number(const DiagResult& r) {
    return std::strtod(r.out.c_str(), nullptr);
}

class DiagGeo : public ::testing::Test {
protected:
    void SetUp() override {
        struct stat info;
        if (stat(DIAG.c_str(), &info) != 0) GTEST_SKIP() << "cirrona-diag is not built at " << DIAG;
    }
};

}  // namespace

TEST_F(DiagGeo, PrintsOneNumberPerFunction) {
    DiagResult d = runGeo("distance 8.55 47.45 -73.78 40.64");
    ASSERT_EQ(d.status, 0);
    EXPECT_EQ(d.out.find('\n'), d.out.size() - 1);  // exactly one line
    EXPECT_NEAR(number(d), calcDistance2(ChartPosition(8.55, 47.45), ChartPosition(-73.78, 40.64)), 0.001);

    DiagResult b = runGeo("bearing 0 0 -1 0");
    ASSERT_EQ(b.status, 0);
    EXPECT_NEAR(number(b), 270.0, 1e-6);

    DiagResult m = runGeo("magvar -123.1 49.2 100 2021.5");
    ASSERT_EQ(m.status, 0);
    MagneticModel model;
    ASSERT_TRUE(model.parse(wmm2020CoefficientLines()));
    EXPECT_NEAR(number(m), model.evaluate(ChartPosition(-123.1, 49.2), 100.0, 2021.5).declination, 1e-4);
    EXPECT_EQ(runGeo("magvar -123.1 49.2 100").status, 0);

    DiagResult u = runGeo("undulation 0 90");
    ASSERT_EQ(u.status, 0);
    EXPECT_NEAR(number(u), geoidUndulation(ChartPosition(0, 90)), 0.001);
}

TEST_F(DiagGeo, BadArgumentsGetUsageAndStatus2) {
    for (const char* arguments : {"", "distance 1 2 3", "distance 1 2 3 4 5", "bearing 1 2 3 x", "magvar 1 2",
                                  "magvar 1 2 3 4 5", "undulation 0 91", "undulation nan 0", "sideways 1 2"}) {
        DiagResult r = runGeo(arguments);
        EXPECT_EQ(r.status, 2) << arguments;
        EXPECT_TRUE(r.out.empty()) << arguments;
    }
}
