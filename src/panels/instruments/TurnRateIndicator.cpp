#include "panels/instruments/TurnRateIndicator.h"

#include "app/ICommonAppContext.h"
#include "gui/Drawer2D.h"
#include "panels/instruments/InstrumentMath.h"
#include "sensors/MotionSensorData.h"
#include "sensors/ScalarSensorData.h"
#include "sensors/SensorManager.h"

using namespace irr;

namespace {
// The ball's diameter relative to the dial or the slip bar's height.
constexpr f32 kBallInDial = 40.0f / 512.0f;
constexpr f32 kBallInBar = 0.42f;

void drawBall(Drawer2D* drawer, video::ITexture* ball, const core::vector2df& centre, f32 diameter,
              video::SColor tint) {
    if (!ball) return;
    drawer->draw(ball, centre - core::vector2df(diameter / 2, diameter / 2), core::vector2df(diameter, diameter), 0,
                 core::vector2df(0.5f, 0.5f), tint);
}
}  // namespace

core::vector2df turnBallCentre(double offset) {
    // The quadratic curve of the tube: from (106, 348) through the control
    // point (256, 424) to (406, 348) in a 512-pixel dial.
    const double t = 0.5 + 0.5 * offset;
    const double x = (1 - t) * (1 - t) * 106 + 2 * (1 - t) * t * 256 + t * t * 406;
    const double y = (1 - t) * (1 - t) * 348 + 2 * (1 - t) * t * 424 + t * t * 348;
    return core::vector2df(static_cast<f32>(x / 512), static_cast<f32>(y / 512));
}

TurnRateIndicator::TurnRateIndicator(const InstrumentContext& context) : InstrumentPanel(context, "TurnCoordinator") {}

bool TurnRateIndicator::drawUnderneath(const core::rect<int>& area) {
    drawDial(texture("turn_bg.png"), makeQuadratic(area));
    return true;
}

void TurnRateIndicator::render(core::rect<int> area) {
    drawUnderneathUnlessDrawn(area);
    const core::rect<int> dial = makeQuadratic(area);
    const double t = now();
    auto* rate =
        static_cast<TurnRate_Data*>(turnRate.poll(context.sensors->getDefaultSensor(ISensorData::TURNRATE), t));
    auto* acc = static_cast<Acceleration_Data*>(
        acceleration.poll(context.sensors->getDefaultSensor(ISensorData::ACCELERATION), t));
    const f32 side = static_cast<f32>(dial.getWidth());
    const core::vector2df ball = turnBallCentre(acc ? slipBallOffset(acc->x, acc->y) : 0.0) * side +
                                 core::vector2df(dial.UpperLeftCorner.X, dial.UpperLeftCorner.Y);
    drawBall(context.app->getDrawer(), texture("turn_ball.png"), ball, side * kBallInDial, tint());
    drawTurned(texture("turn_plane.png"), dial, rate ? turnSymbolBank(rate->turnRate) : 0.0);
    if (!rate) drawUnavailable(dial);
}

SlipIndicator::SlipIndicator(const InstrumentContext& context) : InstrumentPanel(context, "Slip/Skid Indicator") {}

core::rect<int> SlipIndicator::barIn(const core::rect<int>& area) {
    int w = area.getWidth(), h = area.getHeight();
    if (w > 4 * h) w = 4 * h;
    else h = w / 4;
    const core::vector2di c = area.getCenter();
    return core::rect<int>(c.X - w / 2, c.Y - h / 2, c.X + w / 2, c.Y + h / 2);
}

bool SlipIndicator::drawUnderneath(const core::rect<int>& area) {
    drawDial(texture("slip_bg.png"), barIn(area));
    return true;
}

void SlipIndicator::render(core::rect<int> area) {
    drawUnderneathUnlessDrawn(area);
    const core::rect<int> bar = barIn(area);
    const int w = bar.getWidth(), h = bar.getHeight();
    auto* acc = static_cast<Acceleration_Data*>(
        acceleration.poll(context.sensors->getDefaultSensor(ISensorData::ACCELERATION), now()));
    // The tube runs from 54 to 458 of the 512-pixel-wide artwork.
    const f32 offset = static_cast<f32>(acc ? slipBallOffset(acc->x, acc->y) : 0.0);
    const core::vector2df centre(bar.UpperLeftCorner.X + w * (256.0f + offset * 202.0f) / 512.0f,
                                 bar.UpperLeftCorner.Y + h * 0.5f);
    drawBall(context.app->getDrawer(), texture("slip_bot.png"), centre, h * kBallInBar, tint());
    drawTurned(texture("slip_top.png"), bar, 0);
    if (!acc) drawUnavailable(bar);
}
