// The chart and the map panels it feeds.
#include "app/LoadingScreen.h"
#include "app/main/Context.h"
#include "app/main/ProgramDialogs.h"
#include "base/DataLocationsFile.h"
#include "base/Logger.h"
#include "base/Time.h"
#include "base/StringConversions.h"
#include "chart/elements/IChartElement.h"
#include "chart/files/AreaTree.h"
#include "chart/files/ExtendedChart.h"
#include "map/ChartRenderers.h"
#include "map/Map2DFactory.h"
#include "panels/PanelManager.h"
#include "traffic/layer/TrafficMapLayer.h"

void Context::loadChart() {
    logMessage("cpp: Load Chart");
    if (!chart) chart = std::make_unique<ExtendedChart>(getPath(""), 100000, 80, &chartElementFactories);
    std::string storagePath, error;
    if (!findChartStoragePath(getPath(""), &storagePath, &error)) {
        chartMessage = L"No chart data: " + convertUtf8ToWString(error);
        logMessage("chart: " + error);
        return;
    }
    chart->setDataPath(storagePath);
    chart->setMessageCallback([this](const std::string& text) {
        if (panelManager) panelManager->setMessage(chart.get(), text, PanelManager::WARNING, 15000);
    });
    // A frame of the loading screen costs tens of milliseconds on a software
    // renderer, and the chart reports far more often than anyone can read.
    double lastDrawn = getSecs();
    chart->loadData([this, &lastDrawn](const std::string& text, double) {
        loading->setText(convertUtf8ToWString(text));
        if (getSecs() - lastDrawn < 0.1) return;
        loading->draw();
        lastDrawn = getSecs();
    });
    loading->setText(L"");
    if (chart->getStaticElementCount() == 0 && chart->getCustomElementCount() == 0) {
        chartMessage = L"No chart data installed: the map shows the aircraft only.";
        logMessage("chart: no elements below " + chart->getChartDataFolder());
    }
}

IPanelFactory* Context::createPanelFactory(int index, const InstrumentContext& instruments) {
    if (index != 2) return nullptr;
    // The map panels hold the chart from the start; its data arrive when
    // it is loaded, before the panels are made.
    if (!chart) chart = std::make_unique<ExtendedChart>(getPath(""), 100000, 80, &chartElementFactories);
    if (!chartRenderers) chartRenderers = std::make_shared<ChartRenderers>(*drawer);
    MapContext map;
    map.instruments = instruments;
    map.chart = chart.get();
    map.renderers = chartRenderers;
    map.askChoice = [this](const std::wstring& title, const std::wstring& question, std::vector<std::wstring> answers,
                           std::function<void(int)> chosen) {
        dialogs->askChoice(title, question, std::move(answers), std::move(chosen));
    };
    // Traffic over the chart, from the sensors' default traffic source.
    map.layers.push_back([this](Map2D&) -> std::unique_ptr<IMapLayer> {
        return std::make_unique<TrafficMapLayer>(*sensorManager, nullptr);
    });
    map.startPosition = [this]() -> ChartPosition {
        // Until a sensor gives a position the map shows where the chart has
        // most data: the middle of its fullest half-degree cell.
        ChartPosition best;
        size_t most = 0;
        for (int index : chart->getOverlappingLeafes(ChartPosition(-180, 90), ChartPosition(179.999, -90))) {
            const auto* leaf = dynamic_cast<const AreaLeaf*>(chart->getArea(index));
            if (!leaf || leaf->getElementCount() <= most) continue;
            most = leaf->getElementCount();
            best = ChartPosition((leaf->getNWEdge().longitude + leaf->getSEEdge().longitude) / 2,
                                 (leaf->getNWEdge().latitude + leaf->getSEEdge().latitude) / 2);
        }
        return best;
    };
    return new Map2DFactory(map);
}
