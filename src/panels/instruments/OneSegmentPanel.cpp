#include "panels/instruments/OneSegmentPanel.h"

#include <algorithm>

#include "app/ICommonAppContext.h"
#include "base/IniFile.h"
#include "base/StringConversions.h"
#include "gui/Drawer2D.h"
#include "sensors/GPS_Data.h"
#include "sensors/PressureAltitude.h"
#include "sensors/ScalarSensorData.h"
#include "sensors/SensorManager.h"

using namespace irr;

namespace {
constexpr double kStandardPressure = 1013.25;

std::optional<double> pressureAltitude(ISensorData* sample) {
    auto* p = static_cast<Pressure_Data*>(sample);
    if (!p || p->pressure < 100) return std::nullopt;
    return calcAltitudeFromPressure(p->pressure, kStandardPressure);
}
}  // namespace

OneSegmentPanel::OneSegmentPanel(const InstrumentContext& context, const Style& style)
    : InstrumentPanel(context, "OneSegmentPanel"), style(style) {}

OneSegmentInputs OneSegmentPanel::gather() {
    SensorManager* s = context.sensors;
    const double t = now();
    OneSegmentInputs in;
    if (auto* h = static_cast<Heading_Data*>(heading.poll(s->getDefaultSensor(ISensorData::HEADING), t)))
        in.headingDegrees = h->heading;
    auto* fix = static_cast<GPS_Data*>(gps.poll(s->getDefaultSensor(ISensorData::GPS), t));
    if (auto* g = static_cast<GroundSpeed_Data*>(groundSpeed.poll(s->getDefaultSensor(ISensorData::GROUNDSPEED), t)))
        in.groundSpeedKnots = g->groundSpeed;
    else if (fix && fix->groundSpeed >= 0) in.groundSpeedKnots = fix->groundSpeed;
    if (altitude.poll(s->getDefaultSensor(ISensorData::ALTITUDE), t) || s->getMostSuitablePressureData())
        in.altitudeMetres = s->getIndicatedAltitude();
    if (fix) in.satellites = fix->satellites;
    in.utcFromGnss = s->getUTCTime(in.hour, in.minute, in.second);
    in.insidePressureAltitudeMetres =
        pressureAltitude(insidePressure.poll(s->getDefaultSensor(ISensorData::INSIDE_PRESSURE), t));
    in.outsidePressureAltitudeMetres =
        pressureAltitude(outsidePressure.poll(s->getDefaultSensor(ISensorData::OUTSIDE_PRESSURE), t));
    in.warningLevel = s->getDefaultSensorsWarningLevel();
    return in;
}

void OneSegmentPanel::render(core::rect<int> area) {
    const OneSegmentText text = oneSegmentText(style.type, gather(), *context.units);
    const int labelHeight = area.getHeight() / 3;
    const core::rect<int> labelBox(area.UpperLeftCorner.X, area.UpperLeftCorner.Y, area.LowerRightCorner.X,
                                   area.UpperLeftCorner.Y + labelHeight);
    // A little room at the sides, so that neighbouring values shrunk to fit
    // their segments never run into each other.
    const int side = std::max(2, area.getWidth() / 25);
    const core::rect<int> valueBox(area.UpperLeftCorner.X + side, area.UpperLeftCorner.Y + labelHeight,
                                   area.LowerRightCorner.X - side, area.LowerRightCorner.Y);
    const video::SColor muted(style.colour.getAlpha(), style.colour.getRed() / 2 + 64, style.colour.getGreen() / 2 + 64,
                              style.colour.getBlue() / 2 + 64);
    drawTextSized(text.label, labelBox, muted);
    drawTextSized(text.value, valueBox, style.colour);
    Drawer2D* d = context.app->getDrawer();
    const f32 x0 = static_cast<f32>(area.UpperLeftCorner.X), y0 = static_cast<f32>(area.UpperLeftCorner.Y);
    const f32 x1 = static_cast<f32>(area.LowerRightCorner.X - 1), y1 = static_cast<f32>(area.LowerRightCorner.Y - 1);
    if (style.bottomBorder) d->drawLine(core::vector2df(x0, y1), core::vector2df(x1, y1), 1.5f, muted);
    if (style.rightBorder) d->drawLine(core::vector2df(x1, y0), core::vector2df(x1, y1), 1.5f, muted);
}

void OneSegmentPanelFactory::loadSetupFromIni(IniFile* ini, std::string section) {
    typeName = ini->get(section, "Type", "HEADING");
    style.type = parseOneSegmentType(typeName);
    auto channel = [&](const char* key, int fallback) {
        const std::string v = ini->get(section, key);
        return v.empty() ? fallback : convertStringTo<int>(v);
    };
    style.colour =
        video::SColor(channel("Color.A", 255), channel("Color.R", 0), channel("Color.G", 0), channel("Color.B", 128));
    style.bottomBorder = channel("drawBottomBorder", 0) != 0;
    style.rightBorder = channel("drawRightBorder", 0) != 0;
}

void OneSegmentPanelFactory::setup(IniFile* ini, std::string section) {
    ini->set(section, "Type", typeName);
    ini->set(section, "Color.R", std::to_string(style.colour.getRed()));
    ini->set(section, "Color.G", std::to_string(style.colour.getGreen()));
    ini->set(section, "Color.B", std::to_string(style.colour.getBlue()));
    ini->set(section, "Color.A", std::to_string(style.colour.getAlpha()));
    ini->set(section, "Font", "Roboto");
    ini->set(section, "drawBottomBorder", style.bottomBorder ? "1" : "0");
    ini->set(section, "drawRightBorder", style.rightBorder ? "1" : "0");
}

IPanel* OneSegmentPanelFactory::Create() { return new OneSegmentPanel(context, style); }

void OneSegmentPanelFactory::renderPreview(core::rect<int> area) { OneSegmentPanel(context, style).render(area); }
