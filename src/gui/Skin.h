#pragma once
#include <irrlicht.h>

// The program's look: colours of the background and of the engine's GUI
// elements, and the default font. One skin for the whole process, owned by
// the system manager.
class Skin {
public:
    enum Mode { MODERN_LIGHT = 0, CLASSIC = 1, MODERN_DARK = 2 };

    Skin(irr::gui::IGUIEnvironment* environment, int mode);
    ~Skin();

    int getMode() const { return mode; }
    // Switches the colours (day and night); GUI elements follow at once.
    void setMode(int mode);
    irr::video::SColor getBackgroundColor() const { return background; }
    irr::video::SColor getTextColor() const { return text; }

    // The default font of every GUI element that has none of its own.
    void setDefaultFont(irr::gui::IGUIFont* font);
    irr::gui::IGUIFont* getDefaultFont() const;

    // Dialogs shown before anything else is on screen (first start, fatal
    // errors) need opaque panels to stay readable.
    void setFullyOpaque(bool opaque);

    // Sizes of frames and scroll bars follow the screen.
    void OnScreenChanged();

    irr::gui::IGUISkin* getGUISkin() const { return guiSkin; }

    // The material the program's own buttons are drawn with (a grey texture
    // tinted per button; see MaterialManager).
    void setButtonMaterial(irr::video::E_MATERIAL_TYPE type) { buttonMaterial = type; }
    irr::video::E_MATERIAL_TYPE getButtonMaterial() const { return buttonMaterial; }

private:
    void applyColours(irr::u32 alpha);

    irr::gui::IGUIEnvironment* environment;
    irr::gui::IGUISkin* guiSkin;
    int mode;
    irr::video::SColor background;
    irr::video::SColor text;
    irr::video::E_MATERIAL_TYPE buttonMaterial = irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL;
};
