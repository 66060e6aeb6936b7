#include "panels/instruments/InstrumentPanel.h"

#include "app/ICommonAppContext.h"
#include <algorithm>

#include "base/Time.h"
#include "gui/Drawer2D.h"

using namespace irr;

InstrumentPanel::InstrumentPanel(const InstrumentContext& context, std::string name)
    : context(context), name(std::move(name)) {}

video::ITexture* InstrumentPanel::texture(const char* file) const {
    const std::string path = context.app->getPath(std::string("media/") + file);
    video::IVideoDriver* driver = context.app->getIrrlichtDevice()->getVideoDriver();
    if (video::ITexture* t = driver->findTexture(path.c_str())) return t;
    if (!context.app->getIrrlichtDevice()->getFileSystem()->existFile(path.c_str())) return nullptr;
    return driver->getTexture(path.c_str());
}

void InstrumentPanel::drawTurned(video::ITexture* t, const core::rect<int>& square, double degrees) const {
    if (!t) return;
    context.app->getDrawer()->draw(
        t, core::vector2df(static_cast<f32>(square.UpperLeftCorner.X), static_cast<f32>(square.UpperLeftCorner.Y)),
        core::vector2df(static_cast<f32>(square.getWidth()), static_cast<f32>(square.getHeight())),
        static_cast<f32>(-degrees), core::vector2df(0.5f, 0.5f), tint());
}

void InstrumentPanel::drawUnavailable(const core::rect<int>& square) const {
    Drawer2D* d = context.app->getDrawer();
    const video::SColor red(230, 220, 30, 30);
    const f32 inset = square.getWidth() * 0.22f;
    const f32 width = std::max(2.0f, square.getWidth() * 0.035f);
    const core::vector2df a(square.UpperLeftCorner.X + inset, square.UpperLeftCorner.Y + inset);
    const core::vector2df b(square.LowerRightCorner.X - inset, square.LowerRightCorner.Y - inset);
    d->drawLine(a, b, width, red);
    d->drawLine(core::vector2df(a.X, b.Y), core::vector2df(b.X, a.Y), width, red);
    const int w = square.getWidth() / 4, h = square.getHeight() / 9;
    const core::vector2di c = square.getCenter();
    const core::rect<int> flag(c.X - w / 2, c.Y - h / 2, c.X + w / 2, c.Y + h / 2);
    d->fillRectangle(flag, red);
    drawText(L"OFF", flag, video::SColor(255, 255, 255, 255));
}

void InstrumentPanel::drawText(const std::wstring& text, const core::rect<int>& box, video::SColor colour) const {
    gui::IGUIFont* font = context.app->getIrrlichtDevice()->getGUIEnvironment()->getSkin()->getFont();
    context.app->getDrawer()->drawTextCentred(font, text, box, colour);
}

bool InstrumentPanel::isNight() const { return context.night && context.night(); }

video::SColor InstrumentPanel::tint() const {
    return isNight() ? video::SColor(255, 190, 175, 160) : video::SColor(255, 255, 255, 255);
}

double InstrumentPanel::now() const { return getSecs(); }
