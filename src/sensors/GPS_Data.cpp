#include "sensors/GPS_Data.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <sstream>

std::wstring formatCoordinate(double degrees, wchar_t positive, wchar_t negative, int degreeDigits) {
    const wchar_t hemisphere = degrees < 0 ? negative : positive;
    // Round once on the thousandths of a minute so 59.9996' never shows as 60.000'.
    const long long thousandths = std::llround(std::fabs(degrees) * 60000.0);
    const long long whole = thousandths / 60000;
    const double minutes = (thousandths % 60000) / 1000.0;
    wchar_t text[48];
    std::swprintf(text, 48, L"%lc %0*lld\u00b0%06.3f'", hemisphere, degreeDigits, whole, minutes);
    return text;
}

std::wstring GPS_Data::calcLatitudeString() const { return formatCoordinate(latitude, L'N', L'S', 2); }

std::wstring GPS_Data::calcLongitudeString() const { return formatCoordinate(longitude, L'E', L'W', 3); }

std::wstring GPS_Data::toString() const {
    std::wostringstream out;
    out << L"Available: time " << timeAvail << L", position " << positionAvail << L", altitude " << altitudeAvail
        << L", DOP " << dilutionOfPrecisionAvail << L", date " << dateAvail << L", speed " << speedAvail
        << L", track " << groundTrackAvail << L", magnetic variation " << magneticVariationAvail << L"\n";
    if (timeAvail) {
        wchar_t t[32];
        std::swprintf(t, 32, L"%02d:%02d:%02d.%03d", hour, minute, second, millisecond);
        out << L"Time (UTC): " << t << L"\n";
    }
    if (dateAvail) {
        wchar_t d[32];
        std::swprintf(d, 32, L"%04d-%02d-%02d", year, month, day);
        out << L"Date: " << d << L"\n";
    }
    if (positionAvail) {
        out << L"Latitude: " << calcLatitudeString() << L"\n";
        out << L"Longitude: " << calcLongitudeString() << L"\n";
    }
    out << L"Fix Quality: " << fixQuality << L"\n";
    if (satellites >= 0) out << L"#Satellites: " << satellites << L"\n";
    if (altitudeAvail) out << L"Altitude: " << altitude << L" m\n";
    out << L"Fix Type: " << fixType << L"\n";
    if (dilutionOfPrecisionAvail) out << L"PDOP: " << pdop << L" HDOP: " << hdop << L" VDOP: " << vdop << L"\n";
    out << L"Position/Velocity/Track Status: " << status << L"\n";
    if (speedAvail) out << L"GroundSpeed: " << groundSpeed << L" kt\n";
    if (groundTrackAvail) out << L"GroundTrack: " << groundTrack << L"\n";
    if (magneticVariationAvail) out << L"Magnetic Variation: " << magneticVariation << L"\n";
    return out.str();
}

void GPS_Data::print() const {
    std::printf("GPS: %02d:%02d:%02d.%03d lat %.8f lon %.8f alt %.1f fix %d/%d sats %d gs %.2f trk %.2f "
                "timeStamp: %u\n",
                hour, minute, second, millisecond, latitude, longitude, altitude, fixQuality, fixType, satellites,
                groundSpeed, groundTrack, timeStamp);
}
