#include "panels/instruments/AttitudeIndicator.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "app/ICommonAppContext.h"
#include "base/Units.h"
#include "gui/Drawer2D.h"
#include "sensors/MotionSensorData.h"
#include "sensors/SensorManager.h"

using namespace irr;

core::vector2df horizonCentre(const core::vector2df& dialCentre, double side, double pitch, double roll) {
    const double shift = pitch / 90.0 * 0.76 * side / 2.0;
    const double r = roll * units::kPi / 180.0;
    // Nose up moves the horizon down the dial; the bank turns that direction
    // counter-clockwise on the screen (y grows downwards).
    return core::vector2df(static_cast<f32>(dialCentre.X + shift * std::sin(r)),
                           static_cast<f32>(dialCentre.Y + shift * std::cos(r)));
}

namespace {
// The colours of the sky-and-ground picture (ai_horizon).
const video::SColor kSky(255, 0x2f, 0x7f, 0xd0);
const video::SColor kGround(255, 0x8a, 0x5a, 0x2b);
const video::SColor kHorizonLine(255, 0xf2, 0xf2, 0xf2);
// The part of the picture that holds the pitch ladder and its numbers (to
// 60 degrees either way); elsewhere it is plain sky and ground.
constexpr double kLadderLeft = 0.425, kLadderRight = 0.575, kLadderTop = 0.355, kLadderBottom = 0.645;
// The aircraft symbol in the case's picture (ai_top), fractions of its side.
constexpr double kSymbolLeft = 100.0 / 512, kSymbolRight = 412.0 / 512, kSymbolTop = 240.0 / 512,
                 kSymbolBottom = 284.0 / 512;
// Across the window's edge, pixels: the case's smooth edge drawn again over
// the sky's polygon.
constexpr double kEdgeWidth = 3;

video::SColor tinted(video::SColor colour, video::SColor tint) {
    return video::SColor(255, colour.getRed() * tint.getRed() / 255, colour.getGreen() * tint.getGreen() / 255,
                         colour.getBlue() * tint.getBlue() / 255);
}
}  // namespace

AttitudeIndicator::AttitudeIndicator(const InstrumentContext& context)
    : InstrumentPanel(context, "AttitudeIndicator") {}

bool AttitudeIndicator::drawUnderneath(const core::rect<int>& area) {
    // The case with its bank scale, opaque over the page; render() fills
    // the window, which shows the page's colour until then.
    drawDial(texture("ai_top.png"), makeQuadratic(area));
    return true;
}

void AttitudeIndicator::render(core::rect<int> area) {
    drawUnderneathUnlessDrawn(area);
    const core::rect<int> dial = makeQuadratic(area);
    auto* sample =
        static_cast<Attitude_Data*>(attitude.poll(context.sensors->getDefaultSensor(ISensorData::ATTITUDE), now()));
    shown = sample ? attitudeAngles(sample->orientation.getForwardVector(), sample->orientation.getUpVector())
                   : PitchRoll{0, 0};

    const f32 side = static_cast<f32>(dial.getWidth());
    const core::vector2df centre(dial.UpperLeftCorner.X + side / 2, dial.UpperLeftCorner.Y + side / 2);
    drawWindow(centre, side, horizonCentre(centre, side, shown.pitch, shown.roll));
    // The bank pointer turns with the sky; counter-clockwise is positive.
    drawTurned(texture("ai_roll.png"), dial, -shown.roll);
    drawOverWindow(dial);
    if (!sample) drawUnavailable(dial);
}

void AttitudeIndicator::drawWindow(const core::vector2df& dialCentre, f32 side, const core::vector2df& c) const {
    // Sky and ground are plain colours, each filling its side of the
    // horizon in the window; only the ladder comes from the picture. The
    // software renderer then shades each pixel of the window once instead
    // of sampling a turned picture for all of it.
    Drawer2D* d = context.app->getDrawer();
    const video::SColor tint = this->tint();
    const double radius = side / 2 * kWindowRadius;
    const double roll = shown.roll * units::kPi / 180.0;
    // Along the horizon and towards the ground, as the bank turns them.
    const core::vector2df along(f32(std::cos(roll)), f32(-std::sin(roll))),
        down(f32(std::sin(roll)), f32(std::cos(roll)));
    shapes::polygonAroundCircle(dialCentre.X, dialCentre.Y, radius, shapes::circleSegments(radius), window);
    shapes::clipToHalfPlane(window, c.X, c.Y, -down.X, -down.Y, part);
    d->fillConvexPolygon(part, tinted(kSky, tint));
    shapes::clipToHalfPlane(window, c.X, c.Y, down.X, down.Y, part);
    d->fillConvexPolygon(part, tinted(kGround, tint));

    const core::vector2df offset = dialCentre - c;
    const double across = offset.dotProduct(down);
    if (std::fabs(across) < radius) {
        const core::vector2df foot = c + along * offset.dotProduct(along);
        const f32 half = f32(std::sqrt(radius * radius - across * across));
        d->drawLine(foot - along * half, foot + along * half, std::max(2.0f, side * 0.007f),
                    tinted(kHorizonLine, tint));
    }
    video::ITexture* picture = texture("ai_horizon.png");
    if (!picture) return;
    // The ladder's part of the turned picture, as far as the window shows it.
    const f32 size = static_cast<f32>(side * kHorizonScale);
    const auto clipTo = [&](double fraction, const core::vector2df& axis, f32 sign) {
        const core::vector2df edge = c + axis * f32((fraction - 0.5) * size);
        shapes::clipToHalfPlane(window, edge.X, edge.Y, sign * axis.X, sign * axis.Y, part);
        window.swap(part);
    };
    clipTo(kLadderLeft, along, 1), clipTo(kLadderRight, along, -1);
    clipTo(kLadderTop, down, 1), clipTo(kLadderBottom, down, -1);
    ladder.clear();
    shapes::appendFan(window, ladder);
    const s32 pictureSide = s32(std::lround(size));
    d->drawWithin(atSize(picture, core::rect<s32>(0, 0, pictureSide, pictureSide)),
                  c - core::vector2df(size / 2, size / 2), core::vector2df(size, size), f32(shown.roll),
                  core::vector2df(0.5f, 0.5f), ladder, tint, true);
}

void AttitudeIndicator::drawOverWindow(const core::rect<int>& dial) const {
    video::ITexture* picture = texture("ai_top.png");
    if (!picture) return;
    // The case's edge around the window, smooth over the sky's polygon, and
    // the aircraft symbol: one call, from the case's picture.
    const f32 side = f32(dial.getWidth()), left = f32(dial.UpperLeftCorner.X), top = f32(dial.UpperLeftCorner.Y);
    const core::vector2df centre = core::vector2df(left, top) + core::vector2df(side / 2, side / 2);
    shapes::thickArc(centre.X, centre.Y, side / 2 * kWindowRadius, kEdgeWidth, 0, 360, overWindow);
    const auto at = [&](double u, double v) {
        shapes::Vertex p;
        p.x = left + u * side, p.y = top + v * side;
        return p;
    };
    shapes::appendQuad(overWindow, at(kSymbolLeft, kSymbolTop), at(kSymbolRight, kSymbolTop),
                       at(kSymbolRight, kSymbolBottom), at(kSymbolLeft, kSymbolBottom));
    context.app->getDrawer()->drawWithin(atSize(picture, dial), core::vector2df(left, top), core::vector2df(side, side),
                                         0, core::vector2df(0.5f, 0.5f), overWindow, tint());
}
