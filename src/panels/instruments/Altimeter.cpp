#include "panels/instruments/Altimeter.h"

#include <functional>
#include <string>

#include "base/UnitConverter.h"
#include "panels/Menu.h"
#include "panels/PanelManager.h"
#include "panels/instruments/InstrumentMath.h"
#include "sensors/SensorManager.h"

using namespace irr;

Altimeter::Altimeter(const InstrumentContext& context) : InstrumentPanel(context, "Altimeter") {}

bool Altimeter::isLive() {
    // Barometric or GNSS altitude: any live source of them will do.
    SensorManager* s = context.sensors;
    const double t = now();
    const bool a = altitude.poll(s->getDefaultSensor(ISensorData::ALTITUDE), t) != nullptr;
    const bool o = outsidePressure.poll(s->getDefaultSensor(ISensorData::OUTSIDE_PRESSURE), t) != nullptr;
    const bool i = insidePressure.poll(s->getDefaultSensor(ISensorData::INSIDE_PRESSURE), t) != nullptr;
    return a || o || i;
}

bool Altimeter::drawUnderneath(const core::rect<int>& area) {
    const std::wstring setting = context.sensors->getAltimeterSetting();
    drawLayer(face, makeQuadratic(area), std::hash<std::wstring>()(setting), [&](const core::rect<int>& d) {
        drawTurned(texture("alt_bg.png"), d, 0);
        // The setting window sits right of the centre (see the dial artwork).
        const f32 unit = d.getWidth() / 512.0f;
        const core::vector2di c = d.getCenter();
        const core::rect<int> window(c.X + static_cast<int>(70 * unit), c.Y - static_cast<int>(22 * unit),
                                     c.X + static_cast<int>(174 * unit), c.Y + static_cast<int>(22 * unit));
        drawTextSized(setting, window, video::SColor(255, 240, 240, 240));
    });
    return true;
}

void Altimeter::render(core::rect<int> area) {
    drawUnderneathUnlessDrawn(area);
    dial = makeQuadratic(area);
    if (!isLive()) {
        drawUnavailable(dial);
        return;
    }
    const AltimeterNeedles n =
        altimeterNeedleAngles(context.units->toAltitude(context.sensors->getIndicatedAltitude()));
    drawTurned(texture("alt_10000.png"), dial, n.tenThousands);
    drawTurned(texture("alt_1000.png"), dial, n.thousands);
    drawTurned(texture("alt_100.png"), dial, n.hundreds);
}

bool Altimeter::processEvent(SEvent event) {
    if (event.EventType == EET_MOUSE_INPUT_EVENT && event.MouseInput.Event == EMIE_LMOUSE_LEFT_UP &&
        dial.isPointInside(core::position2d<int>(event.MouseInput.X, event.MouseInput.Y)) && context.panels &&
        context.panels->getMenu())
        context.panels->getMenu()->showAltimeterSettings();
    return true;
}
