#include "gui/Drawer2D.h"

using namespace irr;

namespace {
bool staticsReady = false;
}

Drawer2D::Drawer2D(IrrlichtDevice* dev) : device(dev), driver(dev->getVideoDriver()) {}

void Drawer2D::initStaticVars() { staticsReady = true; }

void Drawer2D::fillRectangle(const core::rect<s32>& area, video::SColor colour) {
    driver->draw2DRectangle(colour, area);
}

void Drawer2D::drawTextCentred(gui::IGUIFont* font, const std::wstring& text, const core::rect<s32>& area,
                               video::SColor colour) {
    if (!font) font = device->getGUIEnvironment()->getBuiltInFont();
    if (font) font->draw(text.c_str(), area, colour, true, true);
}

core::rect<s32> Drawer2D::getViewport() const { return driver->getViewPort(); }
