// Runs the built cirrona-diag geo and compares its numbers with the library.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "geo/GeoidGrid.h"
#include "geo/Geodesy.h"
#include "geo/MagneticModel.h"
#include "support/RunTool.h"

namespace {

// Standard output only; the usage text on standard error is not looked at.
ToolRun runGeo(const std::string& arguments) {
    return runTool(builtTool("cirrona-diag"), splitArguments("geo " + arguments));
}

double number(const ToolRun& r) {
    return std::strtod(r.out.c_str(), nullptr);
}

}  // namespace

TEST(DiagGeo, PrintsOneNumberPerFunction) {
    MagneticModel model;
    ASSERT_TRUE(model.parse(wmm2020CoefficientLines()));
    const struct {
        const char* arguments;
        double expected, tolerance;
    } cases[] = {
        {"distance 8.55 47.45 -73.78 40.64", calcDistance2(ChartPosition(8.55, 47.45), ChartPosition(-73.78, 40.64)),
         0.001},
        {"bearing 0 0 -1 0", 270.0, 1e-6},
        {"magvar -123.1 49.2 100 2021.5", model.evaluate(ChartPosition(-123.1, 49.2), 100.0, 2021.5).declination, 1e-4},
        {"undulation 0 90", geoidUndulation(ChartPosition(0, 90)), 0.001},
    };
    for (const auto& c : cases) {
        ToolRun r = runGeo(c.arguments);
        ASSERT_EQ(r.status, 0) << c.arguments;
        EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << c.arguments;  // exactly one line
        EXPECT_NEAR(number(r), c.expected, c.tolerance) << c.arguments;
    }
    EXPECT_EQ(runGeo("magvar -123.1 49.2 100").status, 0);  // the year defaults to now
}

TEST(DiagGeo, BadArgumentsGetUsageAndStatus2) {
    for (const char* arguments : {"", "distance 1 2 3", "distance 1 2 3 4 5", "bearing 1 2 3 x", "magvar 1 2",
                                  "magvar 1 2 3 4 5", "undulation 0 91", "undulation nan 0", "sideways 1 2"}) {
        ToolRun r = runGeo(arguments);
        EXPECT_EQ(r.status, 2) << arguments;
        EXPECT_TRUE(r.out.empty()) << arguments;
    }
}
