#pragma once
#include <vector>

#include "geo/ChartPosition.h"
#include "geo/GeoVectors.h"

// Geodesy on a sphere: unit vectors, the local flat frame, distances,
// bearings and areas. Distances are metres, bearings degrees true in
// [0, 360) clockwise from north. Every function is pure and thread-safe;
// degenerate input (zero vectors, poles, empty lists) is settled by fixed
// rules rather than reported.

constexpr double EARTH_RADIUS_M = 6371000.785;
// Metres per degree of arc on that sphere (R * pi / 180).
constexpr double METERS_PER_DEGREE = 111194.940345393;
// Degrees per radian, deliberately 180 / 3.141592654 in both directions so
// that frame conversions there and back reproduce their input.
constexpr double DEGREES_PER_RADIAN = 57.29577950560105;
constexpr double RADIANS_PER_DEGREE = 1.0 / DEGREES_PER_RADIAN;
// Beyond this latitude the local frame uses the cosine of this latitude.
constexpr double FRAME_LATITUDE_LIMIT = 89.9;
constexpr double FRAME_COSINE_AT_LIMIT = 0.0017453281610231236;
// Half the side of the default local frame and its latitude extent.
constexpr double FRAME_HALF_SIZE_M = 10000.0;
constexpr double FRAME_HALF_LATITUDE = 0.08993214951092257;
constexpr double FRAME_LATITUDE_SPAN = 0.17986429902184514;
// Chords of unit vectors below this (about 6.4 km) are measured in the flat frame.
constexpr double FLAT_CHORD_LIMIT = 0.001;

// Unit-sphere vector, y towards the north pole, x through (0, 0), z through (90 E, 0).
Vector3f calcVectorFromChartPosition(double longitude, double latitude);
Vector3d calcVectorFromChartPositionf64(double longitude, double latitude);
Vector3d calcVectorFromChartPositionf64(const ChartPosition& position);
// The inverse; the longitude comes out in [0, 360), the latitude in [-90, 90].
void calcChartPositionFromVector(const Vector3f& vector, double& longitudeOut, double& latitudeOut);
void calcChartPositionFromVector(const Vector3d& vector, double& longitudeOut, double& latitudeOut);

// Cosine of the reference latitude as the local frame uses it (clamped near the poles).
double frameCosine(double referenceLatitude);

// Position into the local frame (metres; x east, y = height, z north) of the
// square of side 2 * halfSize centred on reference. Longitudes across the
// antimeridian are taken on the side nearer the reference.
Vector3d ChartPosition2Vector3df64(const ChartPosition& reference, const ChartPosition& position, double height,
                                   double halfSize);
Vector3d ChartPosition2Vector3df64(const ChartPosition& reference, const ChartPosition& position, double height);
Vector3f ChartPosition2Vector3df(const ChartPosition& reference, const ChartPosition& position, float height);
// The inverse of the 10000 m frame. Linear, so it also serves larger offsets
// with falling accuracy. The longitude is not normalised.
ChartPosition Vector3df642ChartPosition(const ChartPosition& reference, const Vector3d& vector);
ChartPosition Vector3df2ChartPosition(const ChartPosition& reference, const Vector3f& vector);
// The position at a bearing (degrees true) and distance (metres) from origin, through the local frame.
ChartPosition calcChartPositionAtBearing(const ChartPosition& origin, double bearing, double distance);

// Great-circle distance between two directions (normalised here; a zero vector stays zero).
double calcDistance(const Vector3d& a, const Vector3d& b);
double calcDistance(const Vector3f& a, const Vector3f& b);
// Distance between positions: flat frame for short legs, great circle otherwise.
double calcDistance2(const ChartPosition& a, const ChartPosition& b);
// Initial great-circle bearing from a to b.
double calcBearing(const Vector3d& a, const Vector3d& b);
double calcBearing(const Vector3f& a, const Vector3f& b);
// Bearing between positions: flat frame for short legs, great circle otherwise.
double calcBearing2(const ChartPosition& a, const ChartPosition& b);

// Sum of the leg lengths; 0 for an empty list.
double calcPolyLineLength(const std::vector<ChartPosition>& positions);
// Area in square metres of the closed polygon, in the flat frame of its first point.
double calcPolyLineArea(const std::vector<ChartPosition>& positions);
// Area in square kilometres of the latitude/longitude rectangle.
double calcConstrainedArea(const ChartPosition& northWest, const ChartPosition& southEast);
// Midpoint along the shorter way round in longitude; longitude in [0, 360).
ChartPosition calcChartPositionCenter(const ChartPosition& a, const ChartPosition& b);
// Corners of the square of side size metres about centre.
void calcRectangleAround(ChartPosition& northWestOut, ChartPosition& southEastOut, const ChartPosition& centre,
                         double size);
// Bounding box of the points in the flat frame of the first one; areaOut in
// square metres. False (outputs untouched but areaOut = 0) for no points;
// true when there are at least two.
bool calculateBoundingBox(ChartPosition& northWestOut, ChartPosition& southEastOut, double& areaOut,
                          const std::vector<ChartPosition>& positions);
