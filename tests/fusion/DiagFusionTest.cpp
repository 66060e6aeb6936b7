#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "FlightScenarios.h"
#include "fusion/sources/RawCsv.h"
#include "support/RunTool.h"
#include "support/TempDir.h"

namespace {

TEST(DiagFusionTest, TenLinesPerSecondOfInputAlsoThroughAGnssOutage) {
    // The outage flight, cut short: 90 s with GNSS lost from 70 to 80 s.
    FlightScenario s;
    ASSERT_TRUE(makeScenario("outage", s));
    TempDir dir;
    {
        std::ofstream csv(dir / "flight.csv");
        csv << raw_csv::kHeader << "\n";
        for (const GeneratedSample& g : generateFlight(s))
            if (g.raw.time < 90) csv << raw_csv::formatRow(g.raw) << "\n";
    }
    const ToolRun run = runTool(builtTool("cirrona-diag"), {"fusion", dir / "flight.csv", "--strategy", "auto"});
    ASSERT_EQ(0, run.status) << run.err;
    int lines = 0, inOutage = 0;
    double lastT = -1, worstGap = 0;
    for (size_t at = 0, end; (end = run.out.find('\n', at)) != std::string::npos; at = end + 1) {
        const std::string line = run.out.substr(at, end - at);
        double t = 0, roll = 0, pitch = 0, heading = 0;
        ASSERT_EQ(4, std::sscanf(line.c_str(), "{\"t\":%lf,\"roll\":%lf,\"pitch\":%lf,\"heading\":%lf", &t, &roll,
                                 &pitch, &heading))
            << line;
        ASSERT_NE(std::string::npos, line.find("\"strategy\":")) << line;
        ASSERT_NE(std::string::npos, line.find("\"warning\":")) << line;
        EXPECT_GE(heading, 0.0);
        EXPECT_LT(heading, 360.0);
        if (lastT >= 0) worstGap = std::max(worstGap, t - lastT);
        if (t >= 70 && t < 80) ++inOutage;
        lastT = t, ++lines;
    }
    EXPECT_GE(lines, 895);
    EXPECT_LE(worstGap, 0.1 + 1e-6);
    EXPECT_GE(inOutage, 99);

    EXPECT_EQ(2, runTool(builtTool("cirrona-diag"), {"fusion", dir / "flight.csv", "--strategy", "12"}).status);
    EXPECT_EQ(1, runTool(builtTool("cirrona-diag"), {"fusion", dir / "missing.csv"}).status);
}

}  // namespace
