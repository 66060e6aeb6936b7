#include "panels/instruments/SpeedIndicator.h"

#include <cmath>
#include <sstream>

#include "base/IniFile.h"
#include "base/StringConversions.h"
#include "base/UnitConverter.h"
#include "base/Units.h"
#include "panels/instruments/InstrumentMath.h"
#include "sensors/ScalarSensorData.h"
#include "sensors/SensorManager.h"

using namespace irr;

namespace {
const video::SColor kWhite(255, 240, 240, 240);
const video::SColor kGreen(255, 40, 190, 60);
const video::SColor kYellow(255, 240, 200, 30);
const video::SColor kRed(255, 230, 40, 30);
const video::SColor kBlue(255, 60, 130, 255);
// The dial's angles start at the bottom; the drawing counts from the top.
constexpr double kFromTop = 180.0;
}  // namespace

SpeedIndicator::SpeedIndicator(const InstrumentContext& context, const AircraftSpeeds& speeds, double scaleExponent)
    : InstrumentPanel(context, "Ground/AirSpeedIndicator"),
      speeds(speeds),
      exponent(scaleExponent),
      top(topOfScale(speeds)) {}

SpeedIndicator::SpeedIndicator(const InstrumentContext& context)
    : SpeedIndicator(context, AircraftSpeeds(), SpeedIndicatorFactory::kDefaultExponent) {}

double SpeedIndicator::topOfScale(const AircraftSpeeds& s) {
    return std::max(40.0, std::ceil(s.vne * 1.15 / 20.0) * 20.0);
}

double SpeedIndicator::angleOf(double knots) const { return kFromTop + speedScaleAngle(knots, 0, top, exponent); }

bool SpeedIndicator::drawUnderneath(const core::rect<int>& area) {
    const double t = now();
    auto* air = static_cast<AirSpeed_Data*>(airspeed.poll(context.sensors->getDefaultSensor(ISensorData::AIRSPEED), t));
    auto* ground = static_cast<GroundSpeed_Data*>(
        groundSpeed.poll(context.sensors->getDefaultSensor(ISensorData::GROUNDSPEED), t));
    SpeedSource source;
    source.hasAirspeed = air != nullptr;
    if (air) source.airspeed = air->airSpeed, source.airspeedTimeStamp = air->timeStamp;
    source.hasGroundSpeed = ground != nullptr;
    if (ground) source.groundSpeed = ground->groundSpeed;
    const SpeedReading reading = chooseDisplayedSpeed(source);
    knots = reading.value, isGround = reading.isGroundSpeed, live = air || ground;
    const uint64_t key = uint64_t(context.units->getSpeedUnit()) * 2 + (isGround ? 1 : 0);
    drawLayer(scale, makeQuadratic(area), key, [&](const core::rect<int>& d) { paintScale(d, isGround); });
    return true;
}

void SpeedIndicator::render(core::rect<int> area) {
    drawUnderneathUnlessDrawn(area);
    const core::rect<int> dial = makeQuadratic(area);
    if (!live) {
        drawUnavailable(dial);
        return;
    }
    drawTurned(texture("needle.png"), dial, angleOf(knots));
}

void SpeedIndicator::paintScale(const core::rect<int>& dial, bool isGround) const {
    drawTurned(texture("gauge_back.png"), dial, 0);
    // Arcs: white Vso..Vfe inside, green Vs..Vno and yellow Vno..Vne outside.
    drawBand(dial, angleOf(speeds.vso), angleOf(speeds.vfe), 0.74, 14, kWhite);
    drawBand(dial, angleOf(speeds.vs), angleOf(speeds.vno), 0.84, 20, kGreen);
    drawBand(dial, angleOf(speeds.vno), angleOf(speeds.vne), 0.84, 20, kYellow);
    drawTick(dial, angleOf(speeds.vne), 0.75, 0.95, 8, kRed);
    if (speeds.vsse > 0) drawTick(dial, angleOf(speeds.vsse), 0.75, 0.95, 8, kBlue);

    const double factor = units::UnitConverter::speedFactors[context.units->getSpeedUnit()] /
                          units::UnitConverter::speedFactors[units::UnitConverter::KNOTS];
    const double step = top > 200 ? 20 : 10;
    for (double s = 0; s <= top + 1e-9; s += step) {
        const bool major = std::fmod(s, step * 2) < 1e-9;
        drawTick(dial, angleOf(s), major ? 0.75 : 0.85, 0.95, major ? 5 : 3, kWhite);
        if (major) drawLabel(dial, angleOf(s), 0.6, std::to_wstring(static_cast<int>(std::lround(s * factor))), kWhite);
    }
    const int h = dial.getHeight() / 12;
    const core::vector2di c = dial.getCenter();
    drawTextSized(isGround ? L"GroundSpeed" : L"AirSpeed",
                  core::rect<int>(c.X - h * 4, c.Y + h, c.X + h * 4, c.Y + h * 2), kWhite);
    drawTextSized(context.units->getSpeedLabel(), core::rect<int>(c.X - h * 3, c.Y - h * 2, c.X + h * 3, c.Y - h),
                  kWhite);
}

void SpeedIndicatorFactory::loadSetupFromIni(IniFile* ini, std::string section) {
    const std::string text = ini->get(section, "scaleExponent");
    const double value = text.empty() ? kDefaultExponent : convertStringTo<double>(text);
    exponent = value > 0.1 && value < 10 ? value : kDefaultExponent;
}

void SpeedIndicatorFactory::setup(IniFile* ini, std::string section) {
    std::ostringstream text;
    text << exponent;
    ini->set(section, "scaleExponent", text.str());
}

IPanel* SpeedIndicatorFactory::Create() { return new SpeedIndicator(context, AircraftSpeeds(), exponent); }

void SpeedIndicatorFactory::renderPreview(core::rect<int> area) { SpeedIndicator(context).renderPreview(area); }
