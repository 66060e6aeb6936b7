#include "panels/instruments/AttitudeIndicator.h"

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
// The aircraft symbol in the case's picture (ai_top), fractions of its side.
constexpr double kSymbolLeft = 100.0 / 512, kSymbolRight = 412.0 / 512, kSymbolTop = 240.0 / 512,
                 kSymbolBottom = 284.0 / 512;
// How far the window's polygon may reach past the window's edge, and how
// far inside the edge the case's smooth edge begins, pixels: the case's
// picture is drawn again over that band (what it covers of the case is the
// same picture again, and inside the edge the picture is transparent).
constexpr double kWindowOvershoot = 3, kEdgeInside = 1.5;
// Corners of the band: its triangles may reach well into the case's ring.
constexpr int kEdgeCorners = 12;
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
    // The turned picture of sky, ground and ladder, inside a polygon around
    // the window with few corners, drawn without blending: a software
    // renderer pays for every triangle in every tile it touches, and for
    // every blended pixel twice.
    video::ITexture* picture = texture("ai_horizon.png");
    if (!picture) return;
    const double radius = side / 2 * kWindowRadius;
    shapes::polygonAroundCircle(dialCentre.X, dialCentre.Y, radius, shapes::cornersAround(radius, kWindowOvershoot),
                                window);
    windowTriangles.clear();
    shapes::appendFan(window, windowTriangles);
    const f32 size = static_cast<f32>(side * kHorizonScale);
    const s32 pictureSide = s32(std::lround(size));
    context.app->getDrawer()->drawWithin(atSize(picture, core::rect<s32>(0, 0, pictureSide, pictureSide)),
                                         c - core::vector2df(size / 2, size / 2), core::vector2df(size, size),
                                         f32(shown.roll), core::vector2df(0.5f, 0.5f), windowTriangles, tint(), true);
}

void AttitudeIndicator::drawOverWindow(const core::rect<int>& dial) const {
    video::ITexture* picture = texture("ai_top.png");
    if (!picture) return;
    // The case's edge around the window, smooth over the window's polygon, and
    // the aircraft symbol: one call, from the case's picture.
    const f32 side = f32(dial.getWidth()), left = f32(dial.UpperLeftCorner.X), top = f32(dial.UpperLeftCorner.Y);
    const core::vector2df centre = core::vector2df(left, top) + core::vector2df(side / 2, side / 2);
    const double radius = side / 2 * kWindowRadius;
    shapes::polygonRing(centre.X, centre.Y, radius - kEdgeInside, radius + kWindowOvershoot, kEdgeCorners, overWindow);
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
