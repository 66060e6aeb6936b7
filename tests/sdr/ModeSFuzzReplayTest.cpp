#include <gtest/gtest.h>

#include "fuzz/ModeSFuzzChecks.h"
#include "support/FuzzReplay.h"

TEST(ModeSFuzzReplay, KeptInputsDecodeSafely) {
    EXPECT_GT(replayFuzzInputs(CIRRONA_SOURCE_DIR "/tests/sdr/fuzz/regressions", checkModeSInput), 1);
}
