#pragma once
#include <optional>
#include <string>

namespace units {
class UnitConverter;
}

// The values a one-segment panel can show, as named by its "Type" key.
enum class OneSegmentType {
    HEADING,
    GROUNDSPEED,
    ETE,
    DISTANCE,
    BEARING,
    UTC,
    SATCOUNT,
    NEXTWPT,
    ETA,
    ALTITUDE,
    DEFAULTSENSORS,
    ALTITUDE_AGL,
    PRESSURE_ALTITUDE_INSIDE,
    PRESSURE_ALTITUDE,
    UNKNOWN
};
OneSegmentType parseOneSegmentType(const std::string& name);

// What the panel knows this frame; an empty value is not available.
struct OneSegmentInputs {
    std::optional<double> headingDegrees;
    std::optional<double> groundSpeedKnots;
    std::optional<double> altitudeMetres;
    std::optional<double> insidePressureAltitudeMetres;
    std::optional<double> outsidePressureAltitudeMetres;
    std::optional<int> satellites;
    int hour = 0, minute = 0, second = 0;
    bool utcFromGnss = false;
    int warningLevel = 2;  // of the default sensors: 0 good, 1 maybe wrong, 2 wrong
    bool routeActive = false;
    bool terrainAvailable = false;
};

struct OneSegmentText {
    std::wstring label;
    std::wstring value;  // "---" when not available
};

// Label and value in the pilot's units. Route values say that no route is
// active and the height above ground that no terrain is loaded, instead of
// showing a number that cannot be right.
OneSegmentText oneSegmentText(OneSegmentType type, const OneSegmentInputs& in, const units::UnitConverter& units);
