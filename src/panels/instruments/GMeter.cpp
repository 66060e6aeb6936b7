#include "panels/instruments/GMeter.h"

#include <algorithm>
#include <cmath>

#include "panels/instruments/InstrumentMath.h"
#include "sensors/MotionSensorData.h"
#include "sensors/SensorManager.h"

using namespace irr;

namespace {
constexpr double kStandardGravity = 9.81;
const video::SColor kWhite(255, 240, 240, 240);
}  // namespace

GMeter::GMeter(const InstrumentContext& context) : InstrumentPanel(context, "G-Meter") {}

bool GMeter::drawUnderneath(const core::rect<int>& area) {
    drawLayer(scale, makeQuadratic(area), 0, [this](const core::rect<int>& d) {
        drawTurned(texture("gauge_back.png"), d, 0);
        drawBand(d, gMeterAngle(-1.0), gMeterAngle(3.8), 0.86, 16, video::SColor(255, 40, 190, 60));
        drawTick(d, gMeterAngle(3.8), 0.75, 0.95, 8, video::SColor(255, 230, 40, 30));
        for (int g = static_cast<int>(kGMeterMinimum); g <= static_cast<int>(kGMeterMaximum); ++g) {
            drawTick(d, gMeterAngle(g), 0.75, 0.95, 5, kWhite);
            drawLabel(d, gMeterAngle(g), 0.6, std::to_wstring(g), kWhite);
            if (g < kGMeterMaximum) drawTick(d, gMeterAngle(g + 0.5), 0.86, 0.95, 3, kWhite);
        }
        const core::vector2di c = d.getCenter();
        const int h = d.getHeight() / 12;
        drawTextSized(L"G", core::rect<int>(c.X - h, c.Y + h, c.X + h, c.Y + 2 * h), kWhite);
    });
    return true;
}

void GMeter::render(core::rect<int> area) {
    drawUnderneathUnlessDrawn(area);
    dial = makeQuadratic(area);
    auto* acc = static_cast<Acceleration_Data*>(
        acceleration.poll(context.sensors->getDefaultSensor(ISensorData::ACCELERATION), now()));
    if (!acc) {
        drawUnavailable(dial);
        return;
    }
    // The samples carry gravity as a downward acceleration: -9.81 on the
    // vertical axis in level flight is 1 g.
    const double g = -acc->y / kStandardGravity;
    lowest = std::min(lowest, g);
    highest = std::max(highest, g);
    drawTick(dial, gMeterAngle(lowest), 0.3, 0.7, 4, video::SColor(255, 255, 176, 0));
    drawTick(dial, gMeterAngle(highest), 0.3, 0.7, 4, video::SColor(255, 255, 176, 0));
    drawTurned(texture("needle.png"), dial, gMeterAngle(g));
}

bool GMeter::processEvent(SEvent event) {
    if (event.EventType == EET_MOUSE_INPUT_EVENT && event.MouseInput.Event == EMIE_LMOUSE_LEFT_UP &&
        dial.isPointInside(core::position2d<int>(event.MouseInput.X, event.MouseInput.Y))) {
        lowest = highest = 1.0;
        return false;
    }
    return true;
}
