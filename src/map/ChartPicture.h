#pragma once
#include <irrlicht.h>

#include <array>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "map/MapLabels.h"
#include "map/view/MapViewport.h"

class Map2D;

// The chart drawn for one view into a picture larger than the panel.
//
// Drawing is spread over frames: each call to work() goes on where the last
// stopped until the frame's budget is spent. The stages are: the leaves of
// the view and the elements whose static bytes pass their renderer, each
// loaded and given its priority, sorted, drawn in ascending priority, then
// their labels. The finished picture replaces the shown one at once, so the
// pilot never sees half a chart.
class ChartPicture {
public:
    explicit ChartPicture(Map2D& map) : map(map) {}
    ~ChartPicture();
    ChartPicture(const ChartPicture&) = delete;
    ChartPicture& operator=(const ChartPicture&) = delete;

    // Forget the pictures: the chart or its style changed.
    void invalidate();
    // Begins a new picture for the view (a running one is dropped).
    void start(const MapViewport& view, double margin);
    bool isDrawing() const { return stage != IDLE; }
    // Goes on drawing for about budget seconds; true once the new picture
    // is complete and shown.
    bool work(double budgetSeconds);

    bool hasPicture() const { return shown != nullptr; }
    irr::video::ITexture* getTexture() const { return shown; }
    const MapViewport& getShownViewport() const { return shownView; }
    const MapViewport& getDrawingViewport() const { return drawingView; }
    double getMargin() const { return shownMargin; }
    double getDrawingMargin() const { return drawingMargin; }
    const MapLabels::Set& getLabels() const { return shownLabels; }
    // Where labels of the picture being drawn go.
    MapLabels::Set& getDrawingLabels() { return drawingLabels; }
    // Elements drawn in the shown picture, in drawing order (for taps).
    const std::vector<int32_t>& getShownElements() const { return shownElements; }
    // Paints into the shown picture (labels, once placed); false without one.
    bool paintOnShown(const std::function<void()>& paint);
    // Whether the shown picture would look different with the own altitude
    // changed from old to new (feet): asks the renderers that care, from the
    // static bytes of the elements in its view, shown or not.
    bool checkChange(double oldAltitude, double newAltitude);
    // The time the last complete picture took to draw, seconds.
    double getLastDrawingTime() const { return lastDrawingTime; }

private:
    enum Stage { IDLE, GATHER, LOAD, DRAW, LABELS };
    bool ensureTexture(irr::video::ITexture*& texture, irr::core::dimension2d<irr::u32> size);
    void gather();
    bool load(double deadline);
    bool draw(double deadline);
    bool drawLabels(double deadline);
    void finish();
    // Sets the picture being drawn as the target; restores the screen after.
    void beginTarget(bool clear);
    void endTarget();

    Map2D& map;
    irr::video::ITexture* shown = nullptr;
    irr::video::ITexture* drawing = nullptr;
    MapViewport shownView, drawingView;
    double shownMargin = 0.0, drawingMargin = 0.0;
    MapLabels::Set shownLabels, drawingLabels;
    std::vector<int32_t> shownElements;
    // Static bytes of the elements whose look depends on the own altitude,
    // for the picture being drawn and the one shown.
    std::vector<std::array<char, 3>> altitudeDependent, shownAltitudeDependent;

    Stage stage = IDLE;
    std::vector<int32_t> candidates;
    size_t next = 0;
    std::vector<std::pair<int, int32_t>> queue;  // priority, element
    double startedAt = 0.0;
    double lastDrawingTime = 0.0;
    bool cleared = false;
    bool treeErrorReported = false;
};
