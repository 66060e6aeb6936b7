#pragma once
#include <functional>
#include <string>
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
    // Asks the pilot to choose one of the answers; chosen(index) follows,
    // with -1 when the question was closed. Without it long taps only list.
    std::function<void(const std::wstring& title, const std::wstring& question, std::vector<std::wstring> answers,
                       std::function<void(int)> chosen)>
        askChoice;
    // Where the map starts while no sensor has a position yet.
    std::function<ChartPosition()> startPosition;
};
