#include "gui/logic/HWInputMap.h"

#include <gtest/gtest.h>

TEST(HWInputMap, BindingTextsRoundTripAndMalformedOnesAreRefused) {
    for (const char* text : {"key:34", "button:0:31", "hat:2:27000", "hat:0:0"}) {
        HWBinding b;
        ASSERT_TRUE(parseHWBinding(text, &b)) << text;
        EXPECT_EQ(formatHWBinding(b), text);
    }
    for (const char* text : {"key:0", "key:256", "key:12x", "button:1", "button:0:32", "button:-1:0", "hat:0:4500",
                             "hat:0:36000", "pedal:1", "key", ""}) {
        HWBinding b{HWBinding::HAT, 7, 7};
        EXPECT_FALSE(parseHWBinding(text, &b)) << text;
        EXPECT_EQ(b.joystick, 7) << text;  // untouched
    }
}

TEST(HWInputMap, SectionReplacesListedActionsOnlyAndDropsUnreadableBindings) {
    HWInputMap map = HWInputMap::defaults();
    const HWBinding pageDown{HWBinding::KEY, 0, 0x22};
    ASSERT_EQ(map.getActions(pageDown), std::vector<HWAction>{HWAction::NextPage});
    map.load(IniSection{{"nextPage", "key:65,garbage,button:1:2,key:65"}, {"menu", ""}});
    EXPECT_EQ(map.getBindings(HWAction::NextPage),
              (std::vector<HWBinding>{{HWBinding::KEY, 0, 65}, {HWBinding::BUTTON, 1, 2}}));
    EXPECT_TRUE(map.getActions(pageDown).empty());
    EXPECT_TRUE(map.getBindings(HWAction::Menu).empty());
    EXPECT_EQ(map.getBindings(HWAction::Back), HWInputMap::defaults().getBindings(HWAction::Back));

    // One binding may serve two actions; both fire, in action order.
    map.bind(HWAction::Confirm, HWBinding{HWBinding::KEY, 0, 65});
    EXPECT_EQ(map.getActions(HWBinding{HWBinding::KEY, 0, 65}),
              (std::vector<HWAction>{HWAction::NextPage, HWAction::Confirm}));
}

TEST(HWInputMap, OnlyButtonsAndHatDirectionsThatGoDownArePresses) {
    const JoystickState idle{0, 0xFFFF};
    EXPECT_EQ(getNewPresses(1, idle, JoystickState{0b101, 0xFFFF}),
              (std::vector<HWBinding>{{HWBinding::BUTTON, 1, 0}, {HWBinding::BUTTON, 1, 2}}));
    EXPECT_TRUE(
        getNewPresses(1, JoystickState{0b101, 0xFFFF}, JoystickState{0b001, 0xFFFF}).empty());  // held, released
    EXPECT_EQ(getNewPresses(0, JoystickState{0x80000000u, 0xFFFF}, JoystickState{0x80000001u, 0xFFFF}).size(), 1u);
    // Hat: diagonals snap to the nearest main direction; staying within
    // one direction is no new press, coming back to centre neither.
    const struct {
        uint16_t before, now;
        int pressed;  // -1: none
    } hats[] = {{0xFFFF, 0, 0},       {0xFFFF, 4500, 9000}, {0xFFFF, 31500, 0},  {9000, 4500, -1},
                {9000, 18000, 18000}, {18000, 0xFFFF, -1},  {0xFFFF, 0xFFFF, -1}};
    for (const auto& h : hats) {
        const auto presses = getNewPresses(0, JoystickState{0, h.before}, JoystickState{0, h.now});
        if (h.pressed < 0) {
            EXPECT_TRUE(presses.empty()) << h.before << "->" << h.now;
        } else {
            EXPECT_EQ(presses, (std::vector<HWBinding>{{HWBinding::HAT, 0, h.pressed}})) << h.before << "->" << h.now;
        }
    }
}
