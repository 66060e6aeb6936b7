#include "panels/instruments/GlidePanels.h"

#include <cmath>
#include <cwchar>
#include <vector>

#include "base/UnitConverter.h"
#include "base/Units.h"
#include "sensors/ScalarSensorData.h"
#include "sensors/SensorManager.h"

using namespace irr;

namespace {
constexpr double kMinimumSink = 0.3;  // m/s; below this the ratio means nothing
const video::SColor kText(255, 235, 240, 245);

std::wstring ratioText(std::optional<double> ratio) {
    if (!ratio) return L"---";
    wchar_t text[24];
    std::swprintf(text, 24, L"1:%.1f", *ratio);
    return text;
}

// Rows of "label  value", each a share of the panel's height.
void drawRows(const core::rect<int>& area, const std::vector<std::pair<std::wstring, std::wstring>>& rows,
              const std::function<void(const std::wstring&, const core::rect<int>&, video::SColor)>& draw) {
    const int h = area.getHeight() / static_cast<int>(rows.size());
    const int split = area.UpperLeftCorner.X + area.getWidth() * 2 / 5;
    for (size_t i = 0; i < rows.size(); ++i) {
        const int top = area.UpperLeftCorner.Y + static_cast<int>(i) * h;
        draw(rows[i].first, core::rect<int>(area.UpperLeftCorner.X, top, split, top + h),
             video::SColor(255, 150, 160, 170));
        draw(rows[i].second, core::rect<int>(split, top, area.LowerRightCorner.X, top + h), kText);
    }
}
}  // namespace

GlideInfo computeGlideInfo(std::optional<double> gs, std::optional<double> vs, std::optional<double> alt,
                           double inverseGlideRatio) {
    GlideInfo info;
    info.bestRatio = inverseGlideRatio;
    if (gs && vs && *vs < -kMinimumSink) info.currentRatio = *gs * units::kMetresPerSecondPerKnot / -*vs;
    if (alt && *alt > 0) info.rangeMetres = *alt * inverseGlideRatio;
    return info;
}

void RunningAverage::add(double value, double t) {
    values.emplace_back(t, value);
    sum += value;
    while (!values.empty() && values.front().first < t - window) {
        sum -= values.front().second;
        values.pop_front();
    }
}

std::optional<double> RunningAverage::get() const {
    if (values.empty()) return std::nullopt;
    return sum / static_cast<double>(values.size());
}

GlideInfoPanel::GlideInfoPanel(const InstrumentContext& context) : InstrumentPanel(context, "GlideInfoPanel") {}

void GlideInfoPanel::render(core::rect<int> area) {
    SensorManager* s = context.sensors;
    const double t = now();
    std::optional<double> gs, vs, alt;
    if (auto* g = static_cast<GroundSpeed_Data*>(groundSpeed.poll(s->getDefaultSensor(ISensorData::GROUNDSPEED), t)))
        gs = g->groundSpeed;
    if (verticalSpeed.poll(s->getDefaultSensor(ISensorData::VERTICALSPEED), t)) vs = s->getFilteredVerticalSpeed();
    if (altitude.poll(s->getDefaultSensor(ISensorData::ALTITUDE), t) || s->getMostSuitablePressureData())
        alt = s->getIndicatedAltitude();
    const GlideInfo info = computeGlideInfo(gs, vs, alt, kDefaultInverseGlideRatio);
    drawRows(
        area,
        {{L"Glide", ratioText(info.currentRatio)},
         {L"Best", ratioText(info.bestRatio)},
         {L"Range", info.rangeMetres ? context.units->formatDistance(*info.rangeMetres) : L"---"}},
        [this](const std::wstring& text, const core::rect<int>& box, video::SColor c) { drawTextSized(text, box, c); });
}

GliderPanel::GliderPanel(const InstrumentContext& context) : InstrumentPanel(context, "GliderPanel") {}

void GliderPanel::render(core::rect<int> area) {
    SensorManager* s = context.sensors;
    const double t = now();
    if (verticalSpeed.poll(s->getDefaultSensor(ISensorData::VERTICALSPEED), t))
        climb.add(s->getFilteredVerticalSpeed(), t);
    if (auto* g = static_cast<GroundSpeed_Data*>(groundSpeed.poll(s->getDefaultSensor(ISensorData::GROUNDSPEED), t)))
        speed.add(g->groundSpeed * units::kMetresPerSecondPerKnot, t);
    const bool hasAltitude =
        altitude.poll(s->getDefaultSensor(ISensorData::ALTITUDE), t) || s->getMostSuitablePressureData();
    const std::optional<double> c = climb.get(), v = speed.get();
    drawRows(area,
             {{L"Avg climb", c ? context.units->formatVerticalSpeed(*c) : L"---"},
              {L"Altitude", hasAltitude ? context.units->formatAltitude(s->getIndicatedAltitude()) : L"---"},
              {L"Avg GS", v ? context.units->formatSpeed(*v) : L"---"}},
             [this](const std::wstring& text, const core::rect<int>& box, video::SColor col) {
                 drawTextSized(text, box, col);
             });
}
