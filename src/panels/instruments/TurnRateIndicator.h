#pragma once
#include "panels/instruments/InstrumentPanel.h"
#include "panels/instruments/SampleWatch.h"

// Turn coordinator: the aircraft symbol banks with the turn rate, the ball
// shows slip and skid.
class TurnRateIndicator : public InstrumentPanel {
public:
    explicit TurnRateIndicator(const InstrumentContext& context);
    void render(irr::core::rect<int> area) override;

private:
    bool drawUnderneath(const irr::core::rect<int>& area) override;
    SampleWatch turnRate{ISensorData::TURNRATE, kSampleTimeout};
    SampleWatch acceleration{ISensorData::ACCELERATION, kSampleTimeout};
};

// Slip/skid indicator: the ball in its tube alone, as a bar instrument.
class SlipIndicator : public InstrumentPanel {
public:
    explicit SlipIndicator(const InstrumentContext& context);
    void render(irr::core::rect<int> area) override;

private:
    bool drawUnderneath(const irr::core::rect<int>& area) override;
    // The 4:1 bar, as large as the area allows, centred.
    static irr::core::rect<int> barIn(const irr::core::rect<int>& area);
    SampleWatch acceleration{ISensorData::ACCELERATION, kSampleTimeout};
};

// The ball's centre in the turn coordinator's tube, as fractions of the dial
// (the tube is a curve low in the dial, see the artwork).
irr::core::vector2df turnBallCentre(double offset);
