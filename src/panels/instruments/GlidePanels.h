#pragma once
#include <deque>
#include <optional>
#include <utility>

#include "panels/instruments/InstrumentPanel.h"
#include "panels/instruments/SampleWatch.h"

// What the glide computation gives, all optional: a value that cannot be
// known from the data is not made up.
struct GlideInfo {
    std::optional<double> currentRatio;  // distance per height, while descending
    double bestRatio = 0;                // the aircraft's
    std::optional<double> rangeMetres;   // from the altitude above sea level at the best ratio
};
// The aircraft's best glide as its inverse glide ratio (distance per
// height); the current ratio needs a descent of at least 0.3 m/s.
GlideInfo computeGlideInfo(std::optional<double> groundSpeedKnots, std::optional<double> verticalSpeedMps,
                           std::optional<double> altitudeMetres, double inverseGlideRatio);

// The mean of the values of the last `window` seconds.
class RunningAverage {
public:
    explicit RunningAverage(double windowSeconds) : window(windowSeconds) {}
    void add(double value, double timeSeconds);
    std::optional<double> get() const;

private:
    double window;
    std::deque<std::pair<double, double>> values;  // (time, value)
    double sum = 0;
};

// Current and best glide ratio and the range at the best glide.
class GlideInfoPanel : public InstrumentPanel {
public:
    explicit GlideInfoPanel(const InstrumentContext& context);
    void render(irr::core::rect<int> area) override;

    // The default aircraft's, until profiles can be chosen.
    static constexpr double kDefaultInverseGlideRatio = 9.35;

private:
    SampleWatch groundSpeed{ISensorData::GROUNDSPEED, kSampleTimeout};
    SampleWatch verticalSpeed{ISensorData::VERTICALSPEED, kSampleTimeout};
    SampleWatch altitude{ISensorData::ALTITUDE, kSampleTimeout};
};

// For soaring: the climb averaged over the last 20 seconds, the altitude and
// the ground speed averaged over the last 10.
class GliderPanel : public InstrumentPanel {
public:
    explicit GliderPanel(const InstrumentContext& context);
    void render(irr::core::rect<int> area) override;

private:
    SampleWatch verticalSpeed{ISensorData::VERTICALSPEED, kSampleTimeout};
    SampleWatch groundSpeed{ISensorData::GROUNDSPEED, kSampleTimeout};
    SampleWatch altitude{ISensorData::ALTITUDE, kSampleTimeout};
    RunningAverage climb{20.0};
    RunningAverage speed{10.0};
};
