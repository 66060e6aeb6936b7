#include "gui/WipeInput.h"

#include "gui/Drawer2D.h"

using namespace irr;

namespace {
constexpr size_t kMaxPoints = 64;  // the trace follows the finger, it is no drawing
}

WipeInput::WipeInput(video::SColor c, f32 w) : colour(c), width(w) {}

void WipeInput::begin(const core::vector2df& at) {
    active = true;
    points.assign(1, at);
}

void WipeInput::extend(const core::vector2df& at) {
    if (!active || points.back() == at) return;
    points.push_back(at);
    if (points.size() > kMaxPoints) points.erase(points.begin());
}

void WipeInput::end() {
    active = false;
    points.clear();
}

void WipeInput::render(Drawer2D& drawer) const {
    if (active && points.size() >= 2) drawer.drawPolyline(points, width, colour, false);
}
