#pragma once
// Drives dialogs as the pilot would: an engine window (OpenGL under the
// virtual X server, the null driver without one), input posted to the device.
#include <X11/Xlib.h>
#include <irrlicht.h>

#include <cstdlib>
#include <string>

#include "app/WindowGeometry.h"
#include "gui/dialogs/Dialog.h"

class TestScreen {
public:
    TestScreen(int width, int height) {
        // The virtual X server resets (refusing connections) when its last client leaves.
        [[maybe_unused]] static Display* const held = std::getenv("DISPLAY") ? XOpenDisplay(nullptr) : nullptr;
        irr::SIrrlichtCreationParameters p;
        p.DriverType = std::getenv("DISPLAY") ? irr::video::EDT_OPENGL : irr::video::EDT_NULL;
        p.WindowSize = irr::core::dimension2d<irr::u32>(width, height);
        device = irr::createDeviceEx(p);
        const ScreenDependentParams params = calcScreenDependentParams(width, height);
        context = {device, nullptr, params.buttonWidth, params.buttonHeight, [](const std::string& relative) {
                       return std::string(CIRRONA_BINARY_DIR "/cirrona-home/") + relative;
                   }};
    }
    ~TestScreen() {
        device->setEventReceiver(nullptr);  // the dialogs shown may be gone
        device->drop();
    }

    void show(ADialog& dialog) {
        dialog.open();
        device->setEventReceiver(&dialog);
    }
    void tap(irr::core::position2d<irr::s32> at) {
        for (auto kind : {irr::EMIE_MOUSE_MOVED, irr::EMIE_LMOUSE_PRESSED_DOWN, irr::EMIE_LMOUSE_LEFT_UP}) {
            irr::SEvent e{};
            e.EventType = irr::EET_MOUSE_INPUT_EVENT;
            e.MouseInput.X = at.X, e.MouseInput.Y = at.Y, e.MouseInput.Event = kind;
            e.MouseInput.ButtonStates = kind == irr::EMIE_LMOUSE_PRESSED_DOWN ? irr::EMBSM_LEFT : 0;
            device->postEventFromUser(e);
        }
    }
    void click(irr::gui::IGUIElement* element) { tap(element->getAbsolutePosition().getCenter()); }
    void clickRow(irr::gui::IGUIListBox* list, int row) {
        const irr::core::rect<irr::s32> r = list->getAbsolutePosition();
        const int itemHeight = listRowHeight(
            context.getMetrics(), device->getGUIEnvironment()->getSkin()->getFont()->getDimension(L"Ag").Height);
        tap({r.getCenter().X, r.UpperLeftCorner.Y + row * itemHeight + itemHeight / 2});
    }
    void key(irr::EKEY_CODE code, wchar_t character = 0) {
        irr::SEvent e{};
        e.EventType = irr::EET_KEY_INPUT_EVENT;
        for (bool down : {true, false}) {
            e.KeyInput = {character, code, down, false, false};
            device->postEventFromUser(e);
        }
    }
    // Clicks into the edit box, clears it and types the text.
    void type(irr::gui::IGUIElement* edit, const std::wstring& text) {
        click(edit);
        for (int i = 0; i < 40; ++i) key(irr::KEY_BACK), key(irr::KEY_DELETE);
        for (wchar_t c : text) key(irr::KEY_KEY_A, c);
    }
    // Focus on the box (as Tab puts it there), then one arrow key a choice.
    void choose(irr::gui::IGUIComboBox* combo, int index) {
        device->getGUIEnvironment()->setFocus(combo);
        for (int step = 0; step < 30 && combo->getSelected() != index; ++step)
            key(combo->getSelected() < index ? irr::KEY_DOWN : irr::KEY_UP);
    }

    irr::IrrlichtDevice* device = nullptr;
    DialogContext context;
};

template <class T>
std::vector<T*> elementsOf(irr::gui::IGUIElement* root, irr::gui::EGUI_ELEMENT_TYPE type) {
    std::vector<T*> out;
    for (irr::gui::IGUIElement* child : root->getChildren()) {
        if (child->getType() == type) out.push_back(static_cast<T*>(child));
        for (T* below : elementsOf<T>(child, type)) out.push_back(below);
    }
    return out;
}

inline irr::gui::IGUIButton* findButton(irr::gui::IGUIElement* root, const std::wstring& caption) {
    for (irr::gui::IGUIButton* b : elementsOf<irr::gui::IGUIButton>(root, irr::gui::EGUIET_BUTTON))
        if (b->isVisible() && caption == b->getText()) return b;
    return nullptr;
}

inline bool hasText(irr::gui::IGUIElement* root, const std::wstring& text) {
    for (auto* t : elementsOf<irr::gui::IGUIStaticText>(root, irr::gui::EGUIET_STATIC_TEXT))
        if (text == t->getText()) return true;
    return false;
}

inline int findListRow(irr::gui::IGUIListBox* list, const std::wstring& text) {
    for (irr::u32 i = 0; i < list->getItemCount(); ++i)
        if (text == list->getListItem(i)) return int(i);
    return -1;
}
