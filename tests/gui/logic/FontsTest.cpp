#include <gtest/gtest.h>

#include <fstream>

#include "gui/logic/FontResolver.h"
#include "gui/logic/TextFit.h"
#include "support/TempDir.h"

TEST(FontResolver, OwnFolderFirstThenInstalledFontsThenRobotoMediumWithALogLine) {
    TempDir own;
    std::ofstream(own / "Heebo Medium.ttf") << "x";
    EXPECT_EQ(resolveFont("Heebo Medium", own.path()).path, own / "Heebo Medium.ttf");

    // Installed: a family with its style, a family alone (its regular face).
    EXPECT_NE(findInstalledFont("Roboto Medium").find("Roboto-Medium."), std::string::npos);
    EXPECT_NE(findInstalledFont("Roboto").find("Roboto-Regular."), std::string::npos);
    EXPECT_EQ(findInstalledFont("Roboto Nonexistent"), "");

    TempDir empty;
    testing::internal::CaptureStderr();
    const ResolvedFont missing = resolveFont("Heebo Medium", empty.path());
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(missing.fellBack);
    EXPECT_EQ(missing.name, "Roboto Medium");
    EXPECT_NE(missing.path.find("Roboto-Medium."), std::string::npos);
    EXPECT_NE(log.find("font Heebo Medium not installed, using Roboto Medium"), std::string::npos);
}

TEST(TextFit, ElisionKeepsTheLongestStartThatFitsWithItsEllipsis) {
    const auto width = [](const std::wstring& s) { return static_cast<int>(s.size()) * 10; };  // 10 px a character
    EXPECT_EQ(elideText(L"Altimeter", 90, width), L"Altimeter");
    EXPECT_EQ(elideText(L"Altimeter", 89, width), L"Altimet\u2026");
    EXPECT_EQ(elideText(L"Altimeter", 20, width), L"A\u2026");
    EXPECT_EQ(elideText(L"Altimeter", 5, width), L"\u2026");
}

TEST(TextFit, LargestFittingSizeFindsTheLastSizeThatFits) {
    for (unsigned limit : {8u, 9u, 31u, 72u}) {
        EXPECT_EQ(largestFittingSize(8, 72, [&](unsigned s) { return s <= limit; }), limit);
    }
    EXPECT_EQ(largestFittingSize(8, 72, [](unsigned) { return false; }), 8u);
}
