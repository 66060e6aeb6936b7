#pragma once
#include <string>

// What an airspace means to a VFR pilot, read from its class text as the
// chart sources write it (ICAO letters, OpenAir codes such as "R", "Q",
// "P", "CTR", "TMZ", and the special kinds of the static class table).
// Colour, line style and drawing order all follow from it.
//
// The order is the drawing order: later categories are drawn over earlier
// ones, so the boundaries pilots must not cross lie on top.
enum class AirspaceCategory {
    BOUNDARY,  // FIR, UIR
    OTHER,
    CLASS_G,
    CLASS_F,
    CLASS_E,
    GLIDING,          // glider sectors and wave windows
    TRAFFIC_PATTERN,  // TP
    MANDATORY,        // TMZ, RMZ
    CLASS_D,
    CLASS_C,
    CLASS_B,
    CLASS_A,
    TERMINAL,      // TMA, CTA
    CONTROL_ZONE,  // CTR, ATZ, MATZ
    DANGER,
    RESTRICTED,  // also temporary reserved and segregated areas
    PROHIBITED,
    COUNT
};

AirspaceCategory classifyAirspace(const std::string& airspaceClass);
