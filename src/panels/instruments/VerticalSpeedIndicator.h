#pragma once
#include "panels/instruments/InstrumentPanel.h"
#include "panels/instruments/SampleWatch.h"

// Vertical speed on a logarithmic dial, in feet per minute or (with a
// metric vertical-speed unit) metres per second.
class VerticalSpeedIndicator : public InstrumentPanel {
public:
    explicit VerticalSpeedIndicator(const InstrumentContext& context);
    void render(irr::core::rect<int> area) override;

private:
    bool drawUnderneath(const irr::core::rect<int>& area) override;
    SampleWatch verticalSpeed{ISensorData::VERTICALSPEED, kSampleTimeout};
    SampleWatch outsidePressure{ISensorData::OUTSIDE_PRESSURE, kSampleTimeout};
    SampleWatch insidePressure{ISensorData::INSIDE_PRESSURE, kSampleTimeout};
};
