#include "geo/Geodesy.h"

#include <algorithm>
#include <cmath>

#include "geo/Angles.h"

namespace {

double clampUnit(double v) {
    return std::min(1.0, std::max(-1.0, v));
}

template <typename T>
void chartPositionFromVector(const GeoVector3<T>& vector, double& longitudeOut, double& latitudeOut) {
    double x = vector.x, y = vector.y, z = vector.z;
    double length = std::sqrt(x * x + y * y + z * z);
    if (length < 1e-8) {
        latitudeOut = 0.0;
    } else {
        double s = y / length;
        if (s >= 1.0) {
            latitudeOut = 90.0;
        } else if (s <= -1.0) {
            latitudeOut = -90.0;
        } else {
            double latitude = std::asin(s) * DEGREES_PER_RADIAN;
            if (latitude > 90.0) latitude = 180.0 - latitude;
            if (latitude < -90.0) latitude = -180.0 - latitude;
            latitudeOut = latitude;
        }
    }
    double horizontal = std::sqrt(x * x + z * z);
    if (horizontal < 1e-8) {
        longitudeOut = 0.0;
        return;
    }
    double c = x / horizontal;
    double longitude;
    if (c >= 1.0) {
        longitude = 0.0;
    } else if (c <= -1.0) {
        longitude = 180.0;
    } else {
        longitude = std::acos(c) * DEGREES_PER_RADIAN;
    }
    if (z < 0.0) longitude = 360.0 - longitude;
    if (longitude >= 360.0) longitude = 0.0;
    longitudeOut = longitude;
}

// The local frame's half extent in longitude for a half size in metres, given
// the frame's (clamped) cosine. Shared by both directions of the conversion.
double halfLongitudeSpan(double frameCos, double halfSize) {
    return halfSize / (frameCos * METERS_PER_DEGREE);
}

// Sine and cosine below SMALL_ANGLE radians by their Taylor series: exact to
// double precision there and much cheaper than the library calls.
constexpr double SMALL_ANGLE = 0.01;

double sinSmall(double x) {
    double x2 = x * x;
    return x * (1.0 - x2 / 6.0 * (1.0 - x2 / 20.0 * (1.0 - x2 / 42.0)));
}

double cosSmall(double x) {
    double x2 = x * x;
    return 1.0 - x2 / 2.0 * (1.0 - x2 / 12.0 * (1.0 - x2 / 30.0));
}

// The spherical and flat variants agree on which legs are short: those whose
// ends' unit vectors are less than FLAT_CHORD_LIMIT apart. The chord is taken
// in its haversine form
//   |va - vb|^2 = 4 (sin^2(dLat / 2) + cos(latA) cos(latB) sin^2(dLon / 2)),
// which needs the trigonometry of a's latitude only, and which the flat frame
// needs anyway; ends further apart in latitude than the limit are long
// without any of it.
struct LegClass {
    bool isShort;
    double cosLatitudeA;  // set for short legs
};

LegClass classifyLeg(const ChartPosition& a, const ChartPosition& b) {
    double dLat = (b.latitude - a.latitude) * RADIANS_PER_DEGREE;
    // The chord is at least 2 sin(|dLat| / 2).
    if (std::fabs(dLat) >= 1.1 * FLAT_CHORD_LIMIT) return {false, 0.0};
    double latA = a.latitude * RADIANS_PER_DEGREE;
    double sinA = std::sin(latA), cosA = std::cos(latA);
    double cosB = cosA * cosSmall(dLat) - sinA * sinSmall(dLat);
    double halfLon = 0.5 * Angle180(b.longitude - a.longitude) * RADIANS_PER_DEGREE;
    double sinHalfLon = std::fabs(halfLon) < SMALL_ANGLE ? sinSmall(halfLon) : std::sin(halfLon);
    double sinHalfLat = sinSmall(0.5 * dLat);
    double chordSq = 4.0 * (sinHalfLat * sinHalfLat + cosA * cosB * sinHalfLon * sinHalfLon);
    return {chordSq < FLAT_CHORD_LIMIT * FLAT_CHORD_LIMIT, cosA};
}

// The unit vectors of a leg's two ends, in a frame turned about the polar
// axis so that a lies at longitude 0. The turn changes neither chords, nor
// angles, nor the direction of north, and it saves one sine/cosine pair.
struct Leg {
    Vector3d a;
    Vector3d b;
};

Leg legVectors(const ChartPosition& a, const ChartPosition& b) {
    double latA = a.latitude * RADIANS_PER_DEGREE;
    double latB = b.latitude * RADIANS_PER_DEGREE;
    double deltaLon = (b.longitude - a.longitude) * RADIANS_PER_DEGREE;
    double cosA = std::cos(latA), sinA = std::sin(latA);
    double cosB = std::cos(latB), sinB = std::sin(latB);
    return {Vector3d(cosA, sinA, 0.0), Vector3d(cosB * std::cos(deltaLon), sinB, cosB * std::sin(deltaLon))};
}

double clampedFrameCosine(double referenceLatitude, double cosine) {
    return std::fabs(referenceLatitude) > FRAME_LATITUDE_LIMIT ? FRAME_COSINE_AT_LIMIT : cosine;
}

Vector3d toLocalFrame(const ChartPosition& reference, double referenceCosine, const ChartPosition& position,
                      double height, double halfSize) {
    constexpr double DEGREES_PER_METER = 1.0 / METERS_PER_DEGREE;
    double halfLon = halfLongitudeSpan(referenceCosine, halfSize);
    double halfLat = halfSize * DEGREES_PER_METER;
    double west = Angle0to360(reference.longitude - halfLon);
    double east = Angle180(reference.longitude + halfLon);
    while (east <= west) east += 360.0;

    // Of all copies of the longitude (360 apart) take the one nearest the
    // frame's middle, so the antimeridian does not split the frame.
    double middle = 0.5 * (west + east);
    double lon = Angle0to360(position.longitude);
    while (std::fabs(lon + 360.0 - middle) < std::fabs(lon - middle)) lon += 360.0;

    double x = Angle180(lon - west) / Angle180(east - west) * 2.0 * halfSize - halfSize;
    double north = reference.latitude + halfLat;
    double south = reference.latitude - halfLat;
    double z = halfSize - 2.0 * (north - position.latitude) / (north - south) * halfSize;
    return {x, height, z};
}

// The vector forms normalise their input first; the position forms build
// unit vectors and skip that.
double distanceOfUnitVectors(const Vector3d& from, const Vector3d& to) {
    return std::acos(clampUnit(from.dotProduct(to))) * EARTH_RADIUS_M;
}

double bearingOfUnitVectors(const Vector3d& from, const Vector3d& to) {
    Vector3d north = Vector3d(0.0, 1.0, 0.0) - from;
    north -= from * north.dotProduct(from);
    north.normalize();
    Vector3d direction = to - from;
    direction -= from * direction.dotProduct(from);
    direction.normalize();
    double angle = std::acos(clampUnit(north.dotProduct(direction))) * DEGREES_PER_RADIAN;
    if (direction.dotProduct(from.crossProduct(north)) < 0.0) angle = 360.0 - angle;
    return angle;
}

}  // namespace

Vector3d calcVectorFromChartPositionf64(double longitude, double latitude) {
    double lon = longitude * RADIANS_PER_DEGREE;
    double lat = latitude * RADIANS_PER_DEGREE;
    double cosLat = std::cos(lat);
    return {cosLat * std::cos(lon), std::sin(lat), cosLat * std::sin(lon)};
}

Vector3d calcVectorFromChartPositionf64(const ChartPosition& position) {
    return calcVectorFromChartPositionf64(position.longitude, position.latitude);
}

Vector3f calcVectorFromChartPosition(double longitude, double latitude) {
    float lon = float(longitude * RADIANS_PER_DEGREE);
    float lat = float(latitude * RADIANS_PER_DEGREE);
    float cosLat = std::cos(lat);
    return {cosLat * std::cos(lon), std::sin(lat), cosLat * std::sin(lon)};
}

void calcChartPositionFromVector(const Vector3f& vector, double& longitudeOut, double& latitudeOut) {
    chartPositionFromVector(vector, longitudeOut, latitudeOut);
}

void calcChartPositionFromVector(const Vector3d& vector, double& longitudeOut, double& latitudeOut) {
    chartPositionFromVector(vector, longitudeOut, latitudeOut);
}

double frameCosine(double referenceLatitude) {
    if (std::fabs(referenceLatitude) > FRAME_LATITUDE_LIMIT) return FRAME_COSINE_AT_LIMIT;
    return std::cos(referenceLatitude * RADIANS_PER_DEGREE);
}

Vector3d ChartPosition2Vector3df64(const ChartPosition& reference, const ChartPosition& position, double height,
                                   double halfSize) {
    return toLocalFrame(reference, frameCosine(reference.latitude), position, height, halfSize);
}

Vector3d ChartPosition2Vector3df64(const ChartPosition& reference, const ChartPosition& position, double height) {
    return ChartPosition2Vector3df64(reference, position, height, FRAME_HALF_SIZE_M);
}

Vector3f ChartPosition2Vector3df(const ChartPosition& reference, const ChartPosition& position, float height) {
    Vector3d v = ChartPosition2Vector3df64(reference, position, height, FRAME_HALF_SIZE_M);
    return {float(v.x), float(v.y), float(v.z)};
}

ChartPosition Vector3df642ChartPosition(const ChartPosition& reference, const Vector3d& vector) {
    double halfLon = halfLongitudeSpan(frameCosine(reference.latitude), FRAME_HALF_SIZE_M);
    double longitude = Angle0to360(reference.longitude - halfLon) +
                       (vector.x + FRAME_HALF_SIZE_M) / (2.0 * FRAME_HALF_SIZE_M) * 2.0 * halfLon;
    double latitude = reference.latitude + FRAME_HALF_LATITUDE -
                      (FRAME_HALF_SIZE_M - vector.z) / (2.0 * FRAME_HALF_SIZE_M) * FRAME_LATITUDE_SPAN;
    return {longitude, latitude};
}

ChartPosition Vector3df2ChartPosition(const ChartPosition& reference, const Vector3f& vector) {
    return Vector3df642ChartPosition(reference, Vector3d(vector.x, vector.y, vector.z));
}

ChartPosition calcChartPositionAtBearing(const ChartPosition& origin, double bearing, double distance) {
    double b = bearing * RADIANS_PER_DEGREE;
    return Vector3df642ChartPosition(origin, Vector3d(distance * std::sin(b), 0.0, distance * std::cos(b)));
}

double calcDistance(const Vector3d& a, const Vector3d& b) {
    return distanceOfUnitVectors(a.normalized(), b.normalized());
}

double calcDistance(const Vector3f& a, const Vector3f& b) {
    return calcDistance(Vector3d(a.x, a.y, a.z), Vector3d(b.x, b.y, b.z));
}

double calcDistance2(const ChartPosition& a, const ChartPosition& b) {
    LegClass leg = classifyLeg(a, b);
    if (leg.isShort) {
        return toLocalFrame(a, clampedFrameCosine(a.latitude, leg.cosLatitudeA), b, 0.0, FRAME_HALF_SIZE_M)
            .getLength();
    }
    Leg vectors = legVectors(a, b);
    return distanceOfUnitVectors(vectors.a, vectors.b);
}

double calcBearing(const Vector3d& a, const Vector3d& b) {
    return bearingOfUnitVectors(a.normalized(), b.normalized());
}

double calcBearing(const Vector3f& a, const Vector3f& b) {
    return calcBearing(Vector3d(a.x, a.y, a.z), Vector3d(b.x, b.y, b.z));
}

double calcBearing2(const ChartPosition& a, const ChartPosition& b) {
    LegClass leg = classifyLeg(a, b);
    if (!leg.isShort) {
        Leg vectors = legVectors(a, b);
        return bearingOfUnitVectors(vectors.a, vectors.b);
    }
    // Identical positions give the zero vector, which stays zero, and so the
    // fixed answer 90.
    Vector3d v =
        toLocalFrame(a, clampedFrameCosine(a.latitude, leg.cosLatitudeA), b, 0.0, FRAME_HALF_SIZE_M).normalize();
    double angle = std::acos(clampUnit(v.z)) * DEGREES_PER_RADIAN;
    if (v.x < 0.0) angle = 360.0 - angle;
    return angle;
}

double calcPolyLineLength(const std::vector<ChartPosition>& positions) {
    double length = 0.0;
    for (size_t i = 1; i < positions.size(); ++i) length += calcDistance2(positions[i - 1], positions[i]);
    return length;
}

double calcPolyLineArea(const std::vector<ChartPosition>& positions) {
    if (positions.empty()) return 0.0;
    const ChartPosition& reference = positions.front();
    Vector3d previous = ChartPosition2Vector3df64(reference, positions.back(), 0.0);
    double sum = 0.0;
    for (const ChartPosition& p : positions) {
        Vector3d current = ChartPosition2Vector3df64(reference, p, 0.0);
        sum += (previous.x + current.x) * (previous.z - current.z);
        previous = current;
    }
    return std::fabs(sum / 2.0);
}

double calcConstrainedArea(const ChartPosition& northWest, const ChartPosition& southEast) {
    // R^2 in square kilometres.
    constexpr double EARTH_RADIUS_SQUARED_KM2 = 40589651.00247062;
    double west = Angle0to360(northWest.longitude);
    double east = Angle0to360(southEast.longitude);
    while (east < west) east += 360.0;
    return EARTH_RADIUS_SQUARED_KM2 *
           std::fabs(std::sin(northWest.latitude * RADIANS_PER_DEGREE) -
                     std::sin(southEast.latitude * RADIANS_PER_DEGREE)) *
           ((east - west) * RADIANS_PER_DEGREE);
}

ChartPosition calcChartPositionCenter(const ChartPosition& a, const ChartPosition& b) {
    return {Angle0to360(a.longitude + Angle180(b.longitude - a.longitude) / 2.0), (a.latitude + b.latitude) / 2.0};
}

void calcRectangleAround(ChartPosition& northWestOut, ChartPosition& southEastOut, const ChartPosition& centre,
                         double size) {
    double half = size / 2.0;
    northWestOut = Vector3df642ChartPosition(centre, Vector3d(-half, 0.0, half));
    southEastOut = Vector3df642ChartPosition(centre, Vector3d(half, 0.0, -half));
}

bool calculateBoundingBox(ChartPosition& northWestOut, ChartPosition& southEastOut, double& areaOut,
                          const std::vector<ChartPosition>& positions) {
    areaOut = 0.0;
    if (positions.empty()) return false;
    const ChartPosition& reference = positions.front();
    northWestOut = reference;
    southEastOut = reference;
    double west = 0.0, east = 0.0, north = 0.0, south = 0.0;
    for (size_t i = 1; i < positions.size(); ++i) {
        const ChartPosition& p = positions[i];
        Vector3d v = ChartPosition2Vector3df64(reference, p, 0.0);
        if (v.x < west) {
            west = v.x;
            northWestOut.longitude = p.longitude;
        }
        if (v.x > east) {
            east = v.x;
            southEastOut.longitude = p.longitude;
        }
        if (v.z > north) {
            north = v.z;
            northWestOut.latitude = p.latitude;
        }
        if (v.z < south) {
            south = v.z;
            southEastOut.latitude = p.latitude;
        }
    }
    areaOut = std::fabs(east - west) * std::fabs(north - south);
    return positions.size() >= 2;
}
