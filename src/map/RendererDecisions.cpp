// Whether, in which order and with which selection weight each renderer
// draws its elements.
#include "map/ElementRenderers.h"
#include "map/Map2D.h"

int VORRenderer::getPriority(const IChartElement*) { return 1000; }
int VORRenderer::getSelectPriority(const IChartElement*) { return 102410; }
bool VORRenderer::isPotentiallyRenderable(int32_t, Map2D*, const char*) { return true; }

int NDBRenderer::getPriority(const IChartElement*) { return 900; }
int NDBRenderer::getSelectPriority(const IChartElement*) { return 102210; }
bool NDBRenderer::isPotentiallyRenderable(int32_t, Map2D*, const char*) { return true; }

int WaypointRenderer::getPriority(const IChartElement*) { return 800; }
int WaypointRenderer::getSelectPriority(const IChartElement*) { return 102310; }
bool WaypointRenderer::isPotentiallyRenderable(int32_t, Map2D*, const char*) { return true; }

int AirportRenderer::getPriority(const IChartElement*) { return 750; }
int AirportRenderer::getSelectPriority(const IChartElement*) { return 102520; }
bool AirportRenderer::isPotentiallyRenderable(int32_t, Map2D*, const char*) { return true; }

int MarkRenderer::getPriority(const IChartElement*) { return 600; }
int MarkRenderer::getSelectPriority(const IChartElement*) { return 102010; }
bool MarkRenderer::isPotentiallyRenderable(int32_t, Map2D*, const char*) { return true; }

int AirspaceRenderer::getPriority(const IChartElement*) { return 401; }
int AirspaceRenderer::getSelectPriority(const IChartElement*) { return 100400; }
bool AirspaceRenderer::isPotentiallyRenderable(int32_t, Map2D*, const char*) { return true; }

int AirwayRenderer::getPriority(const IChartElement*) { return 400; }
int AirwayRenderer::getSelectPriority(const IChartElement*) { return 102110; }
bool AirwayRenderer::isPotentiallyRenderable(int32_t, Map2D*, const char*) { return true; }

int ObstructionRenderer::getPriority(const IChartElement*) { return 350; }
int ObstructionRenderer::getSelectPriority(const IChartElement*) { return 399; }
bool ObstructionRenderer::isPotentiallyRenderable(int32_t, Map2D*, const char*) { return true; }
bool ObstructionRenderer::may2DMapPotentiallyChange(Map2D*, const char*, double, double) { return false; }

int GroundGeometryRenderer::getPriority(const IChartElement*) { return 300; }
int GroundGeometryRenderer::getSelectPriority(const IChartElement*) { return 102060; }
bool GroundGeometryRenderer::isPotentiallyRenderable(int32_t, Map2D*, const char*) { return true; }

int POIRenderer::getPriority(const IChartElement*) { return 250; }
int POIRenderer::getSelectPriority(const IChartElement*) { return 0; }
bool POIRenderer::isPotentiallyRenderable(int32_t, Map2D*, const char*) { return true; }
