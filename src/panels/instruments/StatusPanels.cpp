#include "panels/instruments/StatusPanels.h"

#include <algorithm>
#include <set>

#include "app/ICommonAppContext.h"
#include "base/StringConversions.h"
#include "gui/Drawer2D.h"
#include "panels/PanelManager.h"
#include "sensors/SensorManager.h"

using namespace irr;

namespace {
// The sources whose state the lamp shows: those that decide the overall
// warning level.
constexpr ISensorData::Type kWatched[] = {ISensorData::POSITION, ISensorData::ATTITUDE, ISensorData::HEADING,
                                          ISensorData::ALTITUDE};

video::SColor lampColour(ISensor::WarningLevel level) {
    switch (level) {
    case ISensor::GOOD:
        return video::SColor(255, 40, 200, 70);
    case ISensor::MAYBE_WRONG:
        return video::SColor(255, 245, 170, 20);
    default:
        return video::SColor(255, 230, 40, 30);
    }
}
}  // namespace

WarningLamp::WarningLamp(const InstrumentContext& context) : InstrumentPanel(context, "WarningLamp") {}

void WarningLamp::render(core::rect<int> area) {
    lamp = area;
    const int side = std::min(area.getWidth(), area.getHeight());
    const core::vector2df c(static_cast<f32>(area.getCenter().X), static_cast<f32>(area.getCenter().Y));
    const ISensor::WarningLevel level = context.sensors->getDefaultSensorsWarningLevel();
    Drawer2D* d = context.app->getDrawer();
    d->fillCircle(c, side * 0.45f, video::SColor(255, 30, 30, 30));
    video::SColor colour = lampColour(level);
    if (isNight())
        colour = video::SColor(255, colour.getRed() * 3 / 4, colour.getGreen() * 3 / 4, colour.getBlue() * 3 / 4);
    d->fillCircle(c, side * 0.38f, colour);
    drawTextSized(level == ISensor::GOOD          ? L"OK"
                  : level == ISensor::MAYBE_WRONG ? L"CHECK"
                                                  : L"SENS",
                  core::rect<int>(int(c.X) - side / 3, int(c.Y) - side / 6, int(c.X) + side / 3, int(c.Y) + side / 6),
                  video::SColor(255, 0, 0, 0));
}

bool WarningLamp::processEvent(SEvent event) {
    if (event.EventType != EET_MOUSE_INPUT_EVENT || event.MouseInput.Event != EMIE_LMOUSE_LEFT_UP ||
        !lamp.isPointInside(core::position2d<int>(event.MouseInput.X, event.MouseInput.Y)))
        return true;
    std::set<ISensor*> seen;
    std::wstring details;
    for (ISensorData::Type type : kWatched) {
        ISensor* sensor = context.sensors->getDefaultSensor(type);
        if (!sensor || !seen.insert(sensor).second) continue;
        std::wstring text = sensor->getSensorDetails();
        if (text.empty()) text = L"no details";
        details += convertUtf8ToWString(sensor->getName()) + L":\n" + text + L"\n";
        sensor->OnWarningLampClick();
    }
    if (context.showMessageBox) context.showMessageBox(L"Sensors", details);
    else if (context.panels) context.panels->setMessage(this, details, PanelManager::NOTICE, 10000);
    return false;
}

BatteryPanel::BatteryPanel(const InstrumentContext& context) : InstrumentPanel(context, "BatteryPanel") {}

void BatteryPanel::render(core::rect<int> area) {
    SensorManager* s = context.sensors;
    Drawer2D* d = context.app->getDrawer();
    // A battery outline with its tip on the right, filled to the charge.
    const int tip = std::max(2, area.getWidth() / 12);
    const core::rect<int> body(area.UpperLeftCorner.X + 2, area.UpperLeftCorner.Y + area.getHeight() / 6,
                               area.LowerRightCorner.X - tip - 2, area.LowerRightCorner.Y - area.getHeight() / 6);
    const video::SColor outline(255, 200, 200, 200);
    d->drawPolyline({core::vector2df(body.UpperLeftCorner.X, body.UpperLeftCorner.Y),
                     core::vector2df(body.LowerRightCorner.X, body.UpperLeftCorner.Y),
                     core::vector2df(body.LowerRightCorner.X, body.LowerRightCorner.Y),
                     core::vector2df(body.UpperLeftCorner.X, body.LowerRightCorner.Y)},
                    2.0f, outline, true);
    const int third = body.getHeight() / 3;
    d->fillRectangle(core::rect<int>(body.LowerRightCorner.X, body.UpperLeftCorner.Y + third,
                                     body.LowerRightCorner.X + tip, body.LowerRightCorner.Y - third),
                     outline);
    if (!s->isBatteryAvailable()) {
        drawTextSized(L"AC", body, outline);
        return;
    }
    const double level = std::clamp(s->getBatteryLevel(), 0.0, 1.0);
    const video::SColor fill = level <= 0.15  ? video::SColor(255, 230, 40, 30)
                               : level <= 0.3 ? video::SColor(255, 245, 170, 20)
                                              : video::SColor(255, 40, 200, 70);
    const int inner = body.getWidth() - 6;
    d->fillRectangle(
        core::rect<int>(body.UpperLeftCorner.X + 3, body.UpperLeftCorner.Y + 3,
                        body.UpperLeftCorner.X + 3 + static_cast<int>(inner * level), body.LowerRightCorner.Y - 3),
        fill);
    std::wstring text = std::to_wstring(static_cast<int>(level * 100 + 0.5)) + L"%";
    if (!s->isBatteryDischarging()) text += L" +";
    drawTextSized(text, body, video::SColor(255, 255, 255, 255));
}
