// Inputs the fuzzers once found troublesome (and the seeds they start from)
// stay in the tree and are replayed on every test run.
#include "ElementRecordCheck.h"
#include "ParserInputCheck.h"
#include "support/FuzzReplay.h"

#include <gtest/gtest.h>

TEST(FuzzFinds, KeptInputsPassTheFuzzChecks) {
    const std::pair<const char*, std::string (*)(const uint8_t*, size_t)> folders[] = {
        {"regressions", checkElementRecord},
        {"corpus", checkElementRecord},
        {"parser-regressions", checkParserInput},
        {"parser-corpus", checkParserInput},
    };
    for (const auto& [folder, check] : folders)
        EXPECT_GT(replayFuzzInputs(std::string(CIRRONA_SOURCE_DIR) + "/tests/chart/elements/fuzz/" + folder, check), 0)
            << folder;
}
