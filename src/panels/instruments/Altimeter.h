#pragma once
#include "panels/instruments/InstrumentPanel.h"
#include "panels/instruments/SampleWatch.h"

// Three-needle altimeter in the configured altitude unit with the
// altimeter setting in its window; a tap on the dial opens the setting.
class Altimeter : public InstrumentPanel {
public:
    explicit Altimeter(const InstrumentContext& context);
    void render(irr::core::rect<int> area) override;
    bool processEvent(irr::SEvent event) override;

private:
    bool drawUnderneath(const irr::core::rect<int>& area) override;
    bool isLive();

    SampleWatch altitude{ISensorData::ALTITUDE, kSampleTimeout};
    SampleWatch outsidePressure{ISensorData::OUTSIDE_PRESSURE, kSampleTimeout};
    SampleWatch insidePressure{ISensorData::INSIDE_PRESSURE, kSampleTimeout};
    irr::core::rect<int> dial;
    // The dial with the setting in its window, painted again only when the
    // setting changes.
    DialLayer face;
};
