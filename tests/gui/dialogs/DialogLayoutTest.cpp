#include "gui/dialogs/DialogLayout.h"

#include <gtest/gtest.h>

#include "app/WindowGeometry.h"

namespace {
DialogMetrics metricsFor(int w, int h) {
    const ScreenDependentParams p = calcScreenDependentParams(w, h);
    return {w, h, p.buttonWidth, p.buttonHeight};
}

const int kScreens[][2] = {{800, 480}, {480, 800}, {1920, 1080}, {1080, 1920}};

void expectInside(const Box& window, const Box& inner, const char* what) {
    EXPECT_TRUE((Box{0, 0, window.width(), window.height()}).contains(inner))
        << what << " " << inner.left << "," << inner.top << "-" << inner.right << "," << inner.bottom;
}
}  // namespace

TEST(DialogLayout, ButtonDialogAt800x480IsExact) {
    // 800 x 480: buttons 78 x 31, margin 7, dialog 6 buttons = 468 wide.
    const ButtonDialogLayout l = layOutButtonDialog(metricsFor(800, 480), 20, 40, 2, 30);
    EXPECT_FALSE(l.stacked);
    // Height: title 20, gap, text 40, gap, buttons 31, gap = 112, centred.
    EXPECT_EQ(l.window, (Box{166, 184, 634, 296}));
    EXPECT_EQ(l.text, (Box{7, 27, 461, 67}));
    ASSERT_EQ(l.buttons.size(), 2u);
    EXPECT_EQ(l.buttons[0], (Box{7, 74, 230, 105}));
    EXPECT_EQ(l.buttons[1], (Box{237, 74, 460, 105}));
}

TEST(DialogLayout, ButtonsStackWhenLabelsOrCountDoNotFitAndEverythingStaysOnScreen) {
    for (const auto& s : kScreens) {
        const DialogMetrics m = metricsFor(s[0], s[1]);
        for (int count : {1, 3, 8}) {
            const ButtonDialogLayout wide = layOutButtonDialog(m, 20, 60, count, m.screenWidth);
            EXPECT_EQ(wide.stacked, count > 1);
            const ButtonDialogLayout narrow = layOutButtonDialog(m, 20, 60, count, 10);
            EXPECT_FALSE(narrow.stacked && count <= 3) << s[0] << "x" << s[1];
            for (const ButtonDialogLayout* l : {&wide, &narrow}) {
                EXPECT_TRUE((Box{0, 0, s[0], s[1]}).contains(l->window));
                for (const Box& b : l->buttons) {
                    expectInside(l->window, b, "button");
                    EXPECT_GE(b.height(), m.buttonHeight);
                    EXPECT_GE(b.top, l->text.bottom);
                }
            }
        }
    }
    // Many stacked choices on a small screen: the text gives way, never the buttons.
    const DialogMetrics small = metricsFor(800, 480);
    const ButtonDialogLayout crowded = layOutButtonDialog(small, 20, 400, 8, 800);
    EXPECT_EQ(crowded.window.height(), 480 - 2 * small.margin());
    EXPECT_EQ(crowded.buttons.back().bottom, crowded.window.height() - small.margin());
}

TEST(DialogLayout, FormRowsSideBySideInLandscapeStackedInPortraitAndShrunkWhenCrowded) {
    const DialogMetrics land = metricsFor(1920, 1080);
    const FormLayout l = layOutForm(land, 30, 5, 2);
    ASSERT_EQ(l.fields.size(), 5u);
    EXPECT_EQ(l.labels[0].top, l.fields[0].top);
    EXPECT_LT(l.labels[0].right, l.fields[0].left);
    EXPECT_EQ(l.fields[0].height(), land.buttonHeight);

    const DialogMetrics portrait = metricsFor(480, 800);
    const FormLayout p = layOutForm(portrait, 20, 5, 2);
    EXPECT_LE(p.labels[0].bottom, p.fields[0].top);
    EXPECT_EQ(p.labels[0].left, p.fields[0].left);

    for (const auto& s : kScreens) {
        const DialogMetrics m = metricsFor(s[0], s[1]);
        for (int rows : {1, 6, 14}) {
            const FormLayout f = layOutForm(m, 20, rows, 3);
            EXPECT_TRUE((Box{0, 0, s[0], s[1]}).contains(f.window));
            for (int i = 0; i < rows; ++i) {
                expectInside(f.window, f.fields[i], "field");
                EXPECT_GE(f.fields[i].height(), m.buttonHeight / 2);
                if (i > 0) {
                    EXPECT_GE(f.labels[i].top, f.fields[i - 1].bottom);
                }
            }
            EXPECT_LE(f.fields.back().bottom, f.status.top) << s[0] << "x" << s[1] << " rows " << rows;
            EXPECT_LE(f.status.bottom, f.buttons[0].top);
        }
    }
}

TEST(DialogLayout, MasterDetailPutsDetailsBesideTheListInLandscapeAndBelowInPortrait) {
    const MasterDetailLayout land = layOutMasterDetail(metricsFor(800, 480), 20, 3);
    EXPECT_LE(land.list.right, land.icon.left);
    EXPECT_LE(land.icon.bottom, land.description.top);
    const MasterDetailLayout portrait = layOutMasterDetail(metricsFor(480, 800), 20, 3);
    EXPECT_LE(portrait.list.bottom, portrait.icon.top);
    EXPECT_LE(portrait.icon.right, portrait.description.left);
    for (const MasterDetailLayout* l : {&land, &portrait}) {
        EXPECT_EQ(l->icon.width(), l->icon.height());
        for (const Box& b : l->buttons) EXPECT_GE(b.top, l->description.bottom);
    }
}

TEST(DialogLayout, DesignBoxesScaleToTheScreenAndScrolledRowsHideWhatDoesNotFit) {
    EXPECT_EQ(scaleDesignBox({40, 20, 760, 60}, 800, 480, 1920, 1080), (Box{96, 45, 1824, 135}));
    EXPECT_EQ(scaleDesignBox({1, 1, 799, 479}, 800, 480, 800, 480), (Box{1, 1, 799, 479}));

    const Box area{10, 100, 210, 205};
    EXPECT_EQ(visibleRowCount(area, 30), 3);
    const std::vector<Box> rows = layOutScrolledRows(area, 30, 6, 2);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_TRUE(rows[0].empty() && rows[1].empty() && rows[5].empty());
    EXPECT_EQ(rows[2], (Box{10, 100, 210, 130}));
    EXPECT_EQ(rows[4], (Box{10, 160, 210, 190}));
}
