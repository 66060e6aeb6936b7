#pragma once
#include "geo/ChartPosition.h"
#include "chart/elements/IChartElement.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class IArea;
class IniFile;

// Read access to chart elements by identifier and by place.
class IChartElementSource {
public:
    // An element near a route leg: how far along the leg its foot point lies
    // and how far to the side (right of the leg positive), in metres.
    struct CorridorDistances {
        int32_t identifier = 0;
        double alongTrack = 0.0;
        double crossTrack = 0.0;
    };
    // Decides from an element's 3-byte static data whether it is wanted.
    using StaticDataFilter = std::function<bool(const char* staticData)>;

    virtual ~IChartElementSource() = default;

    // From the cache, else loaded; null when there is no such element. The
    // element belongs to the source and is valid for the current frame.
    virtual IChartElement* getChartElement(int32_t identifier) = 0;
    // Elements within radiusNm nautical miles; with sort, nearest first.
    // Elements lying in several leaves may appear more than once.
    virtual std::vector<int32_t> findChartElementsInVicinity(ChartPosition position, double radiusNm,
                                                             bool airportsOnly, bool sort) = 0;
    // Elements whose position lies beside the leg from `from` to `to`, no
    // further than halfWidth metres to either side, each listed once and
    // ordered along the leg. A null filter takes every element.
    virtual std::vector<CorridorDistances> findChartElementsInCartesianCorridor(ChartPosition from, ChartPosition to,
                                                                                double halfWidth,
                                                                                const StaticDataFilter& filter) = 0;
};

// The installed chart: elements, the world-wide area tree, custom elements,
// vendors and search.
class IChart : public IChartElementSource {
public:
    virtual IArea* getArea(int number) const = 0;
    virtual std::vector<int> getBestFittingAreaList(ChartPosition northWest, ChartPosition southEast,
                                                    double factor) const = 0;
    virtual std::vector<int> getOverlappingLeafes(ChartPosition northWest, ChartPosition southEast) const = 0;
    virtual std::vector<int> getLeafesFromAreaList(const std::vector<int>& areas) const = 0;

    // Custom elements are numbered 1, 2 ...; element n has identifier -n.
    // Returns the new element's number, or -1 when it could not be stored.
    virtual int addCustomChartElement(const IChartElement* element) = 0;
    virtual bool setCustomChartElementFromIni(const IniFile& ini, int number) = 0;
    virtual bool deleteCustomChartElement(int number) = 0;
    virtual int getCustomElementCount() const = 0;
    virtual std::unique_ptr<IChartElement> createChartElementFromIni(const IniFile& ini) const = 0;

    virtual uint32_t getStaticElementCount() const = 0;
    virtual int getVendorCount() const = 0;
    virtual std::string getVendorName(int index) const = 0;
    virtual int getCurrentVendor() const = 0;
    virtual bool setCurrentVendor(int index) = 0;
    virtual std::string getName() const = 0;
    virtual std::vector<int32_t> getMatchingChartElements(const std::string& text, uint32_t maximum) const = 0;
};
