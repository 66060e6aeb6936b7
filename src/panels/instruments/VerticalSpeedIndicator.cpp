#include "panels/instruments/VerticalSpeedIndicator.h"

#include "base/UnitConverter.h"
#include "base/Units.h"
#include "panels/instruments/InstrumentMath.h"
#include "sensors/SensorManager.h"

using namespace irr;

VerticalSpeedIndicator::VerticalSpeedIndicator(const InstrumentContext& context)
    : InstrumentPanel(context, "VerticalSpeedIndicator") {}

bool VerticalSpeedIndicator::drawUnderneath(const core::rect<int>& area) {
    const bool metric = context.units->getVerticalSpeedUnit() == units::UnitConverter::METRES_PER_SECOND;
    drawDial(texture(metric ? "vsi_bg_m.png" : "vsi_bg.png"), makeQuadratic(area));
    return true;
}

void VerticalSpeedIndicator::render(core::rect<int> area) {
    drawUnderneathUnlessDrawn(area);
    const core::rect<int> dial = makeQuadratic(area);
    SensorManager* s = context.sensors;
    const double t = now();
    bool live = verticalSpeed.poll(s->getDefaultSensor(ISensorData::VERTICALSPEED), t) != nullptr;
    if (s->isVerticalSpeedDerivedFromPressure()) {
        live |= outsidePressure.poll(s->getDefaultSensor(ISensorData::OUTSIDE_PRESSURE), t) != nullptr;
        live |= insidePressure.poll(s->getDefaultSensor(ISensorData::INSIDE_PRESSURE), t) != nullptr;
    }
    if (!live) {
        drawUnavailable(dial);
        return;
    }
    const double feetPerMinute = s->getFilteredVerticalSpeed() / units::kMetresPerFoot * 60.0;
    // Zero points to nine o'clock; climbs turn the needle clockwise.
    drawTurned(texture("needle.png"), dial, 270.0 + verticalSpeedDeflection(feetPerMinute));
}
