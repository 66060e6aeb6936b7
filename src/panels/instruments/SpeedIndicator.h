#pragma once
#include "panels/instruments/InstrumentPanel.h"
#include "panels/instruments/SampleWatch.h"

// The aircraft's characteristic speeds, knots; blueLine < 0: none.
struct AircraftSpeeds {
    double vso = 45, vs = 55, vfe = 100, vno = 120, vne = 200, vsse = -1, vbe = 55, vbg = 60;
};

// Air speed (or ground speed, labelled "GroundSpeed", when there is no air
// speed) on a 320-degree scale with the white, green and yellow arcs, the
// red line and the blue line of the aircraft.
class SpeedIndicator : public InstrumentPanel {
public:
    SpeedIndicator(const InstrumentContext& context, const AircraftSpeeds& speeds, double scaleExponent);
    explicit SpeedIndicator(const InstrumentContext& context);
    void render(irr::core::rect<int> area) override;

    // The dial's top speed in knots: the red line with room above it,
    // rounded up to 20 knots.
    static double topOfScale(const AircraftSpeeds& speeds);

private:
    // Reads the sources, then draws the scale for what they give.
    bool drawUnderneath(const irr::core::rect<int>& area) override;
    // The back, arcs, ticks, numbers and the source's name.
    void paintScale(const irr::core::rect<int>& dial, bool groundSpeed) const;
    DialLayer scale;
    double angleOf(double knots) const;

    AircraftSpeeds speeds;
    double exponent;
    double top;
    SampleWatch airspeed{ISensorData::AIRSPEED, kSampleTimeout};
    SampleWatch groundSpeed{ISensorData::GROUNDSPEED, kSampleTimeout};
    // This frame's reading, as drawUnderneath found it.
    double knots = 0;
    bool isGround = false, live = false;
};

class SpeedIndicatorFactory : public AInstrumentFactory {
public:
    using AInstrumentFactory::AInstrumentFactory;
    void loadSetupFromIni(IniFile* ini, std::string section) override;
    void setup(IniFile* ini, std::string section) override;
    IPanel* Create() override;
    void renderPreview(irr::core::rect<int> area) override;
    using AInstrumentFactory::renderPreview;

    static constexpr double kDefaultExponent = 0.8;

private:
    double exponent = kDefaultExponent;
};
