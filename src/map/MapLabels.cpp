#include "map/MapLabels.h"

#include <algorithm>

#include "gui/Drawer2D.h"
#include "gui/FlexibleFont.h"
#include "map/Map2D.h"

using namespace irr;

namespace {
// The label's height in pixels for a panel: small panels keep small text,
// the pilot's text size scales it.
int labelHeight(const Map2D& map) {
    const int base = std::clamp(map.getArea().getHeight() / 40, 11, 22);
    return std::max(8, static_cast<int>(base * map.getOptions().textSize));
}
constexpr float kGap = 4.0f;  // between the anchor and the text
}  // namespace

void MapLabels::take(Map2D& map, const Set& labels) {
    placed.clear();
    gui::IGUIFont* font = map.getFont(labelHeight(map));
    if (!font) return;
    for (const Label& label : labels) {
        const core::dimension2d<u32> size = font->getDimension(label.text.c_str());
        // Up and to the right of the symbol, where chart labels usually sit.
        placed.push_back({label, kGap + 4.0f, -static_cast<float>(size.Height) - kGap, size});
    }
}

void MapLabels::draw(Map2D& map) {
    gui::IGUIFont* font = map.getFont(labelHeight(map));
    if (!font) return;
    const core::rect<int>& area = map.getArea();
    // A scalable font draws all labels with one call per glyph page.
    auto* flexible = dynamic_cast<FlexibleFont*>(font);
    for (const Placed& p : placed) {
        const PanelPoint anchor = map.toPanel(p.label.anchor);
        const core::rect<s32> box(static_cast<s32>(anchor.x + p.dx), static_cast<s32>(anchor.y + p.dy),
                                  static_cast<s32>(anchor.x + p.dx) + p.size.Width,
                                  static_cast<s32>(anchor.y + p.dy) + p.size.Height);
        if (!box.isRectCollided(area)) continue;
        if (flexible)
            flexible->queue(p.label.text.c_str(), box, p.label.colour, false, false, &area);
        else
            font->draw(p.label.text.c_str(), box, p.label.colour, false, false, &area);
    }
    if (flexible) flexible->flush();
}
