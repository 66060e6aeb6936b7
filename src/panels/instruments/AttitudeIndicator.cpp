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
// The columns of the picture that hold the pitch ladder and its numbers.
constexpr double kLadderLeft = 0.425, kLadderRight = 0.575;
// Where the case's picture (ai_top) is not transparent, in fractions of its
// side: the ring around the largest square inside the window, and the strip
// across the window with the aircraft symbol. Its empty middle would cost as
// much to draw as the rest.
constexpr double kSquare = 116.0 / 512.0;
const shapes::Rect kCaseParts[] = {
    {0, 0, 1, kSquare},
    {0, 1 - kSquare, 1, 1},
    {0, kSquare, kSquare, 1 - kSquare},
    {1 - kSquare, kSquare, 1, 1 - kSquare},
    {kSquare, 240.0 / 512.0, 1 - kSquare, 284.0 / 512.0},
};

video::SColor tinted(video::SColor colour, video::SColor tint) {
    return video::SColor(255, colour.getRed() * tint.getRed() / 255, colour.getGreen() * tint.getGreen() / 255,
                         colour.getBlue() * tint.getBlue() / 255);
}
}  // namespace

AttitudeIndicator::AttitudeIndicator(const InstrumentContext& context)
    : InstrumentPanel(context, "AttitudeIndicator") {}

void AttitudeIndicator::render(core::rect<int> area) {
    const core::rect<int> dial = makeQuadratic(area);
    auto* sample = static_cast<Attitude_Data*>(
        attitude.poll(context.sensors->getDefaultSensor(ISensorData::ATTITUDE), now()));
    shown = sample ? attitudeAngles(sample->orientation.getForwardVector(), sample->orientation.getUpVector())
                   : PitchRoll{0, 0};

    const f32 side = static_cast<f32>(dial.getWidth());
    const core::vector2df centre(dial.UpperLeftCorner.X + side / 2, dial.UpperLeftCorner.Y + side / 2);
    drawSkyAndGround(centre, side, horizonCentre(centre, side, shown.pitch, shown.roll));
    // The bank pointer turns with the sky; counter-clockwise is positive.
    drawTurned(texture("ai_roll.png"), dial, -shown.roll);
    separatePass();
    drawCase(dial);
    if (!sample) drawUnavailable(dial);
}

void AttitudeIndicator::drawSkyAndGround(const core::vector2df& dialCentre, f32 side, const core::vector2df& c) const {
    // Sky and ground are plain colours, each filling its side of the
    // horizon in an octagon around the window (its corners lie under the
    // case's ring); only the ladder comes from the picture. The software
    // renderer then shades each pixel of the window once or twice instead
    // of sampling a turned picture for all of it.
    Drawer2D* d = context.app->getDrawer();
    const video::SColor tint = this->tint();
    const double radius = side / 2 * kWindowRadius + 1;
    const double roll = shown.roll * units::kPi / 180.0;
    // Along the horizon and towards the ground, as the bank turns them.
    const core::vector2df along(f32(std::cos(roll)), f32(-std::sin(roll))), down(f32(std::sin(roll)), f32(std::cos(roll)));
    shapes::polygonAroundCircle(dialCentre.X, dialCentre.Y, radius, 8, window);
    shapes::clipToHalfPlane(window, c.X, c.Y, -down.X, -down.Y, part);
    d->fillConvexPolygon(part, tinted(kSky, tint));
    shapes::clipToHalfPlane(window, c.X, c.Y, down.X, down.Y, part);
    d->fillConvexPolygon(part, tinted(kGround, tint));

    const core::vector2df offset = dialCentre - c;
    const double across = offset.dotProduct(down);
    if (std::fabs(across) < radius) {
        const core::vector2df foot = c + along * offset.dotProduct(along);
        const f32 half = f32(std::sqrt(radius * radius - across * across));
        d->drawLine(foot - along * half, foot + along * half, std::max(2.0f, side * 0.007f), tinted(kHorizonLine, tint));
    }
    video::ITexture* picture = texture("ai_horizon.png");
    if (!picture) return;
    const f32 size = static_cast<f32>(side * kHorizonScale);
    // The picture's rows that pass through the window.
    const double middle = 0.5 + across / size, reach = radius / size;
    const shapes::Rect ladder{kLadderLeft, std::max(0.0, middle - reach), kLadderRight, std::min(1.0, middle + reach)};
    const s32 pictureSide = s32(std::lround(size));
    picture = atSize(picture, core::rect<s32>(0, 0, pictureSide, pictureSide));
    if (!ladder.isEmpty())
        d->drawPart(picture, c - core::vector2df(size / 2, size / 2), core::vector2df(size, size), f32(shown.roll),
                    core::vector2df(0.5f, 0.5f), ladder, tint);
}

void AttitudeIndicator::drawCase(const core::rect<int>& dial) const {
    video::ITexture* picture = texture("ai_top.png");
    if (!picture) return;
    const core::vector2df position(f32(dial.UpperLeftCorner.X), f32(dial.UpperLeftCorner.Y));
    const core::vector2df size(f32(dial.getWidth()), f32(dial.getHeight()));
    context.app->getDrawer()->drawParts(atSize(picture, dial), position, size, 0, core::vector2df(0.5f, 0.5f), kCaseParts,
                                        sizeof kCaseParts / sizeof kCaseParts[0], tint());
}
