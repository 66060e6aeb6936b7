#include "chart/files/Trie.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

// About as many names as the world data: identifiers of two to five letters
// and longer place names.
const Trie& worldSizedTrie() {
    static Trie trie;
    static bool built = false;
    if (!built) {
        std::mt19937 random(3);
        std::uniform_int_distribution<int> letter('A', 'Z'), length(2, 5), longLength(5, 14);
        for (int32_t identifier = 0; identifier < 1500000; identifier++) {
            int characters = identifier % 3 == 0 ? longLength(random) : length(random);
            std::string name;
            for (int i = 0; i < characters; i++)
                name.push_back(static_cast<char>(letter(random)));
            trie.insert(name, identifier);
        }
        built = true;
    }
    return trie;
}

const char* const PREFIXES[] = {"KSE", "CYV", "EDD", "LFP", "QZX", "ABC", "MMM", "ZZZ"};

void BM_GetMatching3LetterPrefix(benchmark::State& state) {
    const Trie& trie = worldSizedTrie();
    uint32_t maximum = static_cast<uint32_t>(state.range(0));
    size_t next = 0;
    for (auto _ : state) {
        auto matching = trie.getMatching(PREFIXES[next], maximum);
        next = (next + 1) % (sizeof(PREFIXES) / sizeof(PREFIXES[0]));
        benchmark::DoNotOptimize(matching.data());
    }
}
// 50 is below the typical subtree of a 3-letter prefix (exact matches only),
// 500 above it (every completion is listed).
BENCHMARK(BM_GetMatching3LetterPrefix)->Arg(50)->Arg(500)->Unit(benchmark::kMicrosecond);

}  // namespace
