// flightgen: renders a synthetic flight to the raw CSV the fusion reads.
//   flightgen [SCENARIO] [--seed N] [--gnss-rate HZ] [--truth FILE]
// The raw CSV goes to standard output; --truth writes t,roll,pitch,heading.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FlightScenarios.h"
#include "fusion/sources/RawCsv.h"

namespace {
int usage() {
    std::fprintf(stderr, "usage: flightgen [");
    for (const std::string& name : scenarioNames()) std::fprintf(stderr, "%s|", name.c_str());
    std::fprintf(stderr, "] [--seed N] [--gnss-rate HZ] [--truth FILE]\n");
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    std::string name = "circuit", truthPath;
    uint32_t seed = 1;
    double gnssRate = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--seed" && hasValue) {
            seed = uint32_t(std::strtoul(argv[++i], nullptr, 10));
        } else if (arg == "--gnss-rate" && hasValue) {
            gnssRate = std::atof(argv[++i]);
            if (gnssRate < 1 || gnssRate > 5) return usage();
        } else if (arg == "--truth" && hasValue) {
            truthPath = argv[++i];
        } else if (arg[0] != '-') {
            name = arg;
        } else {
            return usage();
        }
    }
    FlightScenario scenario;
    if (!makeScenario(name, scenario)) return usage();
    scenario.seed = seed;
    if (gnssRate > 0) scenario.sensors.gnssRate = gnssRate;
    const std::vector<GeneratedSample> flight = generateFlight(scenario);
    FILE* truth = truthPath.empty() ? nullptr : std::fopen(truthPath.c_str(), "w");
    if (!truthPath.empty() && !truth) {
        std::perror(truthPath.c_str());
        return 1;
    }
    std::printf("%s\n", raw_csv::kHeader);
    if (truth) std::fprintf(truth, "t,roll,pitch,heading\n");
    for (const GeneratedSample& g : flight) {
        std::printf("%s\n", raw_csv::formatRow(g.raw).c_str());
        if (truth)
            std::fprintf(truth, "%.3f,%.3f,%.3f,%.3f\n", g.truth.time, g.truth.roll, g.truth.pitch, g.truth.heading);
    }
    if (truth) std::fclose(truth);
    return 0;
}
