// Replays the inputs kept from fuzzing the GDL90 parser and decoders, with
// the same checks the fuzz target makes.
#include "fuzz/GDL90FuzzChecks.h"
#include "support/FuzzReplay.h"

#include <gtest/gtest.h>

TEST(GDL90FuzzRegression, KeptInputsPassTheFuzzChecks) {
    testing::internal::CaptureStderr();  // the parser reports every bad checksum
    const int replayed = replayFuzzInputs(std::string(CIRRONA_SOURCE_DIR) + "/tests/sensors/gdl90/fuzz/regressions/",
                                          gdl90fuzz::checkStream);
    testing::internal::GetCapturedStderr();
    EXPECT_GT(replayed, 0);
}
