#include "panels/instruments/OneSegmentText.h"

#include <cmath>
#include <cstdio>

#include "base/UnitConverter.h"
#include "base/Units.h"

namespace {

const wchar_t* const kNotAvailable = L"---";

struct Named {
    const char* name;
    OneSegmentType type;
};
const Named kTypes[] = {
    {"HEADING", OneSegmentType::HEADING},
    {"GROUNDSPEED", OneSegmentType::GROUNDSPEED},
    {"ETE", OneSegmentType::ETE},
    {"DISTANCE", OneSegmentType::DISTANCE},
    {"BEARING", OneSegmentType::BEARING},
    {"UTC", OneSegmentType::UTC},
    {"SATCOUNT", OneSegmentType::SATCOUNT},
    {"NEXTWPT", OneSegmentType::NEXTWPT},
    {"ETA", OneSegmentType::ETA},
    {"ALTITUDE", OneSegmentType::ALTITUDE},
    {"DEFAULTSENSORS", OneSegmentType::DEFAULTSENSORS},
    {"ALTITUDE_AGL", OneSegmentType::ALTITUDE_AGL},
    {"PRESSURE_ALTITUDE_INSIDE", OneSegmentType::PRESSURE_ALTITUDE_INSIDE},
    {"PRESSURE_ALTITUDE", OneSegmentType::PRESSURE_ALTITUDE},
};

std::wstring altitudeOrDash(const std::optional<double>& metres, const units::UnitConverter& u) {
    return metres ? u.formatAltitude(*metres) : kNotAvailable;
}

}  // namespace

OneSegmentType parseOneSegmentType(const std::string& name) {
    for (const Named& n : kTypes)
        if (name == n.name) return n.type;
    return OneSegmentType::UNKNOWN;
}

OneSegmentText oneSegmentText(OneSegmentType type, const OneSegmentInputs& in, const units::UnitConverter& u) {
    wchar_t text[32];
    switch (type) {
    case OneSegmentType::HEADING:
        if (!in.headingDegrees) return {L"HDG", kNotAvailable};
        // 0 is shown as 360, as compasses and controllers say it.
        std::swprintf(text, 32, L"%03d\u00b0", static_cast<int>(std::lround(*in.headingDegrees + 359.0)) % 360 + 1);
        return {L"HDG", text};
    case OneSegmentType::GROUNDSPEED:
        return {L"GS", in.groundSpeedKnots ? u.formatSpeed(*in.groundSpeedKnots * units::kMetresPerSecondPerKnot)
                                           : kNotAvailable};
    case OneSegmentType::ETE:
        return {L"ETE", L"no route"};
    case OneSegmentType::DISTANCE:
        return {L"DIST", L"no route"};
    case OneSegmentType::BEARING:
        return {L"BRG", L"no route"};
    case OneSegmentType::NEXTWPT:
        return {L"NEXT", L"no route"};
    case OneSegmentType::ETA:
        return {L"ETA", L"no route"};
    case OneSegmentType::UTC:
        std::swprintf(text, 32, L"%02d:%02d:%02d", in.hour, in.minute, in.second);
        return {in.utcFromGnss ? L"UTC" : L"UTC (system)", text};
    case OneSegmentType::SATCOUNT:
        return {L"SATS", in.satellites && *in.satellites >= 0 ? std::to_wstring(*in.satellites) : kNotAvailable};
    case OneSegmentType::ALTITUDE:
        return {L"ALT", altitudeOrDash(in.altitudeMetres, u)};
    case OneSegmentType::ALTITUDE_AGL:
        return {L"AGL", in.terrainAvailable ? kNotAvailable : L"no terrain"};
    case OneSegmentType::PRESSURE_ALTITUDE_INSIDE:
        return {L"PALT (cabin)", altitudeOrDash(in.insidePressureAltitudeMetres, u)};
    case OneSegmentType::PRESSURE_ALTITUDE:
        return {L"PALT", altitudeOrDash(in.outsidePressureAltitudeMetres, u)};
    case OneSegmentType::DEFAULTSENSORS:
        return {L"SENSORS", in.warningLevel <= 0 ? L"OK" : in.warningLevel == 1 ? L"CHECK" : L"FAIL"};
    case OneSegmentType::UNKNOWN:
        break;
    }
    return {L"?", kNotAvailable};
}
