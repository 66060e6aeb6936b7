#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "panels/instruments/InstrumentPanel.h"

class IChart;
class IMapLayer;
class Map2D;
class ChartRenderers;

// What every map panel shares: the instruments' context (sensors, units,
// fonts, day or night), the chart (null without chart data), the element
// renderers and the layers other parts of the program put over the chart.
struct MapContext {
    InstrumentContext instruments;
    IChart* chart = nullptr;
    std::shared_ptr<ChartRenderers> renderers;
    // Each map panel makes its own instance of every layer.
    std::vector<std::function<std::unique_ptr<IMapLayer>(Map2D&)>> layers;
    // Where the map starts while no sensor has a position yet.
    std::function<ChartPosition()> startPosition;
};
