#pragma once
#include "chart/files/ChartBackground.h"
#include "chart/files/ElementCache.h"
#include "chart/elements/ElementFactories.h"
#include "chart/files/IChart.h"
#include "chart/files/SubChart.h"
#include "chart/files/Trie.h"
#include "chart/files/WorldWideAreaTree.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The installed chart: the current vendor's sub-charts below
// "<data path>ChartData/", the custom elements in "<home>customElements/", the
// world-wide area tree that places them all, the merged search index and the
// background chart descriptions. Confined to the main thread.
class ExtendedChart : public IChart {
public:
    static constexpr const char* DATA_TOO_OLD_MESSAGE = "Error: Chart data and/or Cirrona Update required.";
    static constexpr const char* LOW_MEMORY_MESSAGE = "Please wait: Device has low memory. Clearing caches...";

    // appHome holds "data/data.ini" and "customElements/"; dataPath (the
    // storage location for chart data, appHome when empty) holds
    // "ChartData/". Without factories the chart makes its own set.
    ExtendedChart(std::string appHome, size_t elementCacheSize = 100000, size_t textureCacheSize = 80,
                  const ChartElementFactoryList* factories = nullptr, std::string dataPath = "");
    ~ExtendedChart() override;

    // Messages for the pilot (data too old, low memory).
    void setMessageCallback(std::function<void(const std::string&)> callback) { messageCallback = std::move(callback); }
    // Where the chart data lie, when known only after construction; takes
    // effect at the next loadData().
    void setDataPath(const std::string& path);
    // (Re)loads everything for the vendor named in "data/data.ini".
    void loadData(const ChartProgressCallback& progress = {});
    void OnMustFreeMemory();

    // IChartElementSource
    IChartElement* getChartElement(int32_t identifier) override;
    std::vector<int32_t> findChartElementsInVicinity(ChartPosition position, double radiusNm, bool airportsOnly,
                                                     bool sort) override;
    std::vector<CorridorDistances> findChartElementsInCartesianCorridor(ChartPosition from, ChartPosition to,
                                                                        double halfWidth,
                                                                        const StaticDataFilter& filter) override;

    // IChart
    IArea* getArea(int number) const override { return tree.getArea(number); }
    std::vector<int> getBestFittingAreaList(ChartPosition northWest, ChartPosition southEast,
                                            double factor) const override {
        return tree.getBestFittingAreaList(northWest, southEast, factor);
    }
    std::vector<int> getOverlappingLeafes(ChartPosition northWest, ChartPosition southEast) const override {
        return tree.getOverlappingLeafes(northWest, southEast);
    }
    std::vector<int> getLeafesFromAreaList(const std::vector<int>& areas) const override {
        return tree.getLeafesFromAreaList(areas);
    }
    int addCustomChartElement(const IChartElement* element) override;
    bool setCustomChartElementFromIni(const IniFile& ini, int number) override;
    bool deleteCustomChartElement(int number) override;
    int getCustomElementCount() const override { return customElementCount; }
    std::unique_ptr<IChartElement> createChartElementFromIni(const IniFile& ini) const override;
    uint32_t getStaticElementCount() const override;
    int getVendorCount() const override { return static_cast<int>(vendors.size()); }
    std::string getVendorName(int index) const override;
    int getCurrentVendor() const override { return currentVendor; }
    bool setCurrentVendor(int index) override;
    std::string getName() const override;
    // getMatching on the merged index, each element once (an element found
    // by its full name and by a word of it would come twice).
    std::vector<int32_t> getMatchingChartElements(const std::string& text, uint32_t maximum) const override;

    void insertInTrie(const IChartElement* element, int32_t identifier);
    void updateAreaTree(int area, const IChartElement* element, int32_t identifier) {
        tree.updateAreaTree(area, element, identifier);
    }
    void deleteElementFromAreaTree(int32_t identifier) { tree.deleteElementFromAreaTree(identifier); }

    uint32_t getElementCacheMissCount() const { return elementCacheMissCount; }
    size_t getTextureCacheCapacity() const { return textureCacheCapacity; }
    int getSubChartCount() const { return static_cast<int>(subCharts.size()); }
    const SubChart* getSubChart(int number) const;
    const WorldWideAreaTree& getAreaTree() const { return tree; }
    const ChartBackground& getBackgrounds() const { return backgrounds; }
    const std::string& getDataRoot() const { return dataRoot; }
    std::string getChartDataFolder() const { return dataPath + "ChartData/"; }
    std::string getCustomElementFolder() const { return dataRoot + "customElements/"; }

private:
    void buildSubCharts(const ChartProgressCallback& progress);
    void buildAreaTree(const ChartProgressCallback& progress);
    void buildTrie(const ChartProgressCallback& progress);
    void loadCustomElements();
    std::unique_ptr<IChartElement> loadCustomElement(int number) const;
    std::string getCustomElementPath(int number) const;
    bool storeCustomElement(const IChartElement* element, int number) const;
    void placeCustomElement(const IChartElement* element, int number);
    void unplaceElement(int32_t identifier);
    void showMessage(const std::string& message);

    std::string dataRoot;
    std::string dataPath;
    ChartElementFactoryList ownFactories;
    const ChartElementFactoryList& factories;
    ElementCache elementCache;
    size_t textureCacheCapacity;
    uint32_t elementCacheMissCount = 0;
    std::vector<std::unique_ptr<SubChart>> subCharts;
    std::vector<std::string> vendors;
    int currentVendor = -1;
    WorldWideAreaTree tree;
    Trie trie;
    int customElementCount = 0;
    ChartBackground backgrounds;
    std::function<void(const std::string&)> messageCallback;
};
