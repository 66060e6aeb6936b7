// The kinds drawn as a symbol at one position: navaids, waypoints, marks,
// obstacles, places and airports. Which symbol, and the obstacles' and
// places' colours, come from the map's drawing rules; the shapes are drawn
// here.
#include <cmath>

#include "chart/elements/AirportElement.h"
#include "chart/elements/NDBElement.h"
#include "chart/elements/ObstructionElement.h"
#include "chart/elements/POIElement.h"
#include "chart/elements/VORElement.h"
#include "chart/elements/WaypointElement.h"
#include "map/ElementRenderers.h"
#include "map/Map2D.h"
#include "map/rules/ChartSymbols.h"
#include "map/rules/PointOfInterestLook.h"

using namespace irr;
using core::vector2df;
using video::SColor;

namespace {

// Symbol colours of the day chart; the night palette derives its own.
const MapColour kNavaidBlue{20, 70, 160, 255};
const MapColour kNdbMagenta{150, 40, 120, 255};
const MapColour kMarkOrange{220, 120, 0, 255};
const MapColour kClosedRed{200, 0, 0, 255};
const SColor kWhite(255, 255, 255, 255);

void regularPolygon(Drawer2D::Points& out, vector2df centre, float radius, int corners, float startDegrees) {
    out.clear();
    for (int i = 0; i < corners; ++i) {
        const float a = (startDegrees + 360.0f * i / corners) * core::DEGTORAD;
        out.emplace_back(centre.X + radius * std::cos(a), centre.Y - radius * std::sin(a));
    }
}

// Screen direction of a true heading (y grows downwards).
vector2df headingVector(double degrees, float length) {
    const float a = static_cast<float>(degrees) * core::DEGTORAD;
    return vector2df(std::sin(a) * length, -std::cos(a) * length);
}

}  // namespace

void VORRenderer::drawSymbol(const IChartElement* element, vector2df c, float r, MapPalette palette) {
    const NavaidSymbol symbol = chooseNavaidSymbol(*static_cast<const VORElement*>(element));
    const SColor colour = inPalette(kNavaidBlue, palette);
    // The compass-rose hexagon of a VOR; a DME adds the square around it,
    // a TACAN or VORTAC the three leaves; a DME alone is the square.
    if (symbol != NavaidSymbol::DME) {
        regularPolygon(points, c, r, 6, 0.0f);
        drawer.drawPolyline(points, 2.0f, colour, true);
    }
    drawer.fillCircle(c, 1.5f, colour);
    if (symbol == NavaidSymbol::VOR_DME || symbol == NavaidSymbol::DME)
        drawer.drawRectangleOutline(core::rect<s32>(c.X - r, c.Y - r * 0.87f, c.X + r, c.Y + r * 0.87f), 1.5f, colour);
    if (symbol == NavaidSymbol::VORTAC || symbol == NavaidSymbol::TACAN) {
        for (int i = 0; i < 3; ++i) {
            const float a = (30.0f + 120.0f * i) * core::DEGTORAD;
            const vector2df mid(c.X + r * 0.95f * std::cos(a), c.Y - r * 0.95f * std::sin(a));
            const vector2df across(-std::sin(a) * r * 0.45f, -std::cos(a) * r * 0.45f);
            drawer.drawLine(mid - across, mid + across, r * 0.5f, colour);
        }
    }
}

void NDBRenderer::drawSymbol(const IChartElement*, vector2df c, float r, MapPalette palette) {
    // The dotted rings of an NDB.
    const SColor colour = inPalette(kNdbMagenta, palette);
    drawer.fillCircle(c, r * 0.3f, colour);
    for (float ring : {0.6f, 1.0f}) {
        const int dots = ring < 1.0f ? 8 : 12;
        for (int i = 0; i < dots; ++i) {
            const float a = 2.0f * core::PI * i / dots;
            drawer.fillCircle(vector2df(c.X + r * ring * std::cos(a), c.Y + r * ring * std::sin(a)), 1.2f, colour);
        }
    }
}

void WaypointRenderer::drawSymbol(const IChartElement* element, vector2df c, float r, MapPalette palette) {
    const WaypointSymbol symbol = chooseWaypointSymbol(*static_cast<const WaypointElement*>(element), 0);
    const SColor colour = inPalette(kNavaidBlue, palette);
    switch (symbol) {
        case WaypointSymbol::REPORTING_POINT:
            regularPolygon(points, c, r * 0.7f, 3, 90.0f);
            drawer.fillPolygon(points, colour);
            break;
        case WaypointSymbol::IFR_FIX:
            regularPolygon(points, c, r * 0.7f, 3, 90.0f);
            drawer.drawPolyline(points, 1.5f, colour, true);
            break;
        case WaypointSymbol::USER_WAYPOINT:
            drawer.drawCircle(c, r * 0.7f, 1.5f, colour);
            drawer.drawLine(c - vector2df(r * 0.5f, r * 0.5f), c + vector2df(r * 0.5f, r * 0.5f), 1.5f, colour);
            drawer.drawLine(c - vector2df(r * 0.5f, -r * 0.5f), c + vector2df(r * 0.5f, -r * 0.5f), 1.5f, colour);
            break;
        case WaypointSymbol::WAYPOINT:
            points.clear();
            for (int i = 0; i < 8; ++i) {
                const float a = i * core::PI / 4.0f, radius = i % 2 == 0 ? r * 0.8f : r * 0.25f;
                points.emplace_back(c.X + radius * std::sin(a), c.Y - radius * std::cos(a));
            }
            drawer.fillPolygon(points, colour);
            break;
    }
}

void MarkRenderer::drawSymbol(const IChartElement*, vector2df c, float r, MapPalette palette) {
    const SColor colour = inPalette(kMarkOrange, palette);
    drawer.drawLine(c, vector2df(c.X, c.Y - 2 * r), 2.0f, colour);
    points.clear();
    points.emplace_back(c.X, c.Y - 2 * r);
    points.emplace_back(c.X + r * 1.2f, c.Y - 1.6f * r);
    points.emplace_back(c.X, c.Y - 1.2f * r);
    drawer.fillPolygon(points, colour);
}

void ObstructionRenderer::drawSymbol(const IChartElement* element, vector2df c, float r, MapPalette palette) {
    // The inverted V with its dot as charts mark an obstacle: doubled for a
    // group, with rays when lit, larger when exceptionally high. The colour
    // says how close the top is to the own altitude.
    const ObstacleLook look = chooseObstacleLook(*static_cast<const ObstructionElement*>(element), ownAltitude, palette);
    const SColor colour = toSColor(look.colour);
    const float size = look.exceptionallyHigh ? r * 1.4f : r;
    const auto mast = [&](float dx) {
        drawer.drawLine(vector2df(c.X + dx - size * 0.6f, c.Y + size * 0.8f), vector2df(c.X + dx, c.Y - size), 2.0f,
                        colour);
        drawer.drawLine(vector2df(c.X + dx + size * 0.6f, c.Y + size * 0.8f), vector2df(c.X + dx, c.Y - size), 2.0f,
                        colour);
        drawer.fillCircle(vector2df(c.X + dx, c.Y + size * 0.6f), 1.8f, colour);
    };
    mast(look.group ? -size * 0.45f : 0.0f);
    if (look.group) mast(size * 0.45f);
    if (look.lit)
        for (float a : {-50.0f, 0.0f, 50.0f})
            drawer.drawLine(vector2df(c.X, c.Y - size) + headingVector(a, size * 0.5f),
                            vector2df(c.X, c.Y - size) + headingVector(a, size * 0.9f), 1.2f, colour);
}

void ObstructionRenderer::render2D(const IChartElement* element, Map2D* map, int32_t id, bool selected,
                                   bool highlighted) {
    ownAltitude = map->getAltitude();
    APointRenderer::render2D(element, map, id, selected, highlighted);
}

SColor ObstructionRenderer::labelColour(const IChartElement* element, const Map2D& map) const {
    return toSColor(
        chooseObstacleLook(*static_cast<const ObstructionElement*>(element), map.getAltitude(), map.getPalette()).colour);
}

void POIRenderer::drawSymbol(const IChartElement* element, vector2df c, float, MapPalette palette) {
    const POILook look = getPOILook(static_cast<const POIElement*>(element)->poiType, palette);
    const SColor colour = toSColor(look.text);
    switch (look.marker) {
        case POIMarker::DOT: drawer.fillCircle(c, look.markerRadiusPixels, colour); break;
        case POIMarker::PEAK:
        case POIMarker::VOLCANO:
            regularPolygon(points, c, look.markerRadiusPixels, 3, 90.0f);
            drawer.fillPolygon(points, colour);
            if (look.marker == POIMarker::VOLCANO) drawer.fillCircle(c, look.markerRadiusPixels * 0.35f, kWhite);
            break;
        case POIMarker::NONE: break;
    }
}

SColor POIRenderer::labelColour(const IChartElement* element, const Map2D& map) const {
    return toSColor(getPOILook(static_cast<const POIElement*>(element)->poiType, map.getPalette()).text);
}

void AirportRenderer::drawSymbol(const IChartElement* element, vector2df c, float r, MapPalette palette) {
    const AirportSymbolChoice choice = chooseAirportSymbol(*static_cast<const AirportElement*>(element));
    const SColor colour = inPalette(getAirportSymbolColour(choice.symbol), palette);
    const vector2df along = headingVector(choice.runwayHeadingDegrees, r * 1.45f);
    switch (choice.symbol) {
        case AirportSymbol::TOWERED:
            // Filled, the runway cut out in white.
            drawer.fillCircle(c, r, colour);
            if (choice.hasRunway) drawer.drawLine(c - along * 0.7f, c + along * 0.7f, r * 0.35f, kWhite);
            return;
        case AirportSymbol::HELIPORT:
            drawer.drawCircle(c, r, 2.0f, colour);
            drawer.drawLine(vector2df(c.X - r * 0.4f, c.Y - r * 0.5f), vector2df(c.X - r * 0.4f, c.Y + r * 0.5f), 2, colour);
            drawer.drawLine(vector2df(c.X + r * 0.4f, c.Y - r * 0.5f), vector2df(c.X + r * 0.4f, c.Y + r * 0.5f), 2, colour);
            drawer.drawLine(vector2df(c.X - r * 0.4f, c.Y), vector2df(c.X + r * 0.4f, c.Y), 2, colour);
            return;
        default:
            break;
    }
    // Open fields: the ring with the runway through it.
    drawer.drawCircle(c, r, 2.0f, colour);
    if (choice.hasRunway) drawer.drawLine(c - along, c + along, r * 0.3f, colour);
    if (choice.symbol == AirportSymbol::MILITARY) drawer.drawCircle(c, r * 0.65f, 1.5f, colour);
    if (choice.symbol == AirportSymbol::GLIDER) {
        drawer.drawLine(vector2df(c.X - r, c.Y - r * 0.1f), vector2df(c.X, c.Y + r * 0.2f), 1.5f, colour);
        drawer.drawLine(vector2df(c.X, c.Y + r * 0.2f), vector2df(c.X + r, c.Y - r * 0.1f), 1.5f, colour);
    }
    if (choice.symbol == AirportSymbol::PRIVATE) drawer.fillCircle(vector2df(c.X + r, c.Y - r), r * 0.3f, colour);
    if (choice.symbol == AirportSymbol::CLOSED) {
        const SColor cross = inPalette(kClosedRed, palette);
        drawer.drawLine(vector2df(c.X - r, c.Y - r), vector2df(c.X + r, c.Y + r), 2.5f, cross);
        drawer.drawLine(vector2df(c.X - r, c.Y + r), vector2df(c.X + r, c.Y - r), 2.5f, cross);
    }
}
