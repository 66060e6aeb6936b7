#include "sdr/Cpr.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kScale = 131072.0;  // 2^17
constexpr int kLatitudeZones = 15;   // NZ of the airborne format

// Positive remainder.
double cprMod(double a, double b) {
    const double r = std::fmod(a, b);
    return r < 0 ? r + b : r;
}

double foldLongitude(double longitude) {
    longitude = cprMod(longitude + 180.0, 360.0) - 180.0;
    return longitude;
}
}  // namespace

int cprNL(double latitude) {
    const double lat = std::fabs(latitude);
    if (lat < 1e-9) return 59;
    if (lat > 87.0) return 1;
    if (lat == 87.0) return 2;
    const double a = 1.0 - std::cos(M_PI / (2.0 * kLatitudeZones));
    const double c = std::cos(M_PI / 180.0 * lat);
    return int(std::floor(2.0 * M_PI / std::acos(1.0 - a / (c * c))));
}

bool decodeCPR(uint32_t evenLat, uint32_t evenLon, uint32_t oddLat, uint32_t oddLon, bool oddIsNewer, double& latitude,
               double& longitude) {
    const double dLatEven = 360.0 / 60.0, dLatOdd = 360.0 / 59.0;
    const double latE = evenLat / kScale, latO = oddLat / kScale;
    const double lonE = evenLon / kScale, lonO = oddLon / kScale;
    const double j = std::floor(59.0 * latE - 60.0 * latO + 0.5);
    double rlatEven = dLatEven * (cprMod(j, 60.0) + latE);
    double rlatOdd = dLatOdd * (cprMod(j, 59.0) + latO);
    if (rlatEven >= 270.0) rlatEven -= 360.0;
    if (rlatOdd >= 270.0) rlatOdd -= 360.0;
    if (std::fabs(rlatEven) > 90.0 || std::fabs(rlatOdd) > 90.0) return false;
    const int nl = cprNL(rlatEven);
    if (nl != cprNL(rlatOdd)) return false;
    const double m = std::floor(lonE * (nl - 1) - lonO * nl + 0.5);
    if (oddIsNewer) {
        const int ni = std::max(nl - 1, 1);
        latitude = rlatOdd;
        longitude = 360.0 / ni * (cprMod(m, ni) + lonO);
    } else {
        const int ni = std::max(nl, 1);
        latitude = rlatEven;
        longitude = 360.0 / ni * (cprMod(m, ni) + lonE);
    }
    longitude = foldLongitude(longitude);
    return true;
}

void decodeCPRRelative(double referenceLatitude, double referenceLongitude, uint32_t cprLat, uint32_t cprLon, bool odd,
                       double& latitude, double& longitude) {
    const int i = odd ? 1 : 0;
    const double dLat = 360.0 / (60 - i);
    const double fracLat = cprLat / kScale, fracLon = cprLon / kScale;
    const double j =
        std::floor(referenceLatitude / dLat) + std::floor(0.5 + cprMod(referenceLatitude, dLat) / dLat - fracLat);
    latitude = dLat * (j + fracLat);
    const double dLon = 360.0 / std::max(cprNL(latitude) - i, 1);
    const double m =
        std::floor(referenceLongitude / dLon) + std::floor(0.5 + cprMod(referenceLongitude, dLon) / dLon - fracLon);
    longitude = foldLongitude(dLon * (m + fracLon));
}
