#pragma once
#include <irrlicht.h>

#include <string>
#include <unordered_map>

#include "map/IMapLayer.h"
#include "traffic/TrafficWarning.h"

class SensorManager;
struct TrafficElement;

// Other aircraft on the moving map: an arrow turned to each target's track,
// coloured and labelled by its height above or below the own aircraft, the
// own aircraft's transponder left out, targets beyond the panel's altitude
// filter hidden. A tap on a target shows its details.
class TrafficMapLayer : public IMapLayer {
public:
    // ownAircraft: the current profile's identity, or null while none.
    TrafficMapLayer(SensorManager& sensors, std::function<const OwnAircraftIdentity*()> ownAircraft);

    int getPriority() const override { return 100; }
    void render(Map2D& map) override;
    Selection selectAt(Map2D& map, PanelPoint point) override;

    // Above every chart element: a tap near traffic means the traffic.
    static constexpr int kSelectPriority = 110000;

private:
    struct Shown {
        const TrafficElement* target;
        PanelPoint at;
    };
    // When each target last changed, for the age of its last report.
    struct Heard {
        double longitude, latitude, altitude;
        double time;
    };
    void noteReports(const std::map<unsigned, TrafficElement*>& traffic, double now);
    std::wstring describe(Map2D& map, const TrafficElement& target) const;

    SensorManager& sensors;
    std::function<const OwnAircraftIdentity*()> ownAircraft;
    std::unordered_map<unsigned, Heard> heard;
    std::vector<Shown> shown;
    irr::video::ITexture* icon = nullptr;
    bool iconLoaded = false;
};
