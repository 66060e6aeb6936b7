#include "gui/InputSystem.h"

#include <cwctype>

#include "base/IniFile.h"
#include "base/StringConversions.h"
#include "gui/Drawer2D.h"
#include "gui/WipeInput.h"

using namespace irr;

namespace {
constexpr u32 kRepeatDelayMs = 500, kRepeatPeriodMs = 80;
}

InputSystem::InputSystem(IrrlichtDevice* dev, Drawer2D* drw, std::vector<KeyboardDefinition> defs,
                         video::ITexture* change, WipeInput* w)
    : device(dev), drawer(drw), keyboards(std::move(defs)), changeTexture(change), wipe(w) {}

void InputSystem::loadInputSettingsFromIni(const IniFile& ini) {
    const IniSection& top = ini.getSection("");
    enabled = getFromIniSection(top, "onScreenKeyboard", false);
    const auto channel = [&](const char* key, u32 fallback) {
        const auto found = top.find(key);
        return found == top.end() ? fallback : static_cast<u32>(convertStringTo<int>(found->second)) & 0xFF;
    };
    keyColour = video::SColor(channel("inputColor.A", 255), channel("inputColor.R", 200), channel("inputColor.G", 200),
                              channel("inputColor.B", 200));
}

bool InputSystem::isKeyboardVisible() const {
    if (!enabled || keyboards.empty()) return false;
    gui::IGUIElement* focus = device->getGUIEnvironment()->getFocus();
    return focus && focus->getType() == gui::EGUIET_EDIT_BOX && !(hidden && hiddenFor == focus);
}

KeyboardLayout InputSystem::getLayout() const {
    const core::dimension2d<u32> screen = device->getVideoDriver()->getScreenSize();
    return layoutKeyboard(keyboards[current], static_cast<int>(screen.Width), static_cast<int>(screen.Height));
}

bool InputSystem::OnEvent(const SEvent& event) {
    if (event.EventType != EET_MOUSE_INPUT_EVENT || !isKeyboardVisible()) {
        if (event.EventType == EET_MOUSE_INPUT_EVENT) pressedKey = -1;
        return false;
    }
    const SEvent::SMouseInput& mouse = event.MouseInput;
    const KeyboardLayout layout = getLayout();
    const int key = findKeyAt(layout, mouse.X, mouse.Y);
    const core::vector2df at(f32(mouse.X), f32(mouse.Y));
    switch (mouse.Event) {
    case EMIE_LMOUSE_PRESSED_DOWN:
        if (mouse.Y < layout.top) return false;  // the tap belongs to the GUI
        pressedKey = key;
        nextRepeatMs = device->getTimer()->getRealTime() + kRepeatDelayMs;
        repeated = false;
        if (wipe) wipe->begin(at);
        return true;
    case EMIE_MOUSE_MOVED:
        if (wipe && wipe->isActive()) wipe->extend(at);
        return pressedKey >= 0 || mouse.Y >= layout.top;
    case EMIE_LMOUSE_LEFT_UP: {
        if (wipe) wipe->end();
        const bool tapped = pressedKey >= 0 && key == pressedKey && !repeated;
        const bool wasOnKeyboard = pressedKey >= 0 || mouse.Y >= layout.top;
        pressedKey = -1;
        if (tapped) {
            const KeyArea& area = layout.keys[key];
            press(keyboards[current].rows[area.row][area.column]);
        }
        return wasOnKeyboard;
    }
    default:
        return mouse.Y >= layout.top;
    }
}

void InputSystem::press(const KeyDefinition& key) {
    switch (key.action) {
    case KeyDefinition::CHARACTER: {
        const wchar_t c = shifted ? static_cast<wchar_t>(std::towupper(key.character)) : key.character;
        shifted = false;
        sendKey(KEY_KEY_A, c);  // the edit box types the character; the code only has to be no control key
        break;
    }
    case KeyDefinition::BACKSPACE:
        sendKey(KEY_BACK, 0);
        break;
    case KeyDefinition::ENTER:
        sendKey(KEY_RETURN, 0);
        break;
    case KeyDefinition::SHIFT:
        shifted = !shifted;
        break;
    case KeyDefinition::CHANGE:
        current = (current + 1) % keyboards.size();
        shifted = false;
        break;
    case KeyDefinition::HIDE:
        hidden = true;
        hiddenFor = device->getGUIEnvironment()->getFocus();
        break;
    }
}

void InputSystem::sendKey(EKEY_CODE code, wchar_t character) {
    SEvent event{};
    event.EventType = EET_KEY_INPUT_EVENT;
    event.KeyInput.Key = code;
    event.KeyInput.Char = character;
    event.KeyInput.Shift = false;
    event.KeyInput.Control = false;
    gui::IGUIEnvironment* environment = device->getGUIEnvironment();
    event.KeyInput.PressedDown = true;
    environment->postEventFromUser(event);
    event.KeyInput.PressedDown = false;
    environment->postEventFromUser(event);
}

void InputSystem::render() {
    gui::IGUIElement* focus = device->getGUIEnvironment()->getFocus();
    if (hidden && hiddenFor != focus) hidden = false;  // a new edit box brings the keyboard back
    if (!isKeyboardVisible()) return;
    const KeyboardLayout layout = getLayout();
    repeatHeldKey(layout);
    const core::dimension2d<u32> screen = device->getVideoDriver()->getScreenSize();
    drawer->fillRectangle(core::rect<s32>(0, layout.top, s32(screen.Width), s32(screen.Height)),
                          video::SColor(235, 30, 34, 40));
    gui::IGUIFont* font = device->getGUIEnvironment()->getSkin()->getFont();
    for (size_t i = 0; i < layout.keys.size(); ++i) {
        const KeyArea& a = layout.keys[i];
        const KeyDefinition& key = keyboards[current].rows[a.row][a.column];
        // A small gap inside each key's area separates the keys on screen;
        // taps between them still count for the nearer key.
        const s32 gap = std::max(1, (a.bottom - a.top) / 16);
        const core::rect<s32> face(a.left + gap, a.top + gap, a.right - gap, a.bottom - gap);
        const bool down = static_cast<int>(i) == pressedKey || (key.action == KeyDefinition::SHIFT && shifted);
        drawer->fillRectangle(face, down ? video::SColor(255, 255, 255, 255) : keyColour);
        const video::SColor ink(255, 20, 20, 20);
        if (key.action == KeyDefinition::CHANGE && changeTexture) {
            const f32 side = f32(std::min(face.getWidth(), face.getHeight())) * 0.7f;
            const core::vector2df centre(f32(face.getCenter().X), f32(face.getCenter().Y));
            drawer->draw(changeTexture, centre - core::vector2df(side / 2, side / 2), {side, side}, 0);
            continue;
        }
        std::wstring label = key.label;
        if (shifted && key.action == KeyDefinition::CHARACTER)
            for (wchar_t& c : label) c = static_cast<wchar_t>(std::towupper(c));
        drawer->drawTextCentred(font, label, face, ink);
    }
    if (wipe) wipe->render(*drawer);
}

void InputSystem::repeatHeldKey(const KeyboardLayout& layout) {
    if (pressedKey < 0 || pressedKey >= static_cast<int>(layout.keys.size())) return;
    const KeyArea& area = layout.keys[pressedKey];
    if (keyboards[current].rows[area.row][area.column].action != KeyDefinition::BACKSPACE) return;
    const u32 now = device->getTimer()->getRealTime();
    if (static_cast<s32>(now - nextRepeatMs) < 0) return;
    sendKey(KEY_BACK, 0);
    nextRepeatMs = now + kRepeatPeriodMs;
    repeated = true;
}
