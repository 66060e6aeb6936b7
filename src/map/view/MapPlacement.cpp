#include "map/view/MapPlacement.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {
constexpr double kRadiansPerDegree = M_PI / 180.0;
}

PanelPoint MapTurn::toPanel(PanelPoint view) const {
    // Screen y grows downwards, so this turns the picture counter-clockwise
    // by the track: what lies along the track ends up straight above.
    const double a = -track * kRadiansPerDegree;
    const double x = view.x - width / 2.0, y = view.y - height / 2.0;
    return {x * std::cos(a) - y * std::sin(a) + width / 2.0, x * std::sin(a) + y * std::cos(a) + height / 2.0 + shiftDown};
}

PanelPoint MapTurn::toView(PanelPoint panel) const {
    const double a = track * kRadiansPerDegree;
    const double x = panel.x - width / 2.0, y = panel.y - height / 2.0 - shiftDown;
    return {x * std::cos(a) - y * std::sin(a) + width / 2.0, x * std::sin(a) + y * std::cos(a) + height / 2.0};
}

PicturePlacement placePicture(const MapViewport& drawnFor, const MapViewport& now, double margin) {
    PicturePlacement p;
    p.scale = now.zoom / drawnFor.zoom;
    // now's centre as drawnFor saw it
    const double cx = drawnFor.screenX(now.centre.longitude), cy = drawnFor.screenY(now.centre.latitude);
    p.left = (-margin - cx) * p.scale + now.width / 2.0;
    p.top = (-margin - cy) * p.scale + now.height / 2.0;
    p.width = (drawnFor.width + 2.0 * margin) * p.scale;
    p.height = (drawnFor.height + 2.0 * margin) * p.scale;
    return p;
}

bool pictureStillServes(const MapViewport& drawnFor, const MapViewport& now, double margin) {
    if (drawnFor.zoom != now.zoom || drawnFor.width != now.width || drawnFor.height != now.height) return false;
    const double dx = drawnFor.screenX(now.centre.longitude) - now.width / 2.0;
    const double dy = drawnFor.screenY(now.centre.latitude) - now.height / 2.0;
    return std::fabs(dx) < margin / 2.0 && std::fabs(dy) < margin / 2.0;
}

double turnMargin(double width, double height) {
    const double halfDiagonal = std::sqrt(width * width + height * height) / 2.0;
    return std::ceil(halfDiagonal - std::min(width, height) / 2.0 + height / 4.0);
}

bool pictureCovers(const PicturePlacement& picture, const MapTurn& turn) {
    for (PanelPoint corner : {PanelPoint{0, 0}, PanelPoint{turn.width, 0}, PanelPoint{0, turn.height},
                              PanelPoint{turn.width, turn.height}}) {
        const PanelPoint v = turn.toView(corner);
        if (v.x < picture.left || v.y < picture.top || v.x > picture.left + picture.width ||
            v.y > picture.top + picture.height)
            return false;
    }
    return true;
}
