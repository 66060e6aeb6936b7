#pragma once
#include "base/Units.h"

#include <string>

class IniFile;

namespace units {

// The units the pilot reads values in. Everything inside the program is SI
// (metres, metres per second, hectopascals, degrees Celsius); this class
// turns such values into numbers and short texts in the chosen units, at
// the edge where they meet the screen.
//
// The choice comes from the configuration (ALTITUDE, DISTANCE, SPEED,
// VERTICAL_SPEED, PRESSURE, TEMPERATURE). A default-constructed converter
// uses the standard aviation units: ft, NM, knots, ft/min, inHg and °C.
class UnitConverter {
public:
    // One table serves altitudes (FEET, METRES) and distances
    // (NAUTICAL_MILES, KILOMETRES, STATUTE_MILES).
    enum Length { FEET, METRES, NAUTICAL_MILES, KILOMETRES, STATUTE_MILES, LENGTH_COUNT };
    // One table serves speeds and vertical speeds (FEET_PER_MINUTE,
    // METRES_PER_SECOND).
    enum Speed { KNOTS, KILOMETRES_PER_HOUR, MILES_PER_HOUR, METRES_PER_SECOND, FEET_PER_MINUTE, SPEED_COUNT };
    enum Pressure { INCHES_OF_MERCURY, HECTOPASCALS, MILLIMETRES_OF_MERCURY, PRESSURE_COUNT };
    enum Temperature { CELSIUS, FAHRENHEIT, TEMPERATURE_COUNT };

    // Units per metre, per metre per second and per hectopascal, indexed by
    // the enumerations above: the value in a unit is the SI value times its
    // factor.
    static constexpr double lengthFactors[LENGTH_COUNT] = {
        1.0 / kMetresPerFoot, 1.0, 1.0 / kMetresPerNauticalMile, 1.0 / kMetresPerKilometre,
        1.0 / kMetresPerStatuteMile};
    static constexpr double speedFactors[SPEED_COUNT] = {
        1.0 / kMetresPerSecondPerKnot, 1.0 / kMetresPerSecondPerKmh, 1.0 / kMetresPerSecondPerMph, 1.0,
        1.0 / kMetresPerSecondPerFootPerMinute};
    static constexpr double pressureFactors[PRESSURE_COUNT] = {1.0 / kHectopascalsPerInchOfMercury, 1.0,
                                                               1.0 / kHectopascalsPerMillimetreOfMercury};

    // Takes the units from the section. A missing key keeps the standard
    // unit; a value the program does not know is logged and gives the
    // standard unit as well, so a hand-edited file never stops the program.
    void readDefaultUnitsFromIni(const IniFile& ini, const std::string& section);

    Length getAltitudeUnit() const { return altitude; }
    Length getDistanceUnit() const { return distance; }
    Speed getSpeedUnit() const { return speed; }
    Speed getVerticalSpeedUnit() const { return verticalSpeed; }
    Pressure getPressureUnit() const { return pressure; }
    Temperature getTemperatureUnit() const { return temperature; }

    // SI value to the chosen unit, and back.
    double toAltitude(double metres) const { return metres * lengthFactors[altitude]; }
    double fromAltitude(double value) const { return value / lengthFactors[altitude]; }
    double toDistance(double metres) const { return metres * lengthFactors[distance]; }
    double fromDistance(double value) const { return value / lengthFactors[distance]; }
    double toSpeed(double metresPerSecond) const { return metresPerSecond * speedFactors[speed]; }
    double fromSpeed(double value) const { return value / speedFactors[speed]; }
    double toVerticalSpeed(double metresPerSecond) const { return metresPerSecond * speedFactors[verticalSpeed]; }
    double fromVerticalSpeed(double value) const { return value / speedFactors[verticalSpeed]; }
    double toPressure(double hectopascals) const { return hectopascals * pressureFactors[pressure]; }
    double fromPressure(double value) const { return value / pressureFactors[pressure]; }
    double toTemperature(double celsius) const;
    double fromTemperature(double value) const;

    // Short unit texts: "ft", "NM", "kt", "ft/min", "inHg", "°C" and so on.
    static const wchar_t* getLabel(Length unit);
    static const wchar_t* getLabel(Speed unit);
    static const wchar_t* getLabel(Pressure unit);
    static const wchar_t* getLabel(Temperature unit);
    const wchar_t* getAltitudeLabel() const { return getLabel(altitude); }
    const wchar_t* getDistanceLabel() const { return getLabel(distance); }
    const wchar_t* getSpeedLabel() const { return getLabel(speed); }
    const wchar_t* getVerticalSpeedLabel() const { return getLabel(verticalSpeed); }
    const wchar_t* getPressureLabel() const { return getLabel(pressure); }
    const wchar_t* getTemperatureLabel() const { return getLabel(temperature); }

    // Value and unit as the pilot reads them, rounded half away from zero:
    // "3500 ft", "1067 m"; distances with one decimal below 10 units
    // ("4.3 NM", "12 km"); "120 kt"; "-500 ft/min"; "29.92 inHg",
    // "1013 hPa"; "15 °C". A value that rounds to zero never shows as "-0".
    std::wstring formatAltitude(double metres) const;
    std::wstring formatDistance(double metres) const;
    std::wstring formatSpeed(double metresPerSecond) const;
    std::wstring formatVerticalSpeed(double metresPerSecond) const;
    std::wstring formatPressure(double hectopascals) const;
    std::wstring formatTemperature(double celsius) const;

private:
    Length altitude = FEET;
    Length distance = NAUTICAL_MILES;
    Speed speed = KNOTS;
    Speed verticalSpeed = FEET_PER_MINUTE;
    Pressure pressure = INCHES_OF_MERCURY;
    Temperature temperature = CELSIUS;
};

}  // namespace units
