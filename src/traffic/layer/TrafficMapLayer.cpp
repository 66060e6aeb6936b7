#include "traffic/layer/TrafficMapLayer.h"

#include <cmath>
#include <iomanip>
#include <sstream>

#include "app/ICommonAppContext.h"
#include "base/Time.h"
#include "base/UnitConverter.h"
#include "gui/Drawer2D.h"
#include "gui/FlexibleFont.h"
#include "map/Map2D.h"
#include "sensors/ISensor.h"
#include "sensors/SensorManager.h"
#include "sensors/Traffic_Data.h"
#include "traffic/TrafficMapStyle.h"

using namespace irr;

namespace {
constexpr double kHitRadius = 14.0;  // pixels around a target's icon

const Traffic_Data* defaultTraffic(SensorManager& sensors) {
    if (!sensors.isDataAvailable(ISensorData::TRAFFIC)) return nullptr;
    ISensor* sensor = sensors.getDefaultSensor(ISensorData::TRAFFIC);
    return sensor ? static_cast<const Traffic_Data*>(sensor->getData(ISensorData::TRAFFIC)) : nullptr;
}
}  // namespace

TrafficMapLayer::TrafficMapLayer(SensorManager& sensors, std::function<const OwnAircraftIdentity*()> ownAircraft)
    : sensors(sensors), ownAircraft(std::move(ownAircraft)) {}

void TrafficMapLayer::noteReports(const std::map<unsigned, TrafficElement*>& traffic, double now) {
    for (const auto& [address, target] : traffic) {
        auto it = heard.find(address);
        if (it == heard.end() || it->second.longitude != target->longitude || it->second.latitude != target->latitude ||
            it->second.altitude != target->altitude)
            heard[address] = {target->longitude, target->latitude, target->altitude, now};
    }
    for (auto it = heard.begin(); it != heard.end();)
        it = traffic.count(it->first) ? std::next(it) : heard.erase(it);
}

void TrafficMapLayer::render(Map2D& map) {
    shown.clear();
    const Traffic_Data* traffic = defaultTraffic(sensors);
    if (!traffic) return;
    noteReports(traffic->traffic, getSecs());
    Drawer2D& drawer = map.getDrawer();
    if (!iconLoaded) {
        iconLoaded = true;
        icon = drawer.getDriver()->getTexture(map.getContext().instruments.app->getPath("media/traffic.png").c_str());
    }
    const OwnAircraftIdentity* own = ownAircraft ? ownAircraft() : nullptr;
    const bool dark = map.isNight();
    const int filter = map.getOptions().trafficFilterAlt;
    const double toUnit = map.getUnits().toAltitude(1.0);
    gui::IGUIFont* font = map.getFont(std::max(9, map.getArea().getHeight() / 40 * 3 / 4));
    const float size = std::max(14.0f, std::min(map.getArea().getWidth(), map.getArea().getHeight()) / 24.0f);
    for (const auto& [address, target] : traffic->traffic) {
        if (!target->hasPosition() || isOwnAircraft(*target, own)) continue;
        double difference = 0.0;
        const bool known = sensors.getAltitudeDifference(difference, target);
        if (isHiddenByAltitudeFilter(known, difference / 0.3048, filter)) continue;
        const ChartPosition position(target->longitude, target->latitude);
        if (!map.isInside(position, 0.05, 0.05, false)) continue;
        const PanelPoint at = map.toPanel(position);
        shown.push_back({target, at});
        const video::SColor colour(calcTrafficColor(known ? std::fabs(difference / 0.3048) : 0.0, dark));
        const float track = target->track > -360.0f ? target->track : 0.0f;
        if (icon)
            drawer.draw(icon, core::vector2df(at.x - size / 2, at.y - size / 2), core::vector2df(size, size),
                        static_cast<f32>(map.getTopTrack() - track), core::vector2df(0.5f, 0.5f), colour,
                        &map.getArea());
        else
            drawer.fillCircle(core::vector2df(at.x, at.y), size / 3, colour, &map.getArea());
        if (font) {
            const std::wstring label = trafficLabel(*target, known, difference, toUnit);
            const core::dimension2d<u32> extent = font->getDimension(label.c_str());
            const s32 left = static_cast<s32>(at.x + size / 2), top = static_cast<s32>(at.y - extent.Height / 2);
            font->draw(label.c_str(), core::rect<s32>(left, top, left + extent.Width, top + extent.Height), colour,
                       false, false, &map.getArea());
        }
    }
}

IMapLayer::Selection TrafficMapLayer::selectAt(Map2D& map, PanelPoint point) {
    Selection best;
    double nearest = kHitRadius;
    for (const Shown& s : shown) {
        const double d = std::hypot(s.at.x - point.x, s.at.y - point.y);
        if (d > nearest) continue;
        nearest = d;
        best.selectPriority = kSelectPriority;
        const TrafficElement& t = *s.target;
        std::wostringstream address;
        address << std::uppercase << std::hex << std::setw(6) << std::setfill(L'0') << t.icaoAddress;
        best.title = t.name.empty() ? L"Traffic " + address.str() : std::wstring(t.name.begin(), t.name.end());
        best.details = describe(map, t);
    }
    return best;
}

std::wstring TrafficMapLayer::describe(Map2D& map, const TrafficElement& t) const {
    const units::UnitConverter& units = map.getUnits();
    std::wostringstream text;
    text << L"Call sign: " << (t.name.empty() ? L"-" : std::wstring(t.name.begin(), t.name.end())) << L"\n";
    text << L"Address: " << std::uppercase << std::hex << std::setw(6) << std::setfill(L'0') << t.icaoAddress
         << std::dec << std::setfill(L' ') << L"\n";
    text << L"Altitude: ";
    if (t.altitude > -100000.0)
        text << std::lround(units.toAltitude(t.altitude * 0.3048)) << L" " << units.getAltitudeLabel();
    else
        text << L"unknown";
    text << L"\nSpeed: ";
    if (t.velocity > -100000)
        text << std::lround(units.toSpeed(t.velocity * 1852.0 / 3600.0)) << L" " << units.getSpeedLabel();
    else
        text << L"unknown";
    text << L"\nClimb: ";
    if (t.climbRate > -100000)
        text << std::lround(units.toVerticalSpeed(t.climbRate * 0.3048 / 60.0)) << L" " << units.getVerticalSpeedLabel();
    else
        text << L"unknown";
    const auto it = heard.find(t.icaoAddress);
    if (it != heard.end()) text << L"\nLast report: " << std::lround(getSecs() - it->second.time) << L" s ago";
    return text.str();
}
