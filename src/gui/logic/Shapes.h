#pragma once
#include <cstdint>
#include <vector>

// Vertex geometry of the 2D drawer, free of the engine so that it can be
// checked exactly. Screen coordinates: x to the right, y downwards, in
// pixels. Angles are in degrees and counter-clockwise positive as the pilot
// sees the screen, 0 pointing to the right: an instrument turning a needle
// clockwise passes the negated angle.
namespace shapes {

struct Vertex {
    double x = 0, y = 0;
    double u = 0, v = 0;  // texture coordinates, interpolated when clipped
};

struct Rect {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool isEmpty() const { return right <= left || bottom <= top; }
};

// Triangles as consecutive triples of vertices.
using Triangles = std::vector<Vertex>;

// p turned about the centre by angle (counter-clockwise on screen).
Vertex rotateAbout(const Vertex& p, double centreX, double centreY, double angleDegrees);

// The four corners (upper left, upper right, lower right, lower left, with
// texture coordinates 0..1) of a quad of that size whose upper left corner is
// at (x, y) before it is turned by angle about the point that lies at the
// fractions (centreU, centreV) of its size; (0.5, 0.5) turns it about its
// middle, as a needle on a dial.
std::vector<Vertex> rotatedQuad(double x, double y, double width, double height, double angleDegrees, double centreU,
                                double centreV);

// Gives every vertex the texture coordinates that the texture placed as
// rotatedQuad(x, y, width, height, angleDegrees, centreU, centreV) places it
// has at that point: any shape can then show the part of the texture it
// covers (a disc cut out of a turned picture).
void mapTextureOnto(Triangles& triangles, double x, double y, double width, double height, double angleDegrees,
                    double centreU, double centreV);

// Two triangles of a convex quad given as four corners in order.
Triangles quadTriangles(const std::vector<Vertex>& corners);
// The same, appended to `out`.
void appendQuad(Triangles& out, const Vertex& a, const Vertex& b, const Vertex& c, const Vertex& d);

// A convex polygon (either winding) as a fan of triangles from its first
// corner, appended to `out`.
void appendFan(const std::vector<Vertex>& convex, Triangles& out);

// Triangles covering a simple polygon (convex or concave, either winding) by
// ear clipping. Repeated and collinear points are allowed; a polygon with
// fewer than three distinct corners or no area gives no triangles.
Triangles triangulatePolygon(const std::vector<Vertex>& polygon);

// A line of that width through the points as triangles. Corners are mitred
// up to twice the width and bevelled beyond, so a sharp turn never grows a
// long spike. closed joins the last point to the first.
Triangles thickPolyline(const std::vector<Vertex>& points, double width, bool closed);

// How many straight segments a full circle of that radius needs so that no
// chord strays more than a quarter pixel from the true circle.
int circleSegments(double radius);

// Points on a circle from startDegrees counter-clockwise to endDegrees; an end
// below the start is taken one turn later, so 350..10 is a 20 degree arc and
// 0..360 the full circle. Equal angles give no points.
std::vector<Vertex> arcPoints(double centreX, double centreY, double radius, double startDegrees, double endDegrees);

// A ring section of that width centred on the radius.
Triangles thickArc(double centreX, double centreY, double radius, double width, double startDegrees, double endDegrees);
// The same into `out` (cleared first), so a caller drawing every frame can
// keep one buffer instead of allocating.
void thickArc(double centreX, double centreY, double radius, double width, double startDegrees, double endDegrees,
              Triangles& out);

// A filled disc as a fan around the centre.
Triangles filledCircle(double centreX, double centreY, double radius);
void filledCircle(double centreX, double centreY, double radius, Triangles& out);

// The smallest rectangle holding every vertex.
Rect bounds(const Triangles& triangles);

// The part of an image that is not wholly transparent, as fractions of its
// size, grown by a pixel on each side so that filtering at the edge still
// fades out; the whole image (0..1) when the alpha channel cannot tell, and
// an empty rectangle when every pixel is transparent. Pixels are 32-bit with
// alpha in the top byte, rows `pitch` bytes apart. A needle is a thin strip
// of a picture as large as its dial: drawing only its strip saves the
// renderer most of the work.
Rect visiblePart(const uint8_t* pixels, int width, int height, int pitch);
bool contains(const Rect& outer, const Rect& inner);

// The triangles cut to the rectangle: the parts outside are removed, the rest
// re-triangulated, texture coordinates interpolated along the cut edges.
Triangles clipTriangles(const Triangles& triangles, const Rect& clip);
void clipTriangles(const Triangles& triangles, const Rect& clip, Triangles& out);

// The intersection of two rectangles (empty when they do not overlap).
Rect intersect(const Rect& a, const Rect& b);

// The regular polygon of that many corners whose sides touch the circle
// (it covers the circle; its corners lie radius / cos(180 / corners) out).
void polygonAroundCircle(double centreX, double centreY, double radius, int corners, std::vector<Vertex>& out);
// The fewest corners such a polygon needs so that none lies more than
// `tolerance` outside the circle (at least 3). A software renderer pays for
// every triangle in every tile it touches: round shapes that need not follow
// the circle to a quarter pixel are drawn with as few corners as they allow.
int cornersAround(double radius, double tolerance);
// Triangles between a polygon inside the circle of radius `inner` (its
// corners on it) and one around the circle of radius `outer`, both with
// `corners` corners: they cover every point between the two circles and
// reach no farther than outer / cos(180 degrees / corners) from the centre.
void polygonRing(double centreX, double centreY, double inner, double outer, int corners, Triangles& out);

}  // namespace shapes
