#pragma once
#include "geo/ChartPosition.h"

// How a map panel looks at the earth in one frame: spans, edges and the
// scale measure, derived from the zoom, the centre and the panel's size.
//
// The projection is equirectangular about the view. Longitudes grow east
// from the west edge; a view across the 180th meridian has west > east and
// positions are unwrapped above the west edge.
struct MapViewport {
    // Pixels per metre on the ground.
    double zoom = 0.0;
    double width = 0.0, height = 0.0;  // the panel, pixels
    ChartPosition centre;
    double latitudeSpan = 0.0, longitudeSpan = 0.0;  // degrees
    double metresPerPixel = 0.0;
    double cosLatitude = 1.0;
    double west = 0.0, east = 0.0, north = 0.0, south = 0.0;
    // The view's ground area in m².
    double visibleArea = 0.0;
    // The rectangle data is fetched for: the view widened by the render
    // margin on every side, so a turned view has no empty corners.
    ChartPosition widenedNorthWest, widenedSouthEast;
    // Square degrees per full screen: the scale every drawing rule compares
    // with, the same for a full-screen map and one in a corner.
    double scaleMeasure = 0.0;

    // Render-target frame (unturned, origin at the top left of the view).
    double screenX(double longitude) const;
    double screenY(double latitude) const { return (north - latitude) * height / latitudeSpan; }
    ChartPosition positionAt(double x, double y) const;
    // Whether the position lies in the view, or in the widened view, with a
    // margin in degrees.
    bool isInside(ChartPosition position, double marginLongitude, double marginLatitude, bool widened) const;
};

// Metres of ground per degree of latitude on the sphere the map uses.
constexpr double kMetresPerDegree = 111194.940345393;
constexpr double kMinimumZoom = 0.00125, kMaximumZoom = 1.25;

// The zoom at which the panel's height spans 0.75° of latitude.
double initialZoom(double panelHeight);

// The limits of the view's edges; beyond them the view slides.
constexpr double kEdgeLatitudeLimit = 89.0;

struct ViewportInput {
    double zoom = 0.0;
    double width = 0.0, height = 0.0;
    double screenWidth = 0.0, screenHeight = 0.0;
    ChartPosition centre;
    // Pixels added on every side of the data rectangle.
    double renderMargin = 0.0;
};

// The viewport for the input. When the north edge would pass 89° (or the
// south edge −89°), the view is moved back and the move, in degrees of
// latitude, is returned in slide (to be added to the view's offset, so that
// the next frame starts from there).
MapViewport calculateViewport(const ViewportInput& input, double* slide = nullptr);

// Pixel coordinates rounded half away from zero.
int roundPixel(double value);
