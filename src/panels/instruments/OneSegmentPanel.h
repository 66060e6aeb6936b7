#pragma once
#include "panels/instruments/InstrumentPanel.h"
#include "panels/instruments/OneSegmentText.h"
#include "panels/instruments/SampleWatch.h"

// One value as text with a small label: heading, ground speed, time,
// altitude, the state of the sensors, route values.
class OneSegmentPanel : public InstrumentPanel {
public:
    struct Style {
        OneSegmentType type = OneSegmentType::HEADING;
        irr::video::SColor colour{255, 0, 0, 128};
        bool bottomBorder = false;
        bool rightBorder = false;
    };
    OneSegmentPanel(const InstrumentContext& context, const Style& style);
    void render(irr::core::rect<int> area) override;

private:
    OneSegmentInputs gather();

    Style style;
    SampleWatch heading{ISensorData::HEADING, kSampleTimeout};
    SampleWatch groundSpeed{ISensorData::GROUNDSPEED, kSampleTimeout};
    SampleWatch altitude{ISensorData::ALTITUDE, kSampleTimeout};
    SampleWatch gps{ISensorData::GPS, kSampleTimeout};
    SampleWatch insidePressure{ISensorData::INSIDE_PRESSURE, kSampleTimeout};
    SampleWatch outsidePressure{ISensorData::OUTSIDE_PRESSURE, kSampleTimeout};
};

class OneSegmentPanelFactory : public AInstrumentFactory {
public:
    using AInstrumentFactory::AInstrumentFactory;
    void loadSetupFromIni(IniFile* ini, std::string section) override;
    void setup(IniFile* ini, std::string section) override;
    IPanel* Create() override;
    void renderPreview(irr::core::rect<int> area) override;
    using AInstrumentFactory::renderPreview;

private:
    std::string typeName = "HEADING";
    OneSegmentPanel::Style style;
};
