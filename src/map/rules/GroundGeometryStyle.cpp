#include "map/rules/GroundGeometryStyle.h"

#include "chart/elements/GroundGeometryElement.h"

namespace {

using P = LinePattern;

struct GroundLook {
    ShapeStyle style;  // the fill applies to areas only
    int featurePriority;
};

constexpr ShapeStyle kBorder{{140, 60, 140, 255}, 2.0f, P::DASH_DOT, {0, 0, 0, 0}};

// By GroundGeometryElement::Kind.
const GroundLook kLooks[GroundGeometryElement::KIND_COUNT] = {
    {{{150, 150, 150, 255}, 1.0f, P::SOLID, {200, 200, 200, 120}}, 31},  // unknown
    {{{120, 120, 110, 255}, 2.0f, P::SOLID, {170, 170, 160, 255}}, 15},  // taxiway
    {{{130, 130, 120, 255}, 1.0f, P::SOLID, {190, 190, 180, 255}}, 17},  // apron
    {{{60, 60, 60, 255}, 3.0f, P::SOLID, {90, 90, 90, 255}}, 13},        // runway
    {{{150, 150, 140, 255}, 1.0f, P::SOLID, {200, 200, 190, 255}}, 16},  // shoulder
    {{{200, 170, 0, 255}, 1.0f, P::DASHED, {0, 0, 0, 0}}, 14},           // taxilane
    {{{220, 180, 0, 255}, 2.0f, P::SOLID, {0, 0, 0, 0}}, 10},            // holding position
    {{{230, 190, 0, 255}, 1.0f, P::SOLID, {0, 0, 0, 0}}, 11},            // taxiway line
    {{{90, 90, 90, 255}, 1.0f, P::DASHED, {0, 0, 0, 0}}, 9},             // airport boundary
    {{{200, 90, 40, 255}, 2.0f, P::SOLID, {0, 0, 0, 0}}, 24},            // road
    {{{40, 40, 40, 255}, 1.5f, P::DASHED, {0, 0, 0, 0}}, 23},            // railway
    {{{70, 130, 200, 255}, 1.0f, P::SOLID, {170, 205, 235, 255}}, 30},   // water
    {{{50, 110, 180, 255}, 1.5f, P::SOLID, {0, 0, 0, 0}}, 28},           // coastline
    {{{70, 130, 200, 255}, 1.5f, P::SOLID, {170, 205, 235, 255}}, 29},   // river
    {kBorder, 5},                                                        // border
    {kBorder, 4},  // borders along a road, a railway, a river, a coast: over the feature they follow
    {kBorder, 4},
    {kBorder, 4},
    {kBorder, 4},
    {{{60, 60, 60, 255}, 2.0f, P::SOLID, {110, 110, 110, 255}}, 12},   // helipad
    {{{110, 90, 80, 255}, 1.0f, P::SOLID, {180, 160, 150, 255}}, 26},  // building
};

const GroundLook& lookOf(int kind) {
    return kLooks[kind >= 0 && kind < GroundGeometryElement::KIND_COUNT ? kind : GroundGeometryElement::UNKNOWN_KIND];
}

}  // namespace

int getGroundFeaturePriority(int kind) { return lookOf(kind).featurePriority; }

ShapeStyle getGroundGeometryStyle(int kind, bool isArea, MapPalette palette) {
    ShapeStyle style = lookOf(kind).style;
    if (!isArea) style.fill = MapColour{0, 0, 0, 0};
    return inPalette(style, palette);
}
