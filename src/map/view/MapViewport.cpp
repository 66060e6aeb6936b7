#include "map/view/MapViewport.h"

#include <algorithm>
#include <cmath>

#include "geo/Angles.h"
#include "geo/Geodesy.h"

namespace {
// The metres-per-pixel figure uses the chart's own (slightly different)
// degree length, so that distances read from the map match the chart's.
constexpr double kChartMetresPerDegree = 111194.9403599124;
constexpr double kLatitudeClampMargin = 89.9;

double unwrapAbove(double longitude, double west) {
    double offset = longitude - west;
    while (offset < 0.0) offset += 360.0;
    while (offset >= 360.0) offset -= 360.0;
    return offset;
}
}  // namespace

double initialZoom(double panelHeight) { return panelHeight / (0.75 * kMetresPerDegree); }

int roundPixel(double value) { return static_cast<int>(std::round(value)); }

double MapViewport::screenX(double longitude) const {
    double offset = unwrapAbove(longitude, west);
    // A point just west of the view comes out near 360°: keep it on the left
    // so lines leaving the view are drawn towards the right side.
    if (offset > 180.0 + longitudeSpan / 2.0) offset -= 360.0;
    return offset * width / longitudeSpan;
}

ChartPosition MapViewport::positionAt(double x, double y) const {
    return ChartPosition(Angle180(x * longitudeSpan / width + west), north - y * latitudeSpan / height);
}

bool MapViewport::isInside(ChartPosition position, double marginLongitude, double marginLatitude,
                           bool widened) const {
    const double w = widened ? widenedNorthWest.longitude : west;
    const double n = widened ? widenedNorthWest.latitude : north;
    const double s = widened ? widenedSouthEast.latitude : south;
    double span = widened ? unwrapAbove(widenedSouthEast.longitude, w) : longitudeSpan;
    if (span == 0.0) span = 360.0;
    if (position.latitude > n + marginLatitude || position.latitude < s - marginLatitude) return false;
    double offset = unwrapAbove(position.longitude, w);
    if (offset > 360.0 - marginLongitude) offset -= 360.0;
    return offset >= -marginLongitude && offset <= span + marginLongitude;
}

MapViewport calculateViewport(const ViewportInput& in, double* slide) {
    MapViewport v;
    v.zoom = in.zoom;
    v.width = in.width;
    v.height = in.height;
    v.centre = in.centre;
    v.latitudeSpan = in.height / in.zoom / kMetresPerDegree;
    v.metresPerPixel = v.latitudeSpan * kChartMetresPerDegree / in.height;
    const double clampLimit = kLatitudeClampMargin - v.latitudeSpan / 2.0;
    const double clamped = std::clamp(in.centre.latitude, -clampLimit, clampLimit);
    v.cosLatitude = std::cos(clamped * M_PI / 180.0);
    v.longitudeSpan = std::min(180.0, in.width / in.zoom / v.cosLatitude / kMetresPerDegree);

    double moved = 0.0;
    double north = in.centre.latitude + v.latitudeSpan / 2.0;
    double south = in.centre.latitude - v.latitudeSpan / 2.0;
    if (north > kEdgeLatitudeLimit) moved = kEdgeLatitudeLimit - north;
    if (south < -kEdgeLatitudeLimit) moved = -kEdgeLatitudeLimit - south;
    north += moved, south += moved;
    v.centre.latitude += moved;
    if (slide) *slide = moved;
    v.north = north, v.south = south;
    v.west = Angle180(v.centre.longitude - v.longitudeSpan / 2.0);
    v.east = Angle180(v.centre.longitude + v.longitudeSpan / 2.0);

    const Vector3d corner = ChartPosition2Vector3df64(ChartPosition(v.west, v.north),
                                                      ChartPosition(v.west + v.longitudeSpan, v.south), 0.0);
    v.visibleArea = std::fabs(corner.x * corner.z);

    const double marginLongitude = in.renderMargin * v.longitudeSpan / in.width;
    const double marginLatitude = in.renderMargin * v.latitudeSpan / in.height;
    v.widenedNorthWest = ChartPosition(Angle180(v.west - marginLongitude),
                                       std::min(kEdgeLatitudeLimit, v.north + marginLatitude));
    v.widenedSouthEast = ChartPosition(Angle180(v.east + marginLongitude),
                                       std::max(-kEdgeLatitudeLimit, v.south - marginLatitude));

    const double panelShare = in.width * in.height / (in.screenWidth * in.screenHeight);
    v.scaleMeasure = std::fabs(v.longitudeSpan * v.latitudeSpan) / panelShare;
    return v;
}
