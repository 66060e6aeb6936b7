#include "geo/MagneticModel.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <mutex>

#include "base/Logger.h"
#include "base/Units.h"
#include "geo/Angles.h"

namespace {

// WGS-84 ellipsoid and the model's reference radius, kilometres.
constexpr double WGS84_A_KM = 6378.137;
constexpr double WGS84_FLATTENING = 1.0 / 298.257223563;
constexpr double WGS84_E2 = WGS84_FLATTENING * (2.0 - WGS84_FLATTENING);
constexpr double MODEL_REFERENCE_RADIUS_KM = 6371.2;
// Beyond this latitude grid variation (declination against grid north) applies.
constexpr double POLAR_GRID_LATITUDE = 55.0;

constexpr int TERMS = (MagneticModel::MAX_DEGREE + 1) * (MagneticModel::MAX_DEGREE + 2) / 2;

bool isEndOfTable(const std::string& line) {
    size_t start = line.find_first_not_of(" \t");
    return start != std::string::npos && line.compare(start, 4, "9999") == 0;
}

bool isBlank(const std::string& line) {
    return line.find_first_not_of(" \t\r\n") == std::string::npos;
}

// Schmidt semi-normalised associated Legendre functions P(n, m) of
// x = cos(colatitude) and their derivatives by colatitude, to MAX_DEGREE.
// Built from the Gauss-normalised recursion, then scaled.
struct LegendreTable {
    double p[TERMS];
    double dp[TERMS];
};

struct SchmidtFactors {
    double s[TERMS];
    double k[TERMS];  // recursion constants ((n-1)^2 - m^2) / ((2n-1)(2n-3))
    SchmidtFactors() {
        auto at = [](int n, int m) { return n * (n + 1) / 2 + m; };
        s[0] = 1.0;
        k[0] = 0.0;
        for (int n = 1; n <= MagneticModel::MAX_DEGREE; ++n) {
            s[at(n, 0)] = s[at(n - 1, 0)] * (2.0 * n - 1.0) / n;
            for (int m = 0; m <= n; ++m) {
                if (m > 0) {
                    double factor = (m == 1) ? 2.0 : 1.0;
                    s[at(n, m)] = s[at(n, m - 1)] * std::sqrt((n - m + 1.0) * factor / (n + m));
                }
                k[at(n, m)] = (n > 1) ? ((n - 1.0) * (n - 1.0) - double(m) * m) / ((2.0 * n - 1.0) * (2.0 * n - 3.0))
                                      : 0.0;
            }
        }
    }
};

void computeLegendre(double x, double sinColatitude, LegendreTable& out) {
    static const SchmidtFactors factors;
    auto at = [](int n, int m) { return n * (n + 1) / 2 + m; };
    double* p = out.p;
    double* dp = out.dp;
    p[0] = 1.0;
    dp[0] = 0.0;
    for (int n = 1; n <= MagneticModel::MAX_DEGREE; ++n) {
        for (int m = 0; m <= n; ++m) {
            int i = at(n, m);
            if (n == m) {
                int d = at(n - 1, m - 1);
                p[i] = sinColatitude * p[d];
                dp[i] = sinColatitude * dp[d] + x * p[d];
            } else if (n == 1) {
                p[i] = x * p[0];
                dp[i] = x * dp[0] - sinColatitude * p[0];
            } else {
                int a = at(n - 1, m);
                double p2 = (m <= n - 2) ? p[at(n - 2, m)] : 0.0;
                double dp2 = (m <= n - 2) ? dp[at(n - 2, m)] : 0.0;
                p[i] = x * p[a] - factors.k[i] * p2;
                dp[i] = x * dp[a] - sinColatitude * p[a] - factors.k[i] * dp2;
            }
        }
    }
    // The recursion above needs the unscaled values, so scale afterwards.
    for (int i = 0; i < TERMS; ++i) {
        p[i] *= factors.s[i];
        dp[i] *= factors.s[i];
    }
}

}  // namespace

bool MagneticModel::parse(const std::vector<std::string>& lines) {
    loaded = false;
    g.assign(TERMS, 0.0);
    h.assign(TERMS, 0.0);
    gRate.assign(TERMS, 0.0);
    hRate.assign(TERMS, 0.0);
    std::vector<bool> seen(TERMS, false);

    bool haveHeader = false;
    bool ended = false;
    for (const std::string& line : lines) {
        if (isBlank(line)) continue;
        if (!haveHeader) {
            char modelName[64] = {0};
            char date[64] = {0};
            if (std::sscanf(line.c_str(), "%lf%63s", &epoch, modelName) != 2) return false;
            if (std::sscanf(line.c_str(), "%*f%*s%63s", date) == 1) releaseDate = date;
            name = modelName;
            haveHeader = true;
            continue;
        }
        if (isEndOfTable(line)) {
            ended = true;
            break;
        }
        int n = 0, m = 0;
        double gValue, hValue, gPerYear, hPerYear;
        if (std::sscanf(line.c_str(), "%d%d%lf%lf%lf%lf", &n, &m, &gValue, &hValue, &gPerYear, &hPerYear) != 6) {
            return false;
        }
        if (n < 1 || n > MAX_DEGREE || m < 0 || m > n) return false;
        int i = index(n, m);
        g[i] = gValue;
        h[i] = hValue;
        gRate[i] = gPerYear;
        hRate[i] = hPerYear;
        seen[i] = true;
    }
    if (!haveHeader || !ended) return false;
    for (int i = 1; i < TERMS; ++i) {
        if (!seen[i]) return false;
    }
    loaded = true;
    return true;
}

MagneticFieldElements MagneticModel::evaluate(const ChartPosition& position, double heightAboveEllipsoid,
                                              double decimalYear) const {
    MagneticFieldElements field;
    if (!loaded) return field;

    // Geodetic to geocentric spherical coordinates on WGS-84.
    double latitude = Latitudinize(position.latitude);
    double longitude = Angle180(position.longitude);
    double heightKm = heightAboveEllipsoid / 1000.0;
    double sinLat = std::sin(latitude * units::kRadiansPerDegree);
    double cosLat = std::cos(latitude * units::kRadiansPerDegree);
    double primeVerticalRadius = WGS84_A_KM / std::sqrt(1.0 - WGS84_E2 * sinLat * sinLat);
    double xp = (primeVerticalRadius + heightKm) * cosLat;
    double zp = (primeVerticalRadius * (1.0 - WGS84_E2) + heightKm) * sinLat;
    double radius = std::sqrt(xp * xp + zp * zp);
    double geocentricLatitude = std::asin(zp / radius);

    // At the geographic poles the east component's 1/cos(latitude) is 0/0;
    // a latitude a hair away from the pole gives the limit.
    double cosGeocentric = std::cos(geocentricLatitude);
    if (cosGeocentric < 1e-10) {
        geocentricLatitude = std::copysign(units::kPi / 2 - 1e-10, geocentricLatitude);
        cosGeocentric = std::cos(geocentricLatitude);
    }
    double sinGeocentric = std::sin(geocentricLatitude);

    LegendreTable legendre;
    computeLegendre(sinGeocentric, cosGeocentric, legendre);

    double cosM[MAX_DEGREE + 1], sinM[MAX_DEGREE + 1];
    double lambda = longitude * units::kRadiansPerDegree;
    cosM[0] = 1.0;
    sinM[0] = 0.0;
    cosM[1] = std::cos(lambda);
    sinM[1] = std::sin(lambda);
    for (int m = 2; m <= MAX_DEGREE; ++m) {
        cosM[m] = cosM[m - 1] * cosM[1] - sinM[m - 1] * sinM[1];
        sinM[m] = sinM[m - 1] * cosM[1] + cosM[m - 1] * sinM[1];
    }

    double years = decimalYear - epoch;
    double ratio = MODEL_REFERENCE_RADIUS_KM / radius;
    double ratioPower = ratio * ratio;  // (a/r)^(n+2) starts at n = 0
    double north = 0.0, east = 0.0, down = 0.0;
    for (int n = 1; n <= MAX_DEGREE; ++n) {
        ratioPower *= ratio;
        for (int m = 0; m <= n; ++m) {
            int i = index(n, m);
            double gNow = g[i] + years * gRate[i];
            double hNow = h[i] + years * hRate[i];
            double cosTerm = gNow * cosM[m] + hNow * sinM[m];
            north += ratioPower * cosTerm * legendre.dp[i];
            east += ratioPower * m * (gNow * sinM[m] - hNow * cosM[m]) * legendre.p[i];
            down -= ratioPower * (n + 1) * cosTerm * legendre.p[i];
        }
    }
    east /= cosGeocentric;

    // From the geocentric to the geodetic vertical.
    double psi = geocentricLatitude - latitude * units::kRadiansPerDegree;
    field.north = north * std::cos(psi) - down * std::sin(psi);
    field.east = east;
    field.down = north * std::sin(psi) + down * std::cos(psi);
    field.horizontal = std::sqrt(field.north * field.north + field.east * field.east);
    field.total = std::sqrt(field.horizontal * field.horizontal + field.down * field.down);
    field.declination = std::atan2(field.east, field.north) / units::kRadiansPerDegree;
    field.inclination = std::atan2(field.down, field.horizontal) / units::kRadiansPerDegree;
    if (latitude >= POLAR_GRID_LATITUDE) {
        field.gridVariation = field.declination - longitude;
    } else if (latitude <= -POLAR_GRID_LATITUDE) {
        field.gridVariation = field.declination + longitude;
    } else {
        field.gridVariation = field.declination;
    }
    return field;
}

double decimalYearFromUtc(long long unixSeconds) {
    std::time_t t = std::time_t(unixSeconds);
    std::tm utc;
    gmtime_r(&t, &utc);
    return 1900.0 + utc.tm_year + utc.tm_yday / 365.0;
}

GeoMatrix3 magTransformFromField(const MagneticFieldElements& field) {
    // Field direction in the frame x east, y up, z north.
    Vector3d direction = Vector3d(field.east, -field.down, field.north).normalize();
    Vector3d magneticEast = Vector3d(direction.z, 0.0, -direction.x);  // up x direction
    if (magneticEast.getLengthSQ() < 1e-24) {
        magneticEast = Vector3d(1.0, 0.0, 0.0);  // at a magnetic pole any horizontal axis will do
    } else {
        magneticEast.normalize();
    }
    GeoMatrix3 transform;
    transform.setRow(0, magneticEast);
    transform.setRow(1, direction.crossProduct(magneticEast));
    transform.setRow(2, direction);
    return transform;
}

double calcMagneticVariation(const GeoMatrix3& magTransform) {
    Vector3d horizontal = magTransform.getRow(2);
    horizontal.y = 0.0;
    horizontal.normalize();
    return std::atan2(horizontal.x, horizontal.z);
}

namespace {

std::mutex magneticModelMutex;

// Shared set-up done on the first call; the caller holds magneticModelMutex.
struct SharedMagneticModel {
    bool attempted = false;
    MagneticModel model;
    double decimalYear = 0.0;

    void setUpOnce() {
        if (attempted) return;
        attempted = true;
        if (!model.parse(wmm2020CoefficientLines())) {
            std::cerr << "Error reading Magnetic Model." << std::endl;
            logMessage("Error reading Magnetic Model.");
        }
        decimalYear = decimalYearFromUtc(std::time(nullptr));
        logMessage(std::string("decimalYear: ") + std::to_string(decimalYear));
    }
};

SharedMagneticModel sharedModel;

GeoMatrix3 transformAt(const ChartPosition& position, double heightAboveEllipsoid, double decimalYear,
                       bool* modelOk) {
    if (modelOk) *modelOk = sharedModel.model.isLoaded();
    if (!sharedModel.model.isLoaded()) return GeoMatrix3();
    return magTransformFromField(sharedModel.model.evaluate(position, heightAboveEllipsoid, decimalYear));
}

}  // namespace

GeoMatrix3 createMagTransform(const ChartPosition& position, double heightAboveEllipsoid, bool* modelOk) {
    std::lock_guard<std::mutex> lock(magneticModelMutex);
    sharedModel.setUpOnce();
    return transformAt(position, heightAboveEllipsoid, sharedModel.decimalYear, modelOk);
}

GeoMatrix3 createMagTransform(const ChartPosition& position, double heightAboveEllipsoid, double decimalYear,
                              bool* modelOk) {
    std::lock_guard<std::mutex> lock(magneticModelMutex);
    sharedModel.setUpOnce();
    return transformAt(position, heightAboveEllipsoid, decimalYear, modelOk);
}
