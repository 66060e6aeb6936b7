// Types into an edit box by mouse taps on the on-screen keyboard, as a
// finger on a touch screen would, and looks at the keyboard on screen.
#include "gui/InputSystem.h"

#include "GuiWindow.h"
#include "base/IniFile.h"
#include "gui/Drawer2D.h"
#include "gui/WipeInput.h"

using namespace irr;

namespace {
class KeyboardWindow : public GuiWindow {
protected:
    void tap(InputSystem& input, wchar_t character, KeyDefinition::Action action = KeyDefinition::CHARACTER) {
        const KeyboardLayout layout = input.getLayout();
        const KeyboardDefinition& keyboard = input.getKeyboardDefinitions()[current];
        for (const KeyArea& a : layout.keys) {
            const KeyDefinition& key = keyboard.rows[a.row][a.column];
            if (key.action != action || (action == KeyDefinition::CHARACTER && key.character != character)) continue;
            mouse(EMIE_LMOUSE_PRESSED_DOWN, (a.left + a.right) / 2, (a.top + a.bottom) / 2);
            mouse(EMIE_LMOUSE_LEFT_UP, (a.left + a.right) / 2, (a.top + a.bottom) / 2);
            if (action == KeyDefinition::CHANGE) current = (current + 1) % input.getKeyboardDefinitions().size();
            return;
        }
        ADD_FAILURE() << "no key " << int(character);
    }
    void mouse(EMOUSE_INPUT_EVENT kind, s32 x, s32 y) {
        SEvent e{};
        e.EventType = EET_MOUSE_INPUT_EVENT;
        e.MouseInput.Event = kind;
        e.MouseInput.X = x;
        e.MouseInput.Y = y;
        e.MouseInput.ButtonStates = kind == EMIE_LMOUSE_PRESSED_DOWN ? EMBSM_LEFT : 0;
        device->postEventFromUser(e);  // through the device: the input system sees it before the GUI
    }
    size_t current = 0;
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

    tap(input, 0, KeyDefinition::SHIFT);
    tap(input, L'h');
    tap(input, L'i');
    tap(input, 0, KeyDefinition::CHANGE);
    tap(input, L'1');
    tap(input, L'2');
    tap(input, 0, KeyDefinition::BACKSPACE);
    EXPECT_STREQ(box->getText(), L"Hi1");
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
    box->remove();
}
