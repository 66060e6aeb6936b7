#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "chart/elements/IChartElement.h"
#include "chart/elements/StaticData.h"
#include "map/rules/StaticRenderFilter.h"

namespace {

constexpr size_t kElementCount = 4 * 1024 * 1024;

// Static bytes in the proportions of a European chart's leaves: mostly
// ground geometry, obstacles and points of interest, then airspaces,
// waypoints and airports, a few navaids, airways and marks.
std::vector<char> makeLeafBytes() {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    const IChartElement::Type mix[] = {IChartElement::GROUNDGEOMETRY,
                                       IChartElement::GROUNDGEOMETRY,
                                       IChartElement::GROUNDGEOMETRY,
                                       IChartElement::GROUNDGEOMETRY,
                                       IChartElement::GROUNDGEOMETRY,
                                       IChartElement::GROUNDGEOMETRY,
                                       IChartElement::OBSTRUCTION,
                                       IChartElement::OBSTRUCTION,
                                       IChartElement::OBSTRUCTION,
                                       IChartElement::POI,
                                       IChartElement::POI,
                                       IChartElement::AIRSPACE,
                                       IChartElement::AIRSPACE,
                                       IChartElement::WAYPOINT,
                                       IChartElement::WAYPOINT,
                                       IChartElement::AIRPORT,
                                       IChartElement::NDB,
                                       IChartElement::VOR,
                                       IChartElement::AIRWAY,
                                       IChartElement::MARK};
    std::uniform_int_distribution<size_t> kind(0, sizeof(mix) / sizeof(mix[0]) - 1);
    std::vector<char> bytes(kElementCount * 3);
    for (size_t i = 0; i < kElementCount; ++i) {
        char* s = &bytes[i * 3];
        const IChartElement::Type type = mix[kind(random)];
        s[0] = static_cast<char>(type);
        s[1] = static_cast<char>(byte(random));
        s[2] = static_cast<char>(byte(random));
        if (type == IChartElement::OBSTRUCTION)  // 0 ... 2000 ft tops
            setStaticWord(s, encodeStaticAltitude16(byte(random) * 2.4));
        else if (type == IChartElement::AIRSPACE)
            setStaticWord(
                s, static_cast<uint16_t>(encodeStaticAltitude12(byte(random) * 20.0) | (byte(random) % 15) << 12));
        else if (type == IChartElement::GROUNDGEOMETRY) s[2] = static_cast<char>((s[2] & 0xE0) | byte(random) % 21);
        else if (type == IChartElement::POI) s[1] = static_cast<char>(byte(random) % 25);
    }
    return bytes;
}

// The whole leaf list once per iteration at the scale of the argument
// (thousandths of M): an airport view, a regional view and a country view.
void BM_isPotentiallyRenderable(benchmark::State& state) {
    static const std::vector<char> bytes = makeLeafBytes();
    MapRenderFacts facts;
    facts.scale = state.range(0) / 1000.0;
    facts.visibleAreaSquareMetres = facts.scale * 1.2e10;
    facts.ownAltitudeFeet = 2500.0;
    facts.procedureTargets = {17, 4711, 100000};
    facts.flightPlanAirports = {42, 4242};
    facts.irrelevantAirspaceClasses = 0x01FE;
    const StaticRenderFilter filter(facts);
    for (auto _ : state) {
        int drawn = 0;
        for (size_t i = 0; i < kElementCount; ++i)
            drawn += filter.isPotentiallyRenderable(static_cast<int32_t>(i), &bytes[i * 3]);
        benchmark::DoNotOptimize(drawn);
    }
    state.SetItemsProcessed(state.iterations() * kElementCount);
}
BENCHMARK(BM_isPotentiallyRenderable)->Arg(50)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

// Building the tables, done once per render.
void BM_StaticRenderFilterSetUp(benchmark::State& state) {
    MapRenderFacts facts;
    facts.scale = 0.5;
    facts.visibleAreaSquareMetres = 6e9;
    facts.ownAltitudeFeet = 2500.0;
    for (auto _ : state) {
        facts.ownAltitudeFeet += 1.0;
        StaticRenderFilter filter(facts);
        benchmark::DoNotOptimize(&filter);
    }
}
BENCHMARK(BM_StaticRenderFilterSetUp)->Unit(benchmark::kMicrosecond);

}  // namespace
