#include "gui/HWInputManager.h"

#include <gtest/gtest.h>

#include "base/IniFile.h"
#include "support/GuiWindow.h"
#include "support/TempDir.h"

using namespace irr;

namespace {
// The joysticks' states as the event receiver would keep them; records the
// actions it is told of.
class HWInput : public GuiWindow, public IHWInputListener {
protected:
    void OnHWInputAction(HWAction action) override { actions.push_back(action); }
    HWInputManager make(gui::IGUIEnvironment* environment = nullptr) {
        return HWInputManager(
            home / "hwinput.ini",
            [this](int i, SEvent::SJoystickEvent& state) {
                return i < int(sticks.size()) && (state = sticks[i], true);
            },
            environment);
    }
    void stick(size_t index, u32 buttons, u16 hat) {
        sticks.resize(std::max(sticks.size(), index + 1));
        sticks[index].ButtonStates = buttons;
        sticks[index].POV = hat;
    }
    static bool key(HWInputManager& manager, EKEY_CODE code, bool pressed = true) {
        SEvent e{};
        e.EventType = EET_KEY_INPUT_EVENT;
        e.KeyInput.Key = code;
        e.KeyInput.PressedDown = pressed;
        return manager.processEvent(e);
    }
    TempDir home;
    std::vector<SEvent::SJoystickEvent> sticks;
    std::vector<HWAction> actions;
};
}  // namespace

TEST_F(HWInput, JoystickPressesActOnceAndButtonsHeldAtStartDoNot) {
    stick(0, 0b1, 0xFFFF);  // button 0 held while starting
    HWInputManager manager = make();
    manager.setListener(this);
    manager.update();
    stick(0, 0b1001, 0xFFFF);  // button 3: confirm
    manager.update();
    manager.update();
    stick(0, 0b0000, 0);  // all released, hat up: zoom in
    manager.update();
    stick(0, 0b0001, 0);       // button 0 pressed anew
    stick(1, 0b0100, 0xFFFF);  // a second joystick appears holding button 2 (no binding for joystick 1)
    manager.update();
    EXPECT_EQ(actions, (std::vector<HWAction>{HWAction::Confirm, HWAction::ZoomIn, HWAction::NextPage}));
}

TEST_F(HWInput, BoundKeysActOnPressUnlessAnEditBoxHasTheFocus) {
    gui::IGUIEnvironment* environment = device->getGUIEnvironment();
    HWInputManager manager = make(environment);
    EXPECT_FALSE(key(manager, KEY_NEXT));  // no listener yet: the key stays free
    manager.setListener(this);
    EXPECT_TRUE(key(manager, KEY_NEXT));
    EXPECT_FALSE(key(manager, KEY_NEXT, false));
    EXPECT_FALSE(key(manager, KEY_KEY_Q));
    EXPECT_TRUE(key(manager, KEY_ESCAPE));
    environment->setFocus(environment->addEditBox(L"", core::rect<s32>(0, 0, 100, 20)));
    EXPECT_FALSE(key(manager, KEY_NEXT));
    EXPECT_EQ(actions, (std::vector<HWAction>{HWAction::NextPage, HWAction::Back}));
}

TEST_F(HWInput, BindingsAndTheSensorChoiceSurviveARestart) {
    {
        HWInputManager manager = make();
        EXPECT_TRUE(manager.shouldAutoSelectPreviousSensors());
        HWInputMap map = manager.getMap();
        map.bind(HWAction::Menu, HWBinding{HWBinding::KEY, 0, KEY_F1});
        manager.setMap(map);
        manager.setAutoSelectPreviousSensors(false);
    }
    EXPECT_EQ(IniFile(home / "hwinput.ini").get("actions", "menu"), "key:77,button:0:2,key:112");
    HWInputManager restarted = make();
    restarted.setListener(this);
    EXPECT_FALSE(restarted.shouldAutoSelectPreviousSensors());
    EXPECT_TRUE(key(restarted, KEY_F1));
    EXPECT_EQ(actions, std::vector<HWAction>{HWAction::Menu});
}
