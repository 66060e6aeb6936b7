// Types into an edit box by mouse taps on the on-screen keyboard, as a
// finger on a touch screen would, and looks at the keyboard on screen.
#include "gui/InputSystem.h"

#include "support/Eventually.h"
#include "support/GuiWindow.h"
#include "base/IniFile.h"
#include "gui/Drawer2D.h"
#include "gui/WipeInput.h"

using namespace irr;

namespace {
class KeyboardWindow : public GuiWindow {
protected:
    // Presses (and, unless held, releases) the first key of the keyboard
    // shown that is `which`; returns where it is.
    KeyArea tap(InputSystem& input, const std::function<bool(const KeyDefinition&)>& which, bool hold = false) {
        const KeyboardDefinition& keyboard = input.getKeyboardDefinitions()[input.getCurrentKeyboard()];
        for (const KeyArea& a : input.getLayout().keys) {
            if (!which(keyboard.rows[a.row][a.column])) continue;
            mouse(EMIE_LMOUSE_PRESSED_DOWN, (a.left + a.right) / 2, (a.top + a.bottom) / 2);
            if (!hold) mouse(EMIE_LMOUSE_LEFT_UP, (a.left + a.right) / 2, (a.top + a.bottom) / 2);
            return a;
        }
        ADD_FAILURE() << "no such key";
        return KeyArea{};
    }
    static std::function<bool(const KeyDefinition&)> is(wchar_t c) {
        return [c](const KeyDefinition& k) { return k.action == KeyDefinition::CHARACTER && k.character == c; };
    }
    static std::function<bool(const KeyDefinition&)> is(KeyDefinition::Action action) {
        return [action](const KeyDefinition& k) { return k.action == action; };
    }
    void mouse(EMOUSE_INPUT_EVENT kind, s32 x, s32 y) {
        SEvent e{};
        e.EventType = EET_MOUSE_INPUT_EVENT;
        e.MouseInput.Event = kind;
        e.MouseInput.X = x;
        e.MouseInput.Y = y;
        device->postEventFromUser(e);  // through the device: the input system sees it before the GUI
    }
};
}  // namespace

TEST_F(KeyboardWindow, TapsOnKeysTypeIntoTheFocusedEditBoxAndTheKeyboardLeavesWithTheFocus) {
    gui::IGUIEnvironment* environment = device->getGUIEnvironment();
    Drawer2D drawer(device);
    WipeInput wipe(video::SColor(255, 255, 255, 255), 10);
    InputSystem input(device, &drawer, getStandardKeyboards(), nullptr, &wipe);
    IniFile settings;
    settings.setFromString("onScreenKeyboard = 1\ninputColor.R = 0\ninputColor.G = 0\ninputColor.B = 250\n");
    input.loadInputSettingsFromIni(settings);
    device->setEventReceiver(&input);
    gui::IGUIEditBox* box = environment->addEditBox(L"", core::rect<s32>(10, 10, 300, 40));
    EXPECT_FALSE(input.isKeyboardVisible());
    environment->setFocus(box);
    ASSERT_TRUE(input.isKeyboardVisible());

    for (auto key : {is(KeyDefinition::SHIFT), is(L'h'), is(L'i'), is(KeyDefinition::CHANGE), is(L'1'), is(L'2'),
                     is(L'3'), is(KeyDefinition::BACKSPACE)})
        tap(input, key);
    EXPECT_STREQ(box->getText(), L"Hi12");
    // Held, backspace deletes on after a moment, and not once more when let go.
    const KeyArea backspace = tap(input, is(KeyDefinition::BACKSPACE), true);
    EXPECT_TRUE(eventually([&] {
        input.render();  // one deletion at the most per frame
        return std::wstring(box->getText()) == L"Hi";
    }));
    mouse(EMIE_LMOUSE_LEFT_UP, backspace.left + 1, backspace.top + 1);
    EXPECT_STREQ(box->getText(), L"Hi");
    EXPECT_EQ(environment->getFocus(), box);  // taps on keys are no clicks outside the box

    // A key face in the configured colour at the bottom, nothing above.
    const KeyArea key = input.getLayout().keys.front();
    auto drawn = [&](s32 x, s32 y) {
        video::IImage* image = render([&] {
            environment->drawAll();
            input.render();
        });
        const video::SColor pixel = image->getPixel(x, y);
        image->drop();
        return pixel;
    };
    EXPECT_TRUE(near(drawn(key.left + 3, key.top + 3), video::SColor(255, 0, 0, 250)));
    // A drag over the keys leaves the white trace until the finger lifts.
    mouse(EMIE_LMOUSE_PRESSED_DOWN, 100, 440);
    mouse(EMIE_MOUSE_MOVED, 700, 440);
    EXPECT_TRUE(near(drawn(400, 440), video::SColor(255, 255, 255, 255)));
    mouse(EMIE_LMOUSE_LEFT_UP, 700, 440);

    environment->removeFocus(box);
    EXPECT_FALSE(input.isKeyboardVisible());
    EXPECT_TRUE(near(drawn(key.left + 3, key.top + 3), video::SColor(255, 0, 0, 0)));
    device->setEventReceiver(nullptr);
}
