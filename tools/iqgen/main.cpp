// iqgen: writes a recording of simulated Mode S traffic (unsigned 8-bit I/Q
// at 2 MS/s, as rtl_sdr writes it) and, optionally, one JSON line per
// transmitted message: what a decoder should find.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "iqgen/IqRenderer.h"
#include "iqgen/TrafficScenario.h"
#include "sdr/ModeSMessage.h"

namespace {
int usage() {
    std::fprintf(stderr,
                 "usage: iqgen --out FILE [--truth FILE] [--aircraft N] [--seconds S] [--noise SIGMA]\n"
                 "             [--min-amplitude A] [--max-amplitude A] [--seed N] [--no-overlaps]\n");
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    ScenarioOptions options;
    std::string out, truth;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--no-overlaps") {
            options.avoidOverlaps = true;
        } else if (!hasValue) {
            return usage();
        } else if (arg == "--out") {
            out = argv[++i];
        } else if (arg == "--truth") {
            truth = argv[++i];
        } else if (arg == "--aircraft") {
            options.aircraft = std::atoi(argv[++i]);
        } else if (arg == "--seconds") {
            options.durationSeconds = std::atof(argv[++i]);
        } else if (arg == "--noise") {
            options.noiseSigma = std::atof(argv[++i]);
        } else if (arg == "--min-amplitude") {
            options.minAmplitude = std::atof(argv[++i]);
        } else if (arg == "--max-amplitude") {
            options.maxAmplitude = std::atof(argv[++i]);
        } else if (arg == "--seed") {
            options.seed = uint32_t(std::atoi(argv[++i]));
        } else {
            return usage();
        }
    }
    if (out.empty() || options.aircraft < 0 || options.durationSeconds <= 0) return usage();

    const TrafficScenario scenario = buildScenario(options);
    RenderOptions render;
    render.durationSeconds = options.durationSeconds;
    render.noiseSigma = options.noiseSigma;
    render.seed = options.seed;
    const std::vector<uint8_t> iq = renderIq(scenario.transmissions, render);
    std::FILE* f = std::fopen(out.c_str(), "wb");
    if (!f || std::fwrite(iq.data(), 1, iq.size(), f) != iq.size()) {
        std::fprintf(stderr, "iqgen: cannot write %s\n", out.c_str());
        return 1;
    }
    std::fclose(f);
    if (!truth.empty()) {
        std::FILE* t = std::fopen(truth.c_str(), "w");
        if (!t) {
            std::fprintf(stderr, "iqgen: cannot write %s\n", truth.c_str());
            return 1;
        }
        for (const Transmission& tx : scenario.transmissions) {
            const ModesMessage mm = decodeModesMessage(tx.frame.data(), false, false);
            std::fprintf(t, "{\"t\":%.7f,\"hex\":\"%s\",\"icao\":\"%06X\",\"amplitude\":%.1f}\n", tx.startSeconds,
                         modesHex(mm).c_str(), mm.address, tx.amplitude);
        }
        std::fclose(t);
    }
    std::fprintf(stderr, "iqgen: %zu aircraft, %zu messages, %.1f s\n", scenario.aircraft.size(),
                 scenario.transmissions.size(), options.durationSeconds);
    return 0;
}
