#pragma once
#include "panels/instruments/InstrumentPanel.h"

// A lamp in the colour of the default sensors' state: green, amber when a
// value may be wrong, red when one is wrong or missing. A tap shows what
// the sensors report about themselves and lets them react (a sensor may
// recalibrate or reconnect).
class WarningLamp : public InstrumentPanel {
public:
    explicit WarningLamp(const InstrumentContext& context);
    void render(irr::core::rect<int> area) override;
    bool processEvent(irr::SEvent event) override;

private:
    irr::core::rect<int> lamp;
};

// The device's battery: charge as a filled bar, and whether it runs on it.
class BatteryPanel : public InstrumentPanel {
public:
    explicit BatteryPanel(const InstrumentContext& context);
    void render(irr::core::rect<int> area) override;
};
