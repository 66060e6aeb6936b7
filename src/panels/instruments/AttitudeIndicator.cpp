#include "panels/instruments/AttitudeIndicator.h"

#include <cmath>

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

AttitudeIndicator::AttitudeIndicator(const InstrumentContext& context)
    : InstrumentPanel(context, "AttitudeIndicator") {}

void AttitudeIndicator::render(core::rect<int> area) {
    const core::rect<int> dial = makeQuadratic(area);
    auto* sample = static_cast<Attitude_Data*>(
        attitude.poll(context.sensors->getDefaultSensor(ISensorData::ATTITUDE), now()));
    shown = sample ? attitudeAngles(sample->orientation.getForwardVector(), sample->orientation.getUpVector())
                   : PitchRoll{0, 0};

    drawTurned(texture("ai_back.png"), dial, 0);
    const f32 side = static_cast<f32>(dial.getWidth());
    const f32 size = static_cast<f32>(side * kHorizonScale);
    const core::vector2df centre(dial.UpperLeftCorner.X + side / 2, dial.UpperLeftCorner.Y + side / 2);
    const core::vector2df c = horizonCentre(centre, side, shown.pitch, shown.roll);
    // Sky and ground only through the window, which the case's ring
    // (ai_top) borders; a pixel more hides the seam under it.
    if (video::ITexture* horizon = texture("ai_horizon.png"))
        context.app->getDrawer()->drawInCircle(horizon, c - core::vector2df(size / 2, size / 2),
                                               core::vector2df(size, size), static_cast<f32>(shown.roll), centre,
                                               side / 2 * kWindowRadius + 1, tint());
    // The bank pointer turns with the sky; counter-clockwise is positive.
    drawTurned(texture("ai_roll.png"), dial, -shown.roll);
    drawTurned(texture("ai_top.png"), dial, 0);
    if (!sample) drawUnavailable(dial);
}
