#include "map/MapLabels.h"

#include <algorithm>
#include <cmath>

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
constexpr float kGap = 10.0f;  // between the anchor and the text, past the symbol
// How far a label may move from its first place, in label heights: far
// enough to clear a neighbour, near enough to stay with its symbol.
constexpr double kMoveInHeights = 2.5;
// The track-up map is placed anew when it has turned this far.
constexpr double kReplaceTurn = 15.0;
}  // namespace

void MapLabels::take(Map2D& map, const Set& labels) {
    placed.clear();
    baked = false;
    gui::IGUIFont* font = map.getFont(labelHeight(map));
    if (!font) return;
    for (const Label& label : labels) {
        const core::dimension2d<u32> size = font->getDimension(label.text.c_str());
        // Right of the symbol, centred on it, where chart labels usually sit.
        placed.push_back({label, kGap, -static_cast<float>(size.Height) / 2.0f, size});
    }
    optimise(map);
}

void MapLabels::optimise(Map2D& map) {
    std::vector<LabelRect> rects;
    anchorsAtStart.clear();
    for (const Placed& p : placed) {
        const PanelPoint anchor = map.toPanel(p.label.anchor);
        anchorsAtStart.push_back(anchor);
        rects.push_back(labelRectNear(anchor.x, anchor.y, p.size.Width, p.size.Height, kGap, -(p.size.Height / 2.0)));
    }
    const core::rect<int>& area = map.getArea();
    const LabelRect bounds{double(area.UpperLeftCorner.X), double(area.UpperLeftCorner.Y), double(area.getWidth()),
                           double(area.getHeight())};
    optimiser.start(std::move(rects), bounds, kMoveInHeights * labelHeight(map));
    optimising = true;
    trackAtStart = map.getTurn().track;
}

void MapLabels::draw(Map2D& map) {
    if (optimising && optimiser.isFinished()) {
        const std::vector<LabelRect> result = optimiser.getResult();
        for (size_t i = 0; i < result.size() && i < placed.size(); ++i) {
            placed[i].dx = static_cast<float>(result[i].left - anchorsAtStart[i].x);
            placed[i].dy = static_cast<float>(result[i].top - anchorsAtStart[i].y);
        }
        optimising = false;
    }
    const double turned = std::fabs(std::remainder(map.getTurn().track - trackAtStart, 360.0));
    if (!optimising && !placed.empty() && turned > kReplaceTurn) optimise(map);
    if (baked) return;
    // North up, the labels move with the chart: once placed they are
    // painted into its picture and cost nothing more per frame.
    if (!optimising && map.getTurn().track == 0.0 && map.bakeIntoChartPicture([this, &map] { paint(map, true); })) {
        baked = true;
        return;
    }
    paint(map, false);
}

void MapLabels::paint(Map2D& map, bool intoPicture) {
    gui::IGUIFont* font = map.getFont(labelHeight(map));
    if (!font) return;
    const core::rect<int>& area = map.getArea();
    const core::rect<s32>* clip = intoPicture ? nullptr : &area;
    // A scalable font draws all labels with one call per glyph page.
    auto* flexible = dynamic_cast<FlexibleFont*>(font);
    for (const Placed& p : placed) {
        const PanelPoint anchor = intoPicture ? map.toShownPicture(p.label.anchor) : map.toPanel(p.label.anchor);
        const core::rect<s32> box(static_cast<s32>(anchor.x + p.dx), static_cast<s32>(anchor.y + p.dy),
                                  static_cast<s32>(anchor.x + p.dx) + p.size.Width,
                                  static_cast<s32>(anchor.y + p.dy) + p.size.Height);
        if (!intoPicture && !box.isRectCollided(area)) continue;
        if (flexible)
            flexible->queue(p.label.text.c_str(), box, p.label.colour, false, false, clip);
        else
            font->draw(p.label.text.c_str(), box, p.label.colour, false, false, clip);
    }
    if (flexible) flexible->flush();
}
