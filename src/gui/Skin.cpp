#include "gui/Skin.h"

#include <algorithm>
#include <cmath>

using namespace irr;

Skin::Skin(gui::IGUIEnvironment* env, int skinMode) : environment(env), mode(skinMode) {
    guiSkin = environment->createSkin(gui::EGST_WINDOWS_METALLIC);
    environment->setSkin(guiSkin);
    setMode(skinMode);
    OnScreenChanged();
}

void Skin::setMode(int newMode) {
    mode = newMode;
    switch (mode) {
        case MODERN_LIGHT:
            background = video::SColor(255, 226, 230, 234);
            text = video::SColor(255, 16, 20, 24);
            break;
        case CLASSIC:
            background = video::SColor(255, 0, 0, 0);
            text = video::SColor(255, 255, 255, 255);
            break;
        default:
            background = video::SColor(255, 22, 30, 40);
            text = video::SColor(255, 235, 240, 245);
            break;
    }
    applyColours(230);
}

Skin::~Skin() {
    // Hand the engine's skin back its built-in font so our scalable fonts can
    // go with their manager.
    guiSkin->setFont(environment->getBuiltInFont());
    guiSkin->drop();
}

void Skin::applyColours(u32 alpha) {
    const bool dark = mode != MODERN_LIGHT;
    const video::SColor face = dark ? video::SColor(alpha, 44, 56, 70) : video::SColor(alpha, 245, 247, 250);
    const video::SColor shadow = dark ? video::SColor(alpha, 14, 20, 28) : video::SColor(alpha, 160, 168, 176);
    const video::SColor light = dark ? video::SColor(alpha, 70, 86, 104) : video::SColor(alpha, 255, 255, 255);
    guiSkin->setColor(gui::EGDC_3D_FACE, face);
    guiSkin->setColor(gui::EGDC_3D_SHADOW, shadow);
    guiSkin->setColor(gui::EGDC_3D_DARK_SHADOW, shadow);
    guiSkin->setColor(gui::EGDC_3D_LIGHT, light);
    guiSkin->setColor(gui::EGDC_3D_HIGH_LIGHT, light);
    guiSkin->setColor(gui::EGDC_WINDOW, face);
    guiSkin->setColor(gui::EGDC_ACTIVE_BORDER, light);
    guiSkin->setColor(gui::EGDC_INACTIVE_BORDER, shadow);
    guiSkin->setColor(gui::EGDC_BUTTON_TEXT, text);
    guiSkin->setColor(gui::EGDC_WINDOW_SYMBOL, text);
    guiSkin->setColor(gui::EGDC_EDITABLE, dark ? video::SColor(255, 30, 40, 52) : video::SColor(255, 255, 255, 255));
    guiSkin->setColor(gui::EGDC_FOCUSED_EDITABLE, dark ? video::SColor(255, 36, 50, 66) : video::SColor(255, 250, 252, 255));
    guiSkin->setColor(gui::EGDC_HIGH_LIGHT, video::SColor(255, 0, 122, 204));
    guiSkin->setColor(gui::EGDC_HIGH_LIGHT_TEXT, video::SColor(255, 255, 255, 255));
    guiSkin->setColor(gui::EGDC_GRAY_TEXT, video::SColor(255, 128, 136, 144));
    guiSkin->setColor(gui::EGDC_ICON, text);
}

void Skin::setDefaultFont(gui::IGUIFont* font) {
    if (font) guiSkin->setFont(font);
}

gui::IGUIFont* Skin::getDefaultFont() const { return guiSkin->getFont(); }

void Skin::setFullyOpaque(bool opaque) { applyColours(opaque ? 255 : 230); }

void Skin::OnScreenChanged() {
    video::IVideoDriver* driver = environment->getVideoDriver();
    if (!driver) return;
    const core::dimension2d<u32> size = driver->getScreenSize();
    const double d = std::sqrt(static_cast<double>(size.Width) * size.Height);
    const s32 bar = std::max<s32>(14, static_cast<s32>(std::lround(0.03 * d)));
    guiSkin->setSize(gui::EGDS_SCROLLBAR_SIZE, bar);
    guiSkin->setSize(gui::EGDS_WINDOW_BUTTON_WIDTH, bar);
    guiSkin->setSize(gui::EGDS_CHECK_BOX_WIDTH, bar);
    guiSkin->setSize(gui::EGDS_MENU_HEIGHT, bar);
    guiSkin->setSize(gui::EGDS_BUTTON_HEIGHT, std::max<s32>(20, static_cast<s32>(std::lround(0.049410625 * d))));
}
