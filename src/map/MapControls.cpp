#include "map/MapControls.h"

#include "gui/Drawer2D.h"
#include "map/Map2D.h"

using namespace irr;

namespace {
core::rect<s32> toRect(const ControlBox& b) { return core::rect<s32>(b.left, b.top, b.right, b.bottom); }

void button(Map2D& map, const ControlBox& box, const wchar_t* text, bool night) {
    Drawer2D& drawer = map.getDrawer();
    const core::rect<s32> r = toRect(box);
    drawer.fillRectangle(r, night ? video::SColor(170, 30, 34, 40) : video::SColor(170, 255, 255, 255));
    drawer.drawRectangleOutline(r, 1.5f, night ? video::SColor(255, 120, 120, 120) : video::SColor(255, 60, 60, 60));
    drawer.drawTextCentred(map.getFont(r.getHeight() * 2 / 3), text, r,
                           night ? video::SColor(255, 210, 210, 210) : video::SColor(255, 20, 20, 20));
}
}  // namespace

void MapControls::draw(Map2D& map, bool trackUp, bool followShown) const {
    const bool night = map.isNight();
    const ControlBox& z = layout.zoom;
    const int middle = (z.top + z.bottom) / 2;
    button(map, {z.left, z.top, z.right, middle}, L"+", night);
    button(map, {z.left, middle, z.right, z.bottom}, L"\x2212", night);
    button(map, layout.orientation, trackUp ? L"T" : L"N", night);
    if (followShown) {
        // Back to the aircraft: a target mark, drawn (no font has it everywhere).
        button(map, layout.follow, L"", night);
        const ControlBox& f = layout.follow;
        const core::vector2df c((f.left + f.right) / 2.0f, (f.top + f.bottom) / 2.0f);
        const video::SColor ink = night ? video::SColor(255, 210, 210, 210) : video::SColor(255, 20, 20, 20);
        map.getDrawer().drawCircle(c, (f.right - f.left) * 0.3f, 2.0f, ink);
        map.getDrawer().fillCircle(c, (f.right - f.left) * 0.08f, ink);
    }
}
