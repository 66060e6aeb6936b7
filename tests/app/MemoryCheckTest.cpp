#include "app/MemoryCheck.h"

#include <gtest/gtest.h>

TEST(MemoryCheck, ThresholdIs999DecimalMegabytes) {
    EXPECT_EQ(getMemoryErrorMessage(998000000),
              L"Error: Not enough memory (998MB RAM) installed.\nAt least 999MB RAM are required to run "
              L"\"Cirrona - Your Portable Glass Cockpit\".");
    EXPECT_EQ(getMemoryErrorMessage(998999999).substr(0, 30), L"Error: Not enough memory (998M");
    EXPECT_EQ(getMemoryErrorMessage(999000000), L"");
    EXPECT_EQ(getMemoryErrorMessage(64ull << 30), L"");
    EXPECT_EQ(getMemoryErrorMessage(262144).substr(0, 28), L"Error: Not enough memory (0M");
}
