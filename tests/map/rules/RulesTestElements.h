#pragma once
#include "chart/elements/AirportElement.h"
#include "chart/elements/AirspaceElement.h"
#include "chart/elements/AirwayElement.h"
#include "chart/elements/GroundGeometryElement.h"
#include "chart/elements/MarkElement.h"
#include "chart/elements/NDBElement.h"
#include "chart/elements/ObstructionElement.h"
#include "chart/elements/POIElement.h"
#include "chart/elements/VORElement.h"
#include "chart/elements/WaypointElement.h"
#include "map/rules/MapRenderFacts.h"

// Elements and facts made by hand for the rules' tests.

using Setting = bool MapSettings::*;
using G = GroundGeometryElement;

inline MapRenderFacts facts(double scale, Setting on = nullptr, Setting off = nullptr) {
    MapRenderFacts f;
    f.scale = scale;
    if (on) f.settings.*on = true;
    if (off) f.settings.*off = false;
    return f;
}

// A triangle with its right angle at 10° E 50° N and legs of sizeDegrees.
template <class Shape>
Shape triangle(double sizeDegrees) {
    Shape shape;
    shape.points = {{10, 50}, {10 + sizeDegrees, 50}, {10 + sizeDegrees, 50 + sizeDegrees}};
    shape.updateBoundingBox();
    return shape;
}

inline AirspaceElement airspaceOf(const char* cls, int bottomFeetMSL, double sizeDegrees = 0.1) {
    AirspaceElement a = triangle<AirspaceElement>(sizeDegrees);
    a.airspaceClass = cls, a.bottom = bottomFeetMSL, a.bottomReference = AirspaceElement::MSL;
    return a;
}

inline G groundOf(int kind, bool area = false, double sizeDegrees = 0.1, double storedArea = 0) {
    G g = triangle<G>(sizeDegrees);
    g.kind = static_cast<uint8_t>(kind), g.geometryType = area ? G::AREA : G::LINE;
    if (storedArea > 0) g.setStoredArea(storedArea);
    return g;
}
