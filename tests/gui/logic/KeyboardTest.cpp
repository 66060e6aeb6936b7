#include "gui/logic/Keyboard.h"

#include <gtest/gtest.h>

TEST(Keyboard, KeysTileTheBottomOfEveryScreenWithoutGapsOrOverlaps) {
    const struct {
        int width, height;
        double aspect;
        int expectedTop;
    } screens[] = {{800, 480, 2.0, 480 - 4 * 40},      // landscape: keys 80 wide, 40 high
                   {480, 800, 1.0, 800 - 4 * 48},      // portrait: square keys
                   {1920, 1080, 2.0, 1080 - 4 * 96},   //
                   {1080, 1920, 1.0, 1920 - 4 * 108},  //
                   {800, 100, 2.0, 100 - 4 * 12}};     // a flat window: never more than half of it
    for (const KeyboardDefinition& keyboard : getStandardKeyboards()) {
        for (const auto& s : screens) {
            KeyboardDefinition k = keyboard;
            k.keyAspect = s.aspect;
            const KeyboardLayout layout = layoutKeyboard(k, s.width, s.height);
            const std::string where = k.name + " " + std::to_string(s.width) + "x" + std::to_string(s.height);
            EXPECT_EQ(layout.top, s.expectedTop) << where;
            ASSERT_FALSE(layout.keys.empty());
            int widest = 0;
            EXPECT_EQ(layout.keys.back().bottom, s.height) << where;
            for (size_t i = 0; i < layout.keys.size(); ++i) {
                const KeyArea& key = layout.keys[i];
                const bool rowStart = i == 0 || layout.keys[i - 1].row != key.row;
                // Rows are centred, the widest fills the screen; each key
                // starts where the last one ended.
                if (rowStart) {
                    size_t end = i;
                    while (end + 1 < layout.keys.size() && layout.keys[end + 1].row == key.row) ++end;
                    EXPECT_NEAR(key.left, s.width - layout.keys[end].right, 1) << where << " row " << key.row;
                    widest = std::max(widest, layout.keys[end].right - key.left);
                } else {
                    EXPECT_EQ(key.left, layout.keys[i - 1].right) << where;
                }
                EXPECT_GT(key.right, key.left);
                // Hit testing finds the key at its corners and centre.
                EXPECT_EQ(findKeyAt(layout, key.left, key.top), int(i)) << where;
                EXPECT_EQ(findKeyAt(layout, key.right - 1, key.bottom - 1), int(i)) << where;
                EXPECT_EQ(findKeyAt(layout, (key.left + key.right) / 2, (key.top + key.bottom) / 2), int(i)) << where;
            }
            EXPECT_EQ(widest, s.width) << where;
            EXPECT_EQ(findKeyAt(layout, s.width / 2, layout.top - 1), -1) << where;
            EXPECT_EQ(findKeyAt(layout, s.width, s.height - 1), -1) << where;
        }
    }
}

TEST(Keyboard, NoRowsOrNoScreenGiveNoKeys) {
    EXPECT_TRUE(layoutKeyboard(KeyboardDefinition{}, 800, 480).keys.empty());
    EXPECT_TRUE(layoutKeyboard(getStandardKeyboards()[0], 0, 0).keys.empty());
}
