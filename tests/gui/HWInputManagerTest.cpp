#include "gui/HWInputManager.h"

#include <gtest/gtest.h>

#include "base/IniFile.h"
#include "support/TempDir.h"

using namespace irr;

namespace {
struct Recorder : IHWInputListener {
    std::vector<HWAction> actions;
    void OnHWInputAction(HWAction action) override { actions.push_back(action); }
};

SEvent keyEvent(EKEY_CODE key, bool pressed) {
    SEvent e{};
    e.EventType = EET_KEY_INPUT_EVENT;
    e.KeyInput.Key = key;
    e.KeyInput.PressedDown = pressed;
    return e;
}

class HWInput : public ::testing::Test {
protected:
    HWInputManager make(gui::IGUIEnvironment* environment = nullptr) {
        return HWInputManager(
            home / "hwinput.ini",
            [this](int index, SEvent::SJoystickEvent& state) {
                if (index >= static_cast<int>(sticks.size())) return false;
                state = sticks[index];
                return true;
            },
            environment);
    }
    void stick(int index, u32 buttons, u16 hat) {
        sticks.resize(std::max<size_t>(sticks.size(), index + 1));
        sticks[index].ButtonStates = buttons;
        sticks[index].POV = hat;
    }
    TempDir home;
    std::vector<SEvent::SJoystickEvent> sticks;
    Recorder recorder;
};
}  // namespace

TEST_F(HWInput, JoystickPressesActOnceAndButtonsHeldAtStartDoNot) {
    stick(0, 0b1, 0xFFFF);  // button 0 held while starting
    HWInputManager manager = make();
    manager.setListener(&recorder);
    manager.update();
    stick(0, 0b1001, 0xFFFF);  // button 3: confirm
    manager.update();
    manager.update();
    stick(0, 0b0000, 0);  // all released, hat up: zoom in
    manager.update();
    stick(0, 0b0001, 0);       // button 0 pressed anew
    stick(1, 0b0100, 0xFFFF);  // a second joystick appears holding button 2 (no binding for joystick 1)
    manager.update();
    EXPECT_EQ(recorder.actions, (std::vector<HWAction>{HWAction::Confirm, HWAction::ZoomIn, HWAction::NextPage}));
}

TEST_F(HWInput, BoundKeysActOnPressUnlessAnEditBoxHasTheFocus) {
    SIrrlichtCreationParameters p;
    p.DriverType = video::EDT_NULL;
    p.LoggingLevel = ELL_NONE;
    IrrlichtDevice* device = createDeviceEx(p);
    ASSERT_NE(device, nullptr);
    gui::IGUIEnvironment* environment = device->getGUIEnvironment();
    HWInputManager manager = make(environment);
    EXPECT_FALSE(manager.processEvent(keyEvent(KEY_NEXT, true)));  // no listener yet: the key stays free
    manager.setListener(&recorder);
    EXPECT_TRUE(manager.processEvent(keyEvent(KEY_NEXT, true)));
    EXPECT_FALSE(manager.processEvent(keyEvent(KEY_NEXT, false)));
    EXPECT_FALSE(manager.processEvent(keyEvent(KEY_KEY_Q, true)));
    EXPECT_TRUE(manager.processEvent(keyEvent(KEY_ESCAPE, true)));
    environment->setFocus(environment->addEditBox(L"", core::rect<s32>(0, 0, 100, 20)));
    EXPECT_FALSE(manager.processEvent(keyEvent(KEY_NEXT, true)));
    EXPECT_EQ(recorder.actions, (std::vector<HWAction>{HWAction::NextPage, HWAction::Back}));
    device->drop();
}

TEST_F(HWInput, BindingsAndTheSensorChoiceSurviveARestart) {
    {
        HWInputManager manager = make();
        EXPECT_FALSE(manager.shouldAutoSelectPreviousSensors());
        HWInputMap map = manager.getMap();
        map.bind(HWAction::Menu, HWBinding{HWBinding::KEY, 0, KEY_F1});
        manager.setMap(map);
        manager.setAutoSelectPreviousSensors(true);
    }
    EXPECT_EQ(IniFile(home / "hwinput.ini").get("actions", "menu"), "key:77,button:0:2,key:112");
    HWInputManager restarted = make();
    restarted.setListener(&recorder);
    EXPECT_TRUE(restarted.shouldAutoSelectPreviousSensors());
    EXPECT_TRUE(restarted.processEvent(keyEvent(KEY_F1, true)));
    EXPECT_EQ(recorder.actions, std::vector<HWAction>{HWAction::Menu});
}
