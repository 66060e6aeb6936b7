#include "base/UnitConverter.h"

#include "base/IniFile.h"
#include "base/Logger.h"

#include <cctype>
#include <cmath>
#include <iomanip>
#include <sstream>

namespace units {

namespace {

// A configuration value and the unit it stands for.
struct Choice {
    const char* text;
    int unit;
};

// The first entry of each list is the standard unit. Older files and hand
// edits use other spellings and cases ("Celcius" is what the program
// itself writes); all of them are accepted.
const Choice kAltitudeChoices[] = {{"ft", UnitConverter::FEET}, {"m", UnitConverter::METRES}};
const Choice kDistanceChoices[] = {{"NM", UnitConverter::NAUTICAL_MILES},
                                   {"km", UnitConverter::KILOMETRES},
                                   {"SM", UnitConverter::STATUTE_MILES},
                                   {"mi", UnitConverter::STATUTE_MILES}};
const Choice kSpeedChoices[] = {{"knots", UnitConverter::KNOTS},
                                {"kt", UnitConverter::KNOTS},
                                {"km/h", UnitConverter::KILOMETRES_PER_HOUR},
                                {"mph", UnitConverter::MILES_PER_HOUR},
                                {"m/s", UnitConverter::METRES_PER_SECOND}};
const Choice kVerticalSpeedChoices[] = {{"ft/min", UnitConverter::FEET_PER_MINUTE},
                                        {"m/s", UnitConverter::METRES_PER_SECOND}};
const Choice kPressureChoices[] = {{"Hg", UnitConverter::INCHES_OF_MERCURY},
                                   {"inHg", UnitConverter::INCHES_OF_MERCURY},
                                   {"hPa", UnitConverter::HECTOPASCALS},
                                   {"mmHg", UnitConverter::MILLIMETRES_OF_MERCURY}};
const Choice kTemperatureChoices[] = {{"Celcius", UnitConverter::CELSIUS},
                                      {"Celsius", UnitConverter::CELSIUS},
                                      {"Fahrenheit", UnitConverter::FAHRENHEIT}};

bool equalsIgnoringCase(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && !b[i];
}

template <typename Unit, size_t N>
Unit choose(const IniSection& values, const char* key, const Choice (&choices)[N]) {
    const std::string value = getFromIniSection(values, key, "");
    if (value.empty())
        return static_cast<Unit>(choices[0].unit);
    for (const Choice& choice : choices)
        if (equalsIgnoringCase(value, choice.text))
            return static_cast<Unit>(choice.unit);
    logMessage(std::string("Unknown unit ") + key + " = \"" + value + "\", using " + choices[0].text);
    return static_cast<Unit>(choices[0].unit);
}

// Rounds half away from zero before printing, so that the text does not
// depend on how the C library breaks ties, and drops the sign of a zero.
std::wstring formatValue(double value, int decimals, const wchar_t* label) {
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0.0)
        rounded = 0.0;
    std::wostringstream text;
    text << std::fixed << std::setprecision(decimals) << rounded << L' ' << label;
    return text.str();
}

}  // namespace

void UnitConverter::readDefaultUnitsFromIni(const IniFile& ini, const std::string& section) {
    const IniSection& values = ini.getSection(section);
    altitude = choose<Length>(values, "ALTITUDE", kAltitudeChoices);
    distance = choose<Length>(values, "DISTANCE", kDistanceChoices);
    speed = choose<Speed>(values, "SPEED", kSpeedChoices);
    verticalSpeed = choose<Speed>(values, "VERTICAL_SPEED", kVerticalSpeedChoices);
    pressure = choose<Pressure>(values, "PRESSURE", kPressureChoices);
    temperature = choose<Temperature>(values, "TEMPERATURE", kTemperatureChoices);
}

double UnitConverter::toTemperature(double celsius) const {
    return temperature == FAHRENHEIT ? celsius * kFahrenheitPerCelsius + kFahrenheitAtZeroCelsius : celsius;
}

double UnitConverter::fromTemperature(double value) const {
    return temperature == FAHRENHEIT ? (value - kFahrenheitAtZeroCelsius) / kFahrenheitPerCelsius : value;
}

const wchar_t* UnitConverter::getLabel(Length unit) {
    static const wchar_t* const labels[LENGTH_COUNT] = {L"ft", L"m", L"NM", L"km", L"SM"};
    return labels[unit];
}

const wchar_t* UnitConverter::getLabel(Speed unit) {
    static const wchar_t* const labels[SPEED_COUNT] = {L"kt", L"km/h", L"mph", L"m/s", L"ft/min"};
    return labels[unit];
}

const wchar_t* UnitConverter::getLabel(Pressure unit) {
    static const wchar_t* const labels[PRESSURE_COUNT] = {L"inHg", L"hPa", L"mmHg"};
    return labels[unit];
}

const wchar_t* UnitConverter::getLabel(Temperature unit) {
    static const wchar_t* const labels[TEMPERATURE_COUNT] = {L"\u00B0C", L"\u00B0F"};
    return labels[unit];
}

std::wstring UnitConverter::formatAltitude(double metres) const {
    return formatValue(toAltitude(metres), 0, getAltitudeLabel());
}

std::wstring UnitConverter::formatDistance(double metres) const {
    // Tenths matter close by; further out they only clutter the label. The
    // choice is made on the value as shown, so 9.96 NM reads "10 NM".
    const double value = toDistance(metres);
    const bool tenths = std::fabs(std::round(value * 10.0)) < 100.0;
    return formatValue(value, tenths ? 1 : 0, getDistanceLabel());
}

std::wstring UnitConverter::formatSpeed(double metresPerSecond) const {
    return formatValue(toSpeed(metresPerSecond), 0, getSpeedLabel());
}

std::wstring UnitConverter::formatVerticalSpeed(double metresPerSecond) const {
    return formatValue(toVerticalSpeed(metresPerSecond), 0, getVerticalSpeedLabel());
}

std::wstring UnitConverter::formatPressure(double hectopascals) const {
    // Inches of mercury are read to the hundredth (29.92), the others whole.
    return formatValue(toPressure(hectopascals), pressure == INCHES_OF_MERCURY ? 2 : 0, getPressureLabel());
}

std::wstring UnitConverter::formatTemperature(double celsius) const {
    return formatValue(toTemperature(celsius), 0, getTemperatureLabel());
}

}  // namespace units
