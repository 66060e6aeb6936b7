#pragma once
#include <vector>

#include "gui/logic/Shapes.h"
#include "panels/instruments/InstrumentMath.h"
#include "panels/instruments/InstrumentPanel.h"
#include "panels/instruments/SampleWatch.h"

// Sky and ground turned by the roll and moved by the pitch behind a fixed
// aircraft symbol and bank scale. Without attitude data it shows a level
// attitude under the failure flag.
class AttitudeIndicator : public InstrumentPanel {
public:
    explicit AttitudeIndicator(const InstrumentContext& context);
    void render(irr::core::rect<int> area) override;
    // The pitch and roll drawn last (degrees), for tests and overlays.
    PitchRoll getShownAttitude() const { return shown; }

private:
    // The case with its bank scale and the aircraft symbol.
    bool drawUnderneath(const irr::core::rect<int>& area) override;
    // Sky, ground, horizon line and pitch ladder in the window.
    void drawWindow(const irr::core::vector2df& dialCentre, float side, const irr::core::vector2df& horizon) const;
    // The case's edge around the window and the aircraft symbol over it.
    void drawOverWindow(const irr::core::rect<int>& dial) const;

    SampleWatch attitude{ISensorData::ATTITUDE, kSampleTimeout};
    // Reused every frame.
    mutable std::vector<shapes::Vertex> window;
    mutable shapes::Triangles windowTriangles, overWindow;
    PitchRoll shown{0, 0};
};

// Where the sky-and-ground picture goes: its centre for a pitch and roll in
// a dial of the given side. One degree of pitch moves it 0.76 / 90 of the
// half side, along the dial's vertical as turned by the roll.
irr::core::vector2df horizonCentre(const irr::core::vector2df& dialCentre, double side, double pitch, double roll);
// The picture's size relative to the dial: large enough that no pitch and
// bank uncovers its edge.
constexpr double kHorizonScale = 1.8;
// The window the sky and ground show through, relative to the dial's radius
// (the inner edge of the case's ring in ai_top).
constexpr double kWindowRadius = 198.0 / 256.0;
