// Parsing and saving a configuration the size of a full panel layout:
// the unnamed section, 311 panel sections and 4000 keys in all.
#include "base/IniFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

IniFile makePanelLayoutConfig() {
    IniFile ini;
    for (int d = 0; d < 23; ++d) ini.set("", "D" + std::to_string(d), "0");
    ini.set("", "font", "Heebo Medium");
    ini.set("", "blacklist", "AMA, PROTECT, FIR, O, DO, OTHER, UIR, E, CTA, AOR, AOR-S, MVA, MVA-S, MRVA, ZONE");
    ini.set("", "PanelCount", "311");
    int keys = static_cast<int>(ini.getSection("").size());
    const char* names[] = {"Page", "Type", "X", "Y", "Width", "Height", "Visible", "Title", "Zoom", "Orientation",
                           "Color.R", "Color.G", "Color.B"};
    for (int p = 0; keys < 4000; p = (p + 1) % 311) {
        const std::string section = "P" + std::to_string(p);
        const std::string key = names[ini.getSection(section).size() % 13];
        const std::string suffix = ini.isAvailable(section, key) ? std::to_string(keys) : "";
        ini.set(section, key + suffix, p % 3 ? "0.4375" : "Moving map with terrain; layer #2");
        ++keys;
    }
    return ini;
}

const IniFile& config() {
    static const IniFile ini = makePanelLayoutConfig();
    return ini;
}

void BM_IniParse(benchmark::State& state) {
    const std::string text = config().toString();
    for (auto _ : state) {
        IniFile ini;
        ini.setFromString(text);
        benchmark::DoNotOptimize(ini);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_IniParse)->Unit(benchmark::kMicrosecond);

void BM_IniReadFile(benchmark::State& state) {
    const std::string path = "/tmp/bench_ini_read_" + std::to_string(getpid()) + ".ini";
    config().save(path);
    for (auto _ : state) {
        IniFile ini(path);
        benchmark::DoNotOptimize(ini);
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_IniReadFile)->Unit(benchmark::kMicrosecond);

void BM_IniToString(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(config().toString());
}
BENCHMARK(BM_IniToString)->Unit(benchmark::kMicrosecond);

// A full save: text, temporary file, fsync, rename, directory sync. The
// directory decides what the sync costs: /dev/shm is memory, /tmp whatever
// disk the machine has.
void BM_IniSave(benchmark::State& state, const char* directory) {
    const std::string path = std::string(directory) + "/bench_ini_save_" + std::to_string(getpid()) + ".ini";
    for (auto _ : state) {
        if (!config().save(path)) {
            state.SkipWithError("save failed");
            break;
        }
    }
    std::remove(path.c_str());
}
BENCHMARK_CAPTURE(BM_IniSave, tmpfs, "/dev/shm")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_IniSave, disk, "/tmp")->Unit(benchmark::kMicrosecond);

}  // namespace
