#include "parsers/OpenAirParser.h"

#include "base/Units.h"
#include "chart/elements/AirspaceElement.h"
#include "geo/Angles.h"
#include "geo/Geodesy.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

// "Unlimited" upper limits are kept as FL999.
constexpr int32_t UNLIMITED_FT = 99900;

std::string upperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

std::string trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string withoutBlanks(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != ' ' && c != '\t')
            out += c;
    return out;
}

// "49:12:30.5", "49:12.5" or "49.2083" in degrees.
bool parseDegrees(const std::string& text, double maximum, double& degrees) {
    double parts[3] = {0, 0, 0};
    size_t count = 0, start = 0;
    while (count < 3) {
        const size_t colon = text.find(':', start);
        const std::string part = text.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
        if (!parseDouble(part, parts[count]) || parts[count] < 0.0)
            return false;
        ++count;
        if (colon == std::string::npos)
            break;
        start = colon + 1;
        if (count == 3)
            return false;
    }
    if (parts[1] >= 60.0 || parts[2] >= 60.0)
        return false;
    degrees = parts[0] + parts[1] / 60.0 + parts[2] / 3600.0;
    return degrees <= maximum;
}

// Splits "a, b, c" at commas.
std::vector<std::string> splitCommas(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        parts.push_back(trim(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start)));
        if (comma == std::string::npos)
            return parts;
        start = comma + 1;
    }
}

class OpenAirReader {
public:
    OpenAirReader(LineSource& source, ParsedElements& out) : source(source), out(out) {}
    void run();

private:
    void handle(const std::string& keyword, const std::string& argument);
    void startAirspace(const std::string& airspaceClass);
    void finishAirspace();
    void handleVariable(const std::string& argument);
    void addArcByAngles(const std::string& argument);
    void addArcBetweenPoints(const std::string& argument);
    void addCircle(const std::string& argument);
    void addArc(double radiusMetres, double fromBearing, double toBearing, bool fullCircle);
    bool needAirspace();
    bool needCentre();

    LineSource& source;
    ParsedElements& out;
    std::unique_ptr<AirspaceElement> airspace;
    unsigned airspaceLine = 0;
    bool haveTop = false, haveBottom = false;
    bool broken = false;  // a bad geometry line: the shape is incomplete
    ChartPosition centre;
    bool haveCentre = false;
    bool clockwise = true;
};

void OpenAirReader::run() {
    std::string line;
    while (source.next(line)) {
        const std::string text = trim(line);
        if (text.empty() || text[0] == '*')
            continue;
        const size_t blank = text.find_first_of(" \t");
        const std::string keyword = upperCase(text.substr(0, blank));
        const std::string argument = blank == std::string::npos ? std::string() : trim(text.substr(blank));
        handle(keyword, argument);
    }
    finishAirspace();
}

bool OpenAirReader::needAirspace() {
    if (airspace)
        return true;
    source.report("record outside of an airspace (no AC line before it)");
    return false;
}

bool OpenAirReader::needCentre() {
    if (haveCentre)
        return true;
    source.report("arc or circle without a centre (V X=)");
    broken = true;
    return false;
}

void OpenAirReader::handle(const std::string& keyword, const std::string& argument) {
    if (keyword == "AC") {
        startAirspace(argument);
        return;
    }
    // Label positions, frequencies, call signs and drawing styles are not
    // part of the chart element.
    if (keyword == "AT" || keyword == "AF" || keyword == "AG" || keyword == "AY" || keyword == "SP" ||
        keyword == "SB" || keyword == "AI")
        return;
    if (!needAirspace())
        return;
    if (keyword == "AN") {
        airspace->name = toUtf8Text(argument);
    } else if (keyword == "AH" || keyword == "AL") {
        int32_t feet = 0;
        uint8_t reference = 0;
        if (!parseOpenAirAltitude(argument, feet, reference)) {
            source.report("cannot read the altitude '" + argument + "'");
            return;
        }
        if (keyword == "AH") {
            airspace->top = feet;
            airspace->topReference = reference;
            haveTop = true;
        } else {
            airspace->bottom = feet;
            airspace->bottomReference = reference;
            haveBottom = true;
        }
    } else if (keyword == "DP") {
        ChartPosition point;
        if (!parseOpenAirCoordinate(argument, point)) {
            source.report("cannot read the coordinate '" + argument + "'");
            broken = true;
            return;
        }
        airspace->points.push_back(point);
    } else if (keyword == "V") {
        handleVariable(argument);
    } else if (keyword == "DA") {
        addArcByAngles(argument);
    } else if (keyword == "DB") {
        addArcBetweenPoints(argument);
    } else if (keyword == "DC") {
        addCircle(argument);
    } else {
        source.report("unknown record '" + keyword + "'");
    }
}

void OpenAirReader::startAirspace(const std::string& airspaceClass) {
    finishAirspace();
    airspace = std::make_unique<AirspaceElement>();
    airspace->points.clear();
    airspace->airspaceClass = toUtf8Text(upperCase(airspaceClass));
    airspace->name.clear();
    airspaceLine = source.lineNumber();
    haveTop = haveBottom = broken = false;
    clockwise = true;
    if (airspaceClass.empty())
        source.report("airspace without a class");
}

void OpenAirReader::finishAirspace() {
    if (!airspace)
        return;
    std::unique_ptr<AirspaceElement> done = std::move(airspace);
    const std::string label = done->name.empty() ? std::string("airspace") : "airspace '" + done->name + "'";
    if (broken) {
        source.report(airspaceLine, label + " skipped: its shape has unreadable lines");
        return;
    }
    if (!haveTop || !haveBottom) {
        source.report(airspaceLine, label + " skipped: it lacks its " + (haveTop ? "lower" : "upper") + " limit");
        return;
    }
    // A polygon that repeats its first point at the end is closed anyway.
    auto& points = done->points;
    if (points.size() > 1 && points.front().longitude == points.back().longitude &&
        points.front().latitude == points.back().latitude)
        points.pop_back();
    if (points.size() < 3) {
        source.report(airspaceLine, label + " skipped: fewer than three points");
        return;
    }
    done->updateBoundingBox();
    out.push_back(std::move(done));
}

void OpenAirReader::handleVariable(const std::string& argument) {
    const std::string text = withoutBlanks(argument);
    const std::string name = upperCase(text.substr(0, 2));
    const std::string value = text.size() > 2 ? text.substr(2) : std::string();
    if (name == "X=") {
        if (!parseOpenAirCoordinate(value, centre)) {
            source.report("cannot read the centre '" + value + "'");
            haveCentre = false;
            broken = true;
            return;
        }
        haveCentre = true;
    } else if (name == "D=") {
        if (value != "+" && value != "-") {
            source.report("arc direction must be + or -");
            return;
        }
        clockwise = value == "+";
    } else if (name != "W=" && name != "Z=") {  // airway width and zoom level: not used
        source.report("unknown variable '" + argument + "'");
    }
}

void OpenAirReader::addArc(double radiusMetres, double fromBearing, double toBearing, bool fullCircle) {
    double sweep = clockwise ? Angle0to360(toBearing - fromBearing) : Angle0to360(fromBearing - toBearing);
    if (fullCircle || sweep == 0.0)
        sweep = 360.0;
    const int steps = std::max(1, static_cast<int>(std::ceil(sweep / OPENAIR_ARC_STEP_DEG)));
    // A full circle closes on its first point, which the polygon repeats
    // implicitly.
    const int last = sweep >= 360.0 ? steps - 1 : steps;
    for (int i = 0; i <= last; ++i) {
        const double angle = fromBearing + (clockwise ? 1.0 : -1.0) * sweep * i / steps;
        airspace->points.push_back(positionAt(centre, Angle0to360(angle), radiusMetres));
    }
}

void OpenAirReader::addArcByAngles(const std::string& argument) {
    const std::vector<std::string> parts = splitCommas(argument);
    double radius = 0, from = 0, to = 0;
    if (parts.size() != 3 || !parseDouble(parts[0], radius) || !parseDouble(parts[1], from) ||
        !parseDouble(parts[2], to) || radius <= 0.0) {
        source.report("expected 'DA radius, start angle, end angle'");
        broken = true;
        return;
    }
    if (needCentre())
        addArc(radius * units::kMetresPerNauticalMile, from, to, false);
}

void OpenAirReader::addArcBetweenPoints(const std::string& argument) {
    const std::vector<std::string> parts = splitCommas(argument);
    ChartPosition from, to;
    if (parts.size() != 2 || !parseOpenAirCoordinate(parts[0], from) || !parseOpenAirCoordinate(parts[1], to)) {
        source.report("expected 'DB coordinate, coordinate'");
        broken = true;
        return;
    }
    if (!needCentre())
        return;
    const double radius = calcDistance2(centre, from);
    const size_t first = airspace->points.size();
    addArc(radius, calcBearing2(centre, from), calcBearing2(centre, to), false);
    // The arc ends exactly on the given points, whatever the rounding of
    // their distances from the centre.
    airspace->points[first] = from;
    airspace->points.back() = to;
}

void OpenAirReader::addCircle(const std::string& argument) {
    double radius = 0;
    if (!parseDouble(trim(argument), radius) || radius <= 0.0) {
        source.report("expected 'DC radius'");
        broken = true;
        return;
    }
    if (needCentre())
        addArc(radius * units::kMetresPerNauticalMile, 0.0, 360.0, true);
}

}  // namespace

bool parseOpenAirCoordinate(const std::string& text, ChartPosition& position) {
    const std::string compact = upperCase(withoutBlanks(text));
    const size_t ns = compact.find_first_of("NS");
    if (ns == std::string::npos || ns == 0)
        return false;
    const size_t ew = compact.find_first_of("EW", ns + 1);
    if (ew == std::string::npos || ew == ns + 1 || ew + 1 != compact.size())
        return false;
    double latitude = 0, longitude = 0;
    if (!parseDegrees(compact.substr(0, ns), 90.0, latitude) ||
        !parseDegrees(compact.substr(ns + 1, ew - ns - 1), 180.0, longitude))
        return false;
    position.latitude = compact[ns] == 'S' ? -latitude : latitude;
    position.longitude = compact[ew] == 'W' ? -longitude : longitude;
    return true;
}

bool parseOpenAirAltitude(const std::string& text, int32_t& feet, uint8_t& reference) {
    const std::string compact = upperCase(withoutBlanks(text));
    if (compact.empty())
        return false;
    if (compact == "SFC" || compact == "GND" || compact == "AGL") {
        feet = 0;
        reference = AirspaceElement::AGL;
        return true;
    }
    if (compact.compare(0, 3, "UNL") == 0) {
        feet = UNLIMITED_FT;
        reference = AirspaceElement::FL;
        return true;
    }
    if (compact.compare(0, 2, "FL") == 0) {
        double level = 0;
        if (!parseDouble(compact.substr(2), level) || level < 0.0 || level > 999.0)
            return false;
        feet = static_cast<int32_t>(std::lround(level * 100.0));
        reference = AirspaceElement::FL;
        return true;
    }
    size_t numberEnd = 0;
    while (numberEnd < compact.size() && (std::isdigit(static_cast<unsigned char>(compact[numberEnd])) ||
                                          compact[numberEnd] == '.'))
        ++numberEnd;
    double value = 0;
    if (numberEnd == 0 || !parseDouble(compact.substr(0, numberEnd), value) || value > 200000.0)
        return false;
    std::string suffix = compact.substr(numberEnd);
    double factor = 1.0;
    if (suffix.compare(0, 2, "FT") == 0) {
        suffix.erase(0, 2);
    } else if (suffix.compare(0, 1, "F") == 0 && suffix.compare(0, 2, "FL") != 0) {
        suffix.erase(0, 1);
    } else if (suffix.compare(0, 1, "M") == 0 && suffix.compare(0, 3, "MSL") != 0) {
        suffix.erase(0, 1);
        factor = 1.0 / units::kMetresPerFoot;
    }
    if (suffix.empty() || suffix == "MSL" || suffix == "AMSL" || suffix == "ALT")
        reference = AirspaceElement::MSL;
    else if (suffix == "AGL" || suffix == "GND" || suffix == "SFC" || suffix == "ASFC")
        reference = AirspaceElement::AGL;
    else
        return false;
    feet = static_cast<int32_t>(std::lround(value * factor));
    return true;
}

ParsedElements parseOpenAir(std::istream& in, const std::string& fileName, const ParseErrorSink& sink) {
    ParsedElements elements;
    LineSource source(in, fileName, sink);
    OpenAirReader reader(source, elements);
    reader.run();
    return elements;
}
