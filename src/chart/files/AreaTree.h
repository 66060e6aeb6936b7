#pragma once
#include "geo/ChartPosition.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// One rectangle of the fixed world-wide area tree. Corners are kept with
// longitudes in [0, 360] (the east edge of the last column is 360).
class IArea {
public:
    // The raster background chart kinds; an image belongs to one area.
    enum BgType { BG_VFR = 0, BG_IFR_LOW = 1, BG_IFR_HIGH = 2, BG_TYPE_COUNT = 3 };

    // Inside with a tolerance of 0.0001 degrees, so a position on a shared
    // edge belongs to both neighbours.
    virtual bool isInside(ChartPosition position) const = 0;
    virtual bool isLeaf() const = 0;
    virtual ChartPosition getNWEdge() const = 0;
    virtual ChartPosition getSEEdge() const = 0;
    virtual void print() const = 0;
    // -1 for the root.
    virtual int getParentIndex() const = 0;
    virtual ~IArea() = default;
};

// Corners and parent, common to nodes and leaves.
class ARectangularArea : public IArea {
public:
    ARectangularArea(ChartPosition northWest, ChartPosition southEast, int parent)
        : northWest(northWest), southEast(southEast), parent(parent) {}

    bool isInside(ChartPosition position) const override;
    ChartPosition getNWEdge() const override { return northWest; }
    ChartPosition getSEEdge() const override { return southEast; }
    int getParentIndex() const override { return parent; }
    void print() const override;

    double getWidth() const { return southEast.longitude - northWest.longitude; }
    double getHeight() const { return northWest.latitude - southEast.latitude; }

private:
    ChartPosition northWest;
    ChartPosition southEast;
    int parent;
};

class AreaNode : public ARectangularArea {
public:
    using ARectangularArea::ARectangularArea;
    bool isLeaf() const override { return false; }

    std::vector<int> children;
};

// A half-degree cell: the identifiers of the elements that touch it and, in
// the same order, their 3-byte static data.
class AreaLeaf : public ARectangularArea {
public:
    using ARectangularArea::ARectangularArea;
    bool isLeaf() const override { return true; }

    void addElement(int32_t identifier, const char* staticData);
    // Removes every entry of the identifier; returns whether there was one.
    bool removeElement(int32_t identifier);
    size_t getElementCount() const { return elements.size(); }
    const char* getStaticData(size_t entry) const { return staticData.data() + 3 * entry; }
    void clear();

    std::vector<int32_t> elements;
    std::vector<char> staticData;
};
