// The kinds drawn as a symbol at one position: navaids, waypoints, marks,
// obstacles, places and airports.
#include <cmath>

#include "chart/elements/AirportElement.h"
#include "chart/elements/ObstructionElement.h"
#include "chart/elements/POIElement.h"
#include "chart/elements/VORElement.h"
#include "chart/elements/WaypointElement.h"
#include "map/ElementRenderers.h"
#include "map/Map2D.h"

using namespace irr;
using core::vector2df;
using video::SColor;

namespace {

const SColor kNavaidBlue(255, 20, 70, 160);
const SColor kNdbMagenta(255, 150, 40, 120);
const SColor kToweredBlue(255, 0, 90, 200);
const SColor kUntoweredMagenta(255, 170, 0, 140);
const SColor kObstacleRed(255, 200, 30, 30);

void regularPolygon(Drawer2D::Points& out, vector2df centre, float radius, int corners, float startDegrees) {
    out.clear();
    for (int i = 0; i < corners; ++i) {
        const float a = (startDegrees + 360.0f * i / corners) * core::DEGTORAD;
        out.emplace_back(centre.X + radius * std::cos(a), centre.Y - radius * std::sin(a));
    }
}

}  // namespace

void VORRenderer::drawSymbol(const IChartElement* element, vector2df c, float r, bool night) {
    const auto* vor = static_cast<const VORElement*>(element);
    const SColor colour = nightened(kNavaidBlue, night);
    // The compass rose hexagon of a VOR; a DME adds the square around it,
    // a TACAN or VORTAC the three leaves.
    regularPolygon(points, c, r, 6, 0.0f);
    drawer.drawPolyline(points, 2.0f, colour, true);
    drawer.fillCircle(c, 1.5f, colour);
    if (vor->vorType == VORElement::VORDME)
        drawer.drawRectangleOutline(core::rect<s32>(c.X - r, c.Y - r * 0.87f, c.X + r, c.Y + r * 0.87f), 1.5f, colour);
    if (vor->vorType == VORElement::VORTAC || vor->vorType == VORElement::TACAN) {
        for (int i = 0; i < 3; ++i) {
            const float a = (30.0f + 120.0f * i) * core::DEGTORAD;
            const vector2df mid(c.X + r * 0.95f * std::cos(a), c.Y - r * 0.95f * std::sin(a));
            const vector2df across(-std::sin(a) * r * 0.45f, -std::cos(a) * r * 0.45f);
            drawer.drawLine(mid - across, mid + across, r * 0.5f, colour);
        }
    }
}

void NDBRenderer::drawSymbol(const IChartElement*, vector2df c, float r, bool night) {
    // The dotted rings of an NDB.
    const SColor colour = nightened(kNdbMagenta, night);
    drawer.fillCircle(c, r * 0.3f, colour);
    for (float ring : {0.6f, 1.0f}) {
        const int dots = ring < 1.0f ? 8 : 12;
        for (int i = 0; i < dots; ++i) {
            const float a = 2.0f * core::PI * i / dots;
            drawer.fillCircle(vector2df(c.X + r * ring * std::cos(a), c.Y + r * ring * std::sin(a)), 1.2f, colour);
        }
    }
}

void WaypointRenderer::drawSymbol(const IChartElement* element, vector2df c, float r, bool night) {
    const auto* waypoint = static_cast<const WaypointElement*>(element);
    const SColor colour = nightened(kNavaidBlue, night);
    regularPolygon(points, c, r * 0.7f, 3, 90.0f);
    // A reporting point is a filled triangle, other fixes an open one.
    if (waypoint->rp) drawer.fillPolygon(points, colour);
    drawer.drawPolyline(points, 1.5f, colour, true);
}

void MarkRenderer::drawSymbol(const IChartElement*, vector2df c, float r, bool night) {
    const SColor colour = nightened(SColor(255, 220, 120, 0), night);
    drawer.drawLine(c, vector2df(c.X, c.Y - 2 * r), 2.0f, colour);
    points.clear();
    points.emplace_back(c.X, c.Y - 2 * r);
    points.emplace_back(c.X + r * 1.2f, c.Y - 1.6f * r);
    points.emplace_back(c.X, c.Y - 1.2f * r);
    drawer.fillPolygon(points, colour);
}

void ObstructionRenderer::drawSymbol(const IChartElement*, vector2df c, float r, bool night) {
    // The inverted V with its dot, as charts mark an obstacle.
    const SColor colour = nightened(kObstacleRed, night);
    drawer.drawLine(vector2df(c.X - r * 0.6f, c.Y + r * 0.8f), vector2df(c.X, c.Y - r), 2.0f, colour);
    drawer.drawLine(vector2df(c.X + r * 0.6f, c.Y + r * 0.8f), vector2df(c.X, c.Y - r), 2.0f, colour);
    drawer.fillCircle(vector2df(c.X, c.Y + r * 0.6f), 1.8f, colour);
}

SColor ObstructionRenderer::labelColour(const IChartElement*, bool night) const {
    return nightened(kObstacleRed, night);
}

void POIRenderer::drawSymbol(const IChartElement* element, vector2df c, float r, bool night) {
    const auto* poi = static_cast<const POIElement*>(element);
    if (poi->poiType == POIElement::PEAK || poi->poiType == POIElement::VOLCANO) {
        regularPolygon(points, c, r * 0.5f, 3, 90.0f);
        drawer.fillPolygon(points, nightened(SColor(255, 110, 70, 30), night));
    } else if (poi->poiType <= POIElement::HAMLET) {
        drawer.fillCircle(c, r * 0.3f, nightened(SColor(255, 90, 90, 90), night));
    }
}

SColor AirportRenderer::colourOf(const AirportElement& airport, bool night) {
    return nightened(airport.towered ? kToweredBlue : kUntoweredMagenta, night);
}

void AirportRenderer::drawSymbol(const IChartElement* element, vector2df c, float r, bool night) {
    const auto& airport = *static_cast<const AirportElement*>(element);
    const SColor colour = colourOf(airport, night);
    if (airport.heliport && airport.runways.empty()) {
        drawer.drawCircle(c, r, 2.0f, colour);
        drawer.drawLine(vector2df(c.X - r * 0.4f, c.Y - r * 0.5f), vector2df(c.X - r * 0.4f, c.Y + r * 0.5f), 2, colour);
        drawer.drawLine(vector2df(c.X + r * 0.4f, c.Y - r * 0.5f), vector2df(c.X + r * 0.4f, c.Y + r * 0.5f), 2, colour);
        drawer.drawLine(vector2df(c.X - r * 0.4f, c.Y), vector2df(c.X + r * 0.4f, c.Y), 2, colour);
        return;
    }
    drawer.drawCircle(c, r, 2.0f, colour);
    // A military field has the double ring; a private one is open, the
    // others filled behind their runway.
    if (airport.military) drawer.drawCircle(c, r * 0.7f, 1.5f, colour);
    else if (!airport.privateUse) drawer.fillCircle(c, r * 0.75f, colour);
    const double heading = longestRunwayHeading(airport);
    if (heading >= 0) {
        const float a = static_cast<float>(heading) * core::DEGTORAD;
        const vector2df along(std::sin(a) * r * 1.45f, -std::cos(a) * r * 1.45f);
        // White on a filled disc, in the field's colour on an open one.
        const bool filled = !airport.privateUse && !airport.military;
        drawer.drawLine(c - along, c + along, r * 0.35f, filled ? SColor(255, 255, 255, 255) : colour);
    }
    if (airport.glider) drawer.drawLine(vector2df(c.X - r, c.Y), vector2df(c.X + r, c.Y), 1.5f, colour);
    if (airport.closed) {
        const SColor cross = nightened(SColor(255, 200, 0, 0), night);
        drawer.drawLine(vector2df(c.X - r, c.Y - r), vector2df(c.X + r, c.Y + r), 2.5f, cross);
        drawer.drawLine(vector2df(c.X - r, c.Y + r), vector2df(c.X + r, c.Y - r), 2.5f, cross);
    }
}

double AirportRenderer::longestRunwayHeading(const AirportElement& airport) {
    double longest = -1, heading = -1;
    for (const Runway& runway : airport.runways) {
        const double length = runway.getGeometryLength();
        if (length > longest) longest = length, heading = runway.getEndDirection(0);
    }
    return heading;
}
