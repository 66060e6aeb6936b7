#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "base/IniFile.h"

// What keys and joystick buttons do in the cockpit, where a pilot with
// gloves on a knee-board display may have no usable touch screen: each
// action has any number of bindings, edited by the user and kept in an INI
// file of its own.
// DayNight switches the whole screen between the day and the night style.
enum class HWAction { NextPage, PreviousPage, ZoomIn, ZoomOut, Menu, Confirm, Back, DayNight };
constexpr int kHWActionCount = 8;

// The action's key in the INI file ("nextPage", "zoomIn", ...).
const char* getHWActionName(HWAction action);

struct HWBinding {
    enum Kind { KEY, BUTTON, HAT };
    Kind kind = KEY;
    int joystick = 0;  // BUTTON and HAT
    int code = 0;      // key code, button number, or hat direction in hundredths of a degree (0 up, 9000 right)
    bool operator==(const HWBinding& o) const { return kind == o.kind && joystick == o.joystick && code == o.code; }
};

// "key:34", "button:0:3", "hat:1:27000".
std::string formatHWBinding(const HWBinding& binding);
// False (binding untouched) for text that is none of the forms above.
bool parseHWBinding(const std::string& text, HWBinding* binding);

class HWInputMap {
public:
    // Page Down / Page Up, plus and minus (main and keypad), M, Enter, Escape
    // and Backspace; the first joystick's buttons 0 to 3 and its hat.
    static HWInputMap defaults();

    void bind(HWAction action, const HWBinding& binding);  // once per action
    void unbind(HWAction action, const HWBinding& binding);
    const std::vector<HWBinding>& getBindings(HWAction action) const { return bindings[static_cast<int>(action)]; }
    // Every action the binding triggers, in action order.
    std::vector<HWAction> getActions(const HWBinding& binding) const;

    // The section holds one key per action, its bindings separated by
    // commas. Bindings that cannot be read are dropped; an action missing
    // from the section keeps what it had.
    void load(const IniSection& section);
    void save(IniSection& section) const;

private:
    std::vector<HWBinding> bindings[kHWActionCount];
};

// The state of one joystick as the event receiver keeps it.
struct JoystickState {
    uint32_t buttons = 0;   // bit n: button n held
    uint16_t hat = 0xFFFF;  // direction in hundredths of a degree, 0xFFFF centred
};

// The buttons and the hat direction that went down between two states of
// joystick number `joystick`: a held button gives one press, not one per
// frame. The hat counts in its four main directions (diagonals snap to the
// nearest).
std::vector<HWBinding> getNewPresses(int joystick, const JoystickState& before, const JoystickState& now);
