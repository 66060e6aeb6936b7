#pragma once
#include <irrlicht.h>

#include <vector>

#include "gui/logic/Keyboard.h"

class Drawer2D;
class IniFile;
class WipeInput;

// On-screen input for touch screens. While an edit box has the focus and the
// keyboard is switched on in the settings, a keyboard covers the bottom of
// the screen; a tap on a key types into the focused element as a real key
// would, and the keyboard goes when the focus leaves the edit box.
//
// Install it as a sub-receiver of the event receiver: it must see taps
// before the GUI does (a tap on a key is no click on what lies below).
class InputSystem : public irr::IEventReceiver {
public:
    // changeTexture (may be null) is drawn on the keys that switch keyboards.
    InputSystem(irr::IrrlichtDevice* device, Drawer2D* drawer, std::vector<KeyboardDefinition> keyboards,
                irr::video::ITexture* changeTexture, WipeInput* wipe);

    // onScreenKeyboard (1 or 0) and the key colour inputColor.R/.G/.B/.A from
    // the unnamed section.
    void loadInputSettingsFromIni(const IniFile& ini);

    bool OnEvent(const irr::SEvent& event) override;
    void render();

    bool isKeyboardVisible() const;
    // The index of the keyboard shown in getKeyboardDefinitions().
    size_t getCurrentKeyboard() const { return current; }
    std::vector<KeyboardDefinition>& getKeyboardDefinitions() { return keyboards; }
    // Where the keys of the current keyboard lie on this screen.
    KeyboardLayout getLayout() const;

private:
    void press(const KeyDefinition& key);
    // A held backspace key deletes on, as on a physical keyboard.
    void repeatHeldKey(const KeyboardLayout& layout);
    void sendKey(irr::EKEY_CODE code, wchar_t character);

    irr::IrrlichtDevice* device;
    Drawer2D* drawer;
    std::vector<KeyboardDefinition> keyboards;
    irr::video::ITexture* changeTexture;
    WipeInput* wipe;
    bool enabled = false;
    irr::video::SColor keyColour{255, 200, 200, 200};
    size_t current = 0;    // index of the keyboard shown
    bool shifted = false;  // the next letter in upper case
    int pressedKey = -1;   // index in the layout while a finger is down on a key
    irr::u32 nextRepeatMs = 0;
    bool repeated = false;  // the held key acted already; its release does not
    bool hidden = false;   // the HIDE key was used while this element had the focus
    irr::gui::IGUIElement* hiddenFor = nullptr;
};
