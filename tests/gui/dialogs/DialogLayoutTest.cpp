#include "gui/dialogs/DialogLayout.h"
#include "gui/dialogs/ReplayLayout.h"

#include <gtest/gtest.h>

#include "app/WindowGeometry.h"

namespace {
DialogMetrics metricsFor(int w, int h) {
    const ScreenDependentParams p = calcScreenDependentParams(w, h);
    return {w, h, p.buttonWidth, p.buttonHeight};
}
bool inside(const Box& window, const Box& inner) { return Box{0, 0, window.width(), window.height()}.contains(inner); }
}  // namespace

TEST(DialogLayout, ButtonDialogAt800x480IsExact) {
    // Buttons 78 x 31, margin 7, dialog six buttons (468) wide; height:
    // title 20, gap, text 40, gap, buttons 31, gap = 112, centred.
    const ButtonDialogLayout l = layOutButtonDialog(metricsFor(800, 480), 20, 40, 2, 30);
    EXPECT_FALSE(l.stacked);
    EXPECT_EQ(l.window, (Box{166, 184, 634, 296}));
    EXPECT_EQ(l.text, (Box{7, 27, 461, 67}));
    EXPECT_EQ(l.buttons, (std::vector<Box>{{7, 74, 230, 105}, {237, 74, 460, 105}}));
}

TEST(DialogLayout, EveryDialogFitsEveryScreenAndOrientation) {
    for (auto [w, h] : {std::pair{800, 480}, {480, 800}, {1920, 1080}, {1080, 1920}}) {
        const DialogMetrics m = metricsFor(w, h);
        const Box screen{0, 0, w, h};
        for (int count : {1, 3, 8}) {
            // Long labels or many buttons stack; the text gives way, never the buttons.
            const ButtonDialogLayout wide = layOutButtonDialog(m, 20, 2 * h, count, w);
            EXPECT_EQ(wide.stacked, count > 1);
            EXPECT_TRUE(screen.contains(wide.window));
            for (const Box& b : wide.buttons)
                EXPECT_TRUE(inside(wide.window, b) && b.height() == m.buttonHeight && b.top >= wide.text.bottom);

            const FormLayout f = layOutForm(m, 20, 2 * count + 1, 3);
            EXPECT_TRUE(screen.contains(f.window));
            for (size_t i = 0; i < f.fields.size(); ++i) {
                EXPECT_TRUE(inside(f.window, f.fields[i]) && f.fields[i].height() >= m.buttonHeight / 2);
                // Landscape: label beside its field; portrait: above it.
                EXPECT_TRUE(m.isPortrait() ? f.labels[i].bottom <= f.fields[i].top
                                           : f.labels[i].right < f.fields[i].left);
                EXPECT_GE(f.labels[i].top, i > 0 ? f.fields[i - 1].bottom : 0);
            }
            EXPECT_TRUE(f.fields.back().bottom <= f.status.top && f.status.bottom <= f.buttons[0].top);
        }
        const MasterDetailLayout d = layOutMasterDetail(m, 20, 2);
        EXPECT_TRUE(m.isPortrait() ? d.list.bottom <= d.icon.top : d.list.right <= d.icon.left);
        EXPECT_TRUE(inside(d.window, d.description) && d.description.bottom <= d.buttons[0].top);
    }
}

TEST(DialogLayout, PromptAndReplayDialogsKeepTheirControlsFingerSized) {
    // 800 x 200: too low for a long prompt, which then gives way.
    for (auto [w, h] : {std::pair{800, 480}, {480, 800}, {800, 200}}) {
        const DialogMetrics m = metricsFor(w, h);
        const PromptLayout p = layOutPromptDialog(m, 20, 3 * h, 2, 40);
        EXPECT_TRUE(Box({0, 0, w, h}).contains(p.window));
        EXPECT_TRUE(p.prompt.bottom <= p.field.top && p.field.bottom <= p.status.top);
        EXPECT_TRUE(inside(p.window, p.field) && p.field.height() == m.buttonHeight);
        EXPECT_LE(p.status.bottom, p.buttons[0].top);

        const ReplayLayout r = layOutReplayDialog(m, 20);
        std::vector<Box> controls = r.transport;
        controls.insert(controls.end(), r.speeds.begin(), r.speeds.end());
        controls.push_back(r.seekBar);
        for (const Box& b : controls) EXPECT_TRUE(inside(r.window, b) && b.height() == m.buttonHeight);
        EXPECT_TRUE(r.list.bottom <= r.status.top && r.status.bottom <= r.seekBar.top);
        EXPECT_TRUE(r.position.right <= r.seekBar.left && r.seekBar.bottom <= r.transport[0].top);
        EXPECT_LE(r.transport[0].bottom, r.speeds[0].top);
    }
}
