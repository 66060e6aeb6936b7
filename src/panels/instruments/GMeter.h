#pragma once
#include "panels/instruments/InstrumentPanel.h"
#include "panels/instruments/SampleWatch.h"

// Load factor from -2 g to +6 g with the extremes seen since the last tap,
// which resets them.
class GMeter : public InstrumentPanel {
public:
    explicit GMeter(const InstrumentContext& context);
    void render(irr::core::rect<int> area) override;
    bool processEvent(irr::SEvent event) override;

private:
    bool drawUnderneath(const irr::core::rect<int>& area) override;
    DialLayer scale;
    SampleWatch acceleration{ISensorData::ACCELERATION, kSampleTimeout};
    irr::core::rect<int> dial;
    double lowest = 1.0, highest = 1.0;
};
