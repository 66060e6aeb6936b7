#pragma once
// A screen for driving dialogs as the pilot would: a window of the engine
// (OpenGL under the virtual X server the suites run in, the null driver
// without a display) and clicks and key strokes injected through the
// device, so they take the same path as real input.
#include <X11/Xlib.h>
#include <irrlicht.h>

#include <cstdlib>
#include <string>

#include "app/WindowGeometry.h"
#include "gui/dialogs/Dialog.h"

class TestScreen {
public:
    TestScreen(int width, int height) {
        // A virtual X server resets when its last client leaves, and refuses
        // connections meanwhile; one connection held for the whole run keeps
        // the next window from failing.
        static Display* const keepServer = std::getenv("DISPLAY") ? XOpenDisplay(nullptr) : nullptr;
        (void)keepServer;
        irr::SIrrlichtCreationParameters p;
        p.DriverType = std::getenv("DISPLAY") ? irr::video::EDT_OPENGL : irr::video::EDT_NULL;
        p.WindowSize = irr::core::dimension2d<irr::u32>(width, height);
        device = irr::createDeviceEx(p);
        const ScreenDependentParams params = calcScreenDependentParams(width, height);
        context.device = device;
        context.buttonWidth = params.buttonWidth;
        context.buttonHeight = params.buttonHeight;
    }
    ~TestScreen() { device->drop(); }

    // Events go to the dialog first, as with EventReceiver's sub-receivers.
    void show(ADialog& dialog) {
        dialog.open();
        device->setEventReceiver(&dialog);
    }

    void mouse(irr::EMOUSE_INPUT_EVENT kind, irr::core::position2d<irr::s32> at) {
        irr::SEvent e{};
        e.EventType = irr::EET_MOUSE_INPUT_EVENT;
        e.MouseInput.Event = kind;
        e.MouseInput.X = at.X;
        e.MouseInput.Y = at.Y;
        e.MouseInput.ButtonStates = kind == irr::EMIE_LMOUSE_PRESSED_DOWN ? irr::EMBSM_LEFT : 0;
        device->postEventFromUser(e);
    }
    // A tap: move, press and release at the element's centre.
    void click(irr::gui::IGUIElement* element) {
        const irr::core::position2d<irr::s32> at = element->getAbsolutePosition().getCenter();
        mouse(irr::EMIE_MOUSE_MOVED, at);
        mouse(irr::EMIE_LMOUSE_PRESSED_DOWN, at);
        mouse(irr::EMIE_LMOUSE_LEFT_UP, at);
    }
    void key(irr::EKEY_CODE code, wchar_t character = 0) {
        irr::SEvent e{};
        e.EventType = irr::EET_KEY_INPUT_EVENT;
        e.KeyInput.Key = code;
        e.KeyInput.Char = character;
        for (bool down : {true, false}) {
            e.KeyInput.PressedDown = down;
            device->postEventFromUser(e);
        }
    }
    // Clicks into the edit box, clears it and types the text.
    void type(irr::gui::IGUIElement* edit, const std::wstring& text) {
        click(edit);
        for (int i = 0; i < 40; ++i) key(irr::KEY_BACK);
        for (int i = 0; i < 40; ++i) key(irr::KEY_DELETE);
        for (wchar_t c : text) key(irr::KEY_KEY_A, c);
    }
    void draw() {
        device->getVideoDriver()->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
        device->getGUIEnvironment()->drawAll();
        device->getVideoDriver()->endScene();
    }

    irr::IrrlichtDevice* device = nullptr;
    DialogContext context;
};

// Every child of the element, depth first, of the engine type.
template <class T>
void collectElements(irr::gui::IGUIElement* root, irr::gui::EGUI_ELEMENT_TYPE type, std::vector<T*>& out) {
    for (irr::gui::IGUIElement* child : root->getChildren()) {
        if (child->getType() == type) out.push_back(static_cast<T*>(child));
        collectElements(child, type, out);
    }
}

inline irr::gui::IGUIButton* findButton(irr::gui::IGUIElement* root, const std::wstring& caption) {
    std::vector<irr::gui::IGUIButton*> buttons;
    collectElements(root, irr::gui::EGUIET_BUTTON, buttons);
    for (irr::gui::IGUIButton* b : buttons)
        if (b->isVisible() && caption == b->getText()) return b;
    return nullptr;
}

// Picks an entry of a combo box from the keyboard: focus on the box (as Tab
// would put it there), then arrow keys, each step a choice of its own.
inline void chooseInCombo(TestScreen& screen, irr::gui::IGUIComboBox* combo, int index) {
    screen.device->getGUIEnvironment()->setFocus(combo);
    for (int step = 0; step < 30 && combo->getSelected() != index; ++step)
        screen.key(combo->getSelected() < index ? irr::KEY_DOWN : irr::KEY_UP);
}

// Taps row `row` of a list box (it must be scrolled into view).
inline void clickListRow(TestScreen& screen, irr::gui::IGUIListBox* list, int row, int itemHeight) {
    const irr::core::rect<irr::s32> r = list->getAbsolutePosition();
    const irr::core::position2d<irr::s32> at(r.getCenter().X, r.UpperLeftCorner.Y + row * itemHeight + itemHeight / 2);
    screen.mouse(irr::EMIE_MOUSE_MOVED, at);
    screen.mouse(irr::EMIE_LMOUSE_PRESSED_DOWN, at);
    screen.mouse(irr::EMIE_LMOUSE_LEFT_UP, at);
}

inline int findListRow(irr::gui::IGUIListBox* list, const std::wstring& text) {
    for (irr::u32 i = 0; i < list->getItemCount(); ++i)
        if (text == list->getListItem(i)) return int(i);
    return -1;
}
