#pragma once
#include "geo/ChartPosition.h"
#include "chart/elements/GroundGeometryElement.h"

#include <memory>
#include <string>
#include <vector>

// Which ground-geometry kind the coasts, lakes, rivers and borders of GSHHG
// become, so that the map shows them at the scales a pilot needs them.
//
// Shores (layer "gshhs"):
//   1 coastline            -> COASTLINE (shown up to country scale)
//   2 lake shore           -> WATER area when its ring closes, else COASTLINE
//   3 island in a lake     -> COASTLINE
//   4 pond in an island    -> as a lake shore
//   GSHHG cuts every shore at its bins, so a lake arrives as pieces of
//   line. A WATER line carries no area and would only show at airport
//   scale. So the pieces of a lake are joined back into its ring
//   (makeGshhgElements), which becomes a WATER area carrying its size: the
//   map then shows a large lake from far out and a pond only close up, the
//   way a pilot sees them. A lake that the region's edge cuts open has no
//   ring; its shore is drawn as COASTLINE, like the sea coast the border of
//   land and water and shown at the same scales. Islands in lakes are land
//   and stay COASTLINE lines.
// Borders (layer "border"):
//   1 national, 2 internal, 3 maritime -> BORDER (the maritime border runs
//   through the straits, where crossing it matters as much as on land)
// Rivers (layer "river"):
//   1 double-lined, 2 permanent major, 3 additional major -> RIVER
//   4 and above (additional, minor, intermittent, canals) -> WATER lines,
//   which the map keeps for airport scale, so they do not clutter the view.
// Shores of other levels (Antarctic ice) and unknown levels are left out.
//
// Every element's description names what it is ("lake shore",
// "national border", "river (level 3)").
enum class GshhgLayer { SHORES, BORDERS, RIVERS };

// The layer's name as the GeoJSON property "layer" gives it: "gshhs",
// "border", "river". False for any other name.
bool gshhgLayerFromName(const std::string& name, GshhgLayer& layer);
// The kind for a line of the layer and level, or -1 when it is left out.
int groundKindForGshhg(GshhgLayer layer, int level);
// Lake and pond shores, whose closed rings become water areas.
bool isLakeShore(GshhgLayer layer, int level);
std::string describeGshhgLevel(GshhgLayer layer, int level);

// A kind given by name: the names of GroundGeometryElement::getKindName
// ("Coastline", "River", "Border along a coast", ...), compared without
// regard to case. -1 when no kind has that name.
int groundKindFromName(const std::string& name);

// A line of GSHHG as its element, or null when the level is left out.
// Lake shores given here are taken as open (see makeGshhgElements).
std::unique_ptr<GroundGeometryElement> makeGshhgLine(GshhgLayer layer, int level, std::vector<ChartPosition> points);

std::unique_ptr<GroundGeometryElement> makeGroundLine(int kind, std::vector<ChartPosition> points,
                                                      const std::string& description);
// A closed ring as an area that carries its own size, by which the map
// decides from which scale on it is worth drawing.
std::unique_ptr<GroundGeometryElement> makeGroundArea(int kind, std::vector<ChartPosition> ring,
                                                      const std::string& description);
