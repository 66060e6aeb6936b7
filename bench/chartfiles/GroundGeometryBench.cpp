#include "ChartCompiler.h"
#include "ground/GeoJSONReader.h"
#include "ground/GshhgReader.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

const GeoRegion kSalishSea{47.5, -126.5, 50.5, -121.0};

// The demo chart's coastlines, lakes, rivers and border (about 9600 points)
// from the repository's GeoJSON extract, from memory.
void BM_ReadSalishSeaGeoJSON(benchmark::State& state) {
    std::ifstream file(std::string(CIRRONA_SOURCE_DIR) + "/data/coastlines/salish-sea-gshhg-h.geojson");
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    for (auto _ : state) {
        std::istringstream in(text);
        ParsedElements elements;
        ParseError error;
        if (!readGeoJSON(in, "salish-sea", elements, error)) state.SkipWithError(error.message.c_str());
        benchmark::DoNotOptimize(elements.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadSalishSeaGeoJSON)->Unit(benchmark::kMillisecond);

// The same region from Debian's binned GSHHG files (all three layers).
void BM_ReadSalishSeaGshhg(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<GshhgLine> lines;
        std::string error;
        if (!GshhgReader("/usr/share/gmt-gshhg", 'h').read(kSalishSea, lines, error))
            state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_ReadSalishSeaGshhg)->Unit(benchmark::kMillisecond);

// The whole run of chartc on the extract: reading, placing every line in
// the area tree's leaves and writing the sub-chart.
void BM_CompileSalishSeaGeoJSON(benchmark::State& state) {
    char folder[] = "/tmp/cirrona_bench_XXXXXX";
    if (!mkdtemp(folder)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    ChartCompilerOptions options;
    options.vendor = "Bench";
    options.outFolder = std::string(folder) + "/ChartData";
    options.inputs = {std::string(CIRRONA_SOURCE_DIR) + "/data/coastlines/salish-sea-gshhg-h.geojson"};
    options.quiet = true;
    for (auto _ : state) {
        std::ostringstream messages;
        if (ChartCompiler(options, messages).run() != 0) state.SkipWithError(messages.str().c_str());
    }
    removeRecursively(folder);
}
BENCHMARK(BM_CompileSalishSeaGeoJSON)->Unit(benchmark::kMillisecond);

}  // namespace
