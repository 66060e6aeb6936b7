#pragma once
#include "gui/logic/Shapes.h"
#include "panels/instruments/InstrumentPanel.h"
#include "panels/instruments/SampleWatch.h"

// Heading card turning under a fixed aircraft, with the desired-track bug.
// A tap switches between the heading and the ground track, for aircraft
// without a heading source or in strong crosswind.
class Compass : public InstrumentPanel {
public:
    explicit Compass(const InstrumentContext& context);
    void render(irr::core::rect<int> area) override;
    bool processEvent(irr::SEvent event) override;
    bool isShowingTrack() const { return showTrack; }

private:
    // The card and bezel at heading north.
    bool drawUnderneath(const irr::core::rect<int>& area) override;
    SampleWatch heading{ISensorData::HEADING, kSampleTimeout};
    SampleWatch gps{ISensorData::GPS, kSampleTimeout};
    irr::core::rect<int> dial;
    bool showTrack = false;
    shapes::Triangles markings;  // reused every frame
    DialLayer face;
};
