// Decoding speed of generated 2 MS/s I/Q, side by side with the share of
// transmitted messages recovered. "x_realtime" is seconds of signal decoded
// per second of one core; "recall" the share of the scenario's messages
// found with the right content at the right time.
#include <benchmark/benchmark.h>

#include "iqgen/DecodeCheck.h"
#include "iqgen/IqRenderer.h"
#include "iqgen/TrafficScenario.h"

namespace {
struct Recording {
    TrafficScenario scenario;
    std::vector<uint8_t> iq;
    double seconds;
};

// The busy sky: 150 aircraft within 150 NM, squitters and replies at their
// usual rates (about 1000 messages a second, so overlaps are common), signal
// strengths spread log-uniformly from barely above the noise to strong.
const Recording& busy() {
    static const Recording recording = [] {
        ScenarioOptions o;
        o.aircraft = 150;
        o.durationSeconds = 4.0;
        o.maxRangeNm = 150;
        o.minAmplitude = 8;  // 6.6 dB over the mean noise magnitude (sigma 3 per component)
        o.maxAmplitude = 120;
        o.noiseSigma = 3.0;
        o.seed = 11;
        Recording r{buildScenario(o), {}, o.durationSeconds};
        RenderOptions render;
        render.durationSeconds = o.durationSeconds;
        render.noiseSigma = o.noiseSigma;
        render.seed = o.seed;
        r.iq = renderIq(r.scenario.transmissions, render);
        return r;
    }();
    return recording;
}

void BM_DecodeBusyScenario(benchmark::State& state) {
    const Recording& r = busy();
    DecodeCheck check;
    for (auto _ : state) {
        const std::vector<DecodedMessage> decoded = demodulateRecording(r.iq);
        benchmark::DoNotOptimize(decoded.data());
        state.PauseTiming();
        check = checkDecoding(r.scenario, decoded);
        state.ResumeTiming();
    }
    state.counters["x_realtime"] =
        benchmark::Counter(r.seconds * double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["recall"] = check.recall();
    state.counters["messages"] = double(check.transmitted);
    state.counters["spurious"] = double(check.spurious);
    state.counters["unknown_aircraft"] = double(check.unknownAddresses.size());
}
BENCHMARK(BM_DecodeBusyScenario)->Unit(benchmark::kMillisecond)->MinTime(3.0);
}  // namespace
