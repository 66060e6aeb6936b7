#include "map/ChartPicture.h"

#include <algorithm>
#include <cmath>

#include "base/Logger.h"
#include "base/Time.h"
#include "chart/elements/IChartElement.h"
#include "chart/elements/StaticData.h"
#include "chart/files/AreaTree.h"
#include "chart/files/IChart.h"
#include "gui/Drawer2D.h"
#include "map/ChartRenderers.h"
#include "map/Map2D.h"

using namespace irr;

namespace {
// Coarser leaves for large views: the area list is taken at half the
// resolution the view would need.
constexpr double kAreaListFactor = 0.5;
// Budget checks are made every so many elements: reading the clock costs
// more than testing a few static bytes.
constexpr size_t kCheckEvery = 64;
}  // namespace

ChartPicture::~ChartPicture() { invalidate(); }

void ChartPicture::invalidate() {
    video::IVideoDriver* driver = map.getDrawer().getDriver();
    for (video::ITexture** t : {&shown, &drawing})
        if (*t) driver->removeTexture(*t), *t = nullptr;
    stage = IDLE;
    shownLabels.clear();
    shownElements.clear();
}

bool ChartPicture::ensureTexture(video::ITexture*& texture, core::dimension2d<u32> size) {
    video::IVideoDriver* driver = map.getDrawer().getDriver();
    if (texture && texture->getSize() == size) return true;
    if (texture) driver->removeTexture(texture), texture = nullptr;
    if (!driver->queryFeature(video::EVDF_RENDER_TO_TARGET)) return false;
    texture = driver->addRenderTargetTexture(size, "map-picture", video::ECF_A8R8G8B8);
    return texture != nullptr;
}

void ChartPicture::start(const MapViewport& view, double margin) {
    drawingView = view;
    drawingMargin = margin;
    const core::dimension2d<u32> size(static_cast<u32>(std::ceil(view.width + 2 * margin)),
                                      static_cast<u32>(std::ceil(view.height + 2 * margin)));
    if (!ensureTexture(drawing, size)) {
        stage = IDLE;
        return;
    }
    drawingLabels.clear();
    candidates.clear();
    altitudeDependent.clear();
    queue.clear();
    next = 0;
    cleared = false;
    startedAt = getSecs();
    stage = GATHER;
}

void ChartPicture::beginTarget(bool clear) {
    map.getDrawer().setClipRect(nullptr);
    map.getDrawer().getDriver()->setRenderTarget(drawing, clear, clear, map.getBackgroundColour());
}

void ChartPicture::endTarget() { map.getDrawer().getDriver()->setRenderTarget(nullptr, false, false); }

bool ChartPicture::work(double budgetSeconds) {
    if (stage == IDLE) return false;
    const double deadline = getSecs() + budgetSeconds;
    if (!cleared) {
        // An empty picture first: a view without chart still replaces the
        // old one.
        beginTarget(true);
        endTarget();
        cleared = true;
    }
    if (stage == GATHER) gather();
    if (stage == LOAD && load(deadline)) stage = DRAW, next = 0;
    if (stage == DRAW && draw(deadline)) stage = LABELS, next = 0;
    if (stage == LABELS && drawLabels(deadline)) {
        finish();
        return true;
    }
    return false;
}

void ChartPicture::gather() {
    IChart* chart = map.getContext().chart;
    const ChartRenderers* renderers = map.getContext().renderers.get();
    stage = LOAD;
    if (!chart || !renderers || !map.getOptions().chartElements) return;
    const std::vector<int> areas =
        chart->getBestFittingAreaList(drawingView.widenedNorthWest, drawingView.widenedSouthEast, kAreaListFactor);
    for (int leafIndex : chart->getLeafesFromAreaList(areas)) {
        const auto* leaf = dynamic_cast<const AreaLeaf*>(chart->getArea(leafIndex));
        if (!leaf) {
            // The tree listed a leaf it does not have: the chart data are
            // broken. Said once; the rest of the picture is still drawn.
            if (!treeErrorReported) logMessage("Error in worldwide Area Tree.", Logger::BOTH);
            treeErrorReported = true;
            continue;
        }
        const size_t count = leaf->getElementCount();
        for (size_t i = 0; i < count; ++i) {
            const char* bytes = leaf->getStaticData(i);
            const int type = getStaticType(bytes);
            IChartElementRenderer* renderer = renderers->forType(type);
            if (type == IChartElement::OBSTRUCTION) altitudeDependent.push_back({bytes[0], bytes[1], bytes[2]});
            if (renderer && renderer->isPotentiallyRenderable(leaf->elements[i], &map, bytes))
                candidates.push_back(leaf->elements[i]);
        }
    }
    // An element touching several leaves is listed by each.
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
}

bool ChartPicture::load(double deadline) {
    IChart* chart = map.getContext().chart;
    const ChartRenderers* renderers = map.getContext().renderers.get();
    for (; next < candidates.size(); ++next) {
        if (next % kCheckEvery == 0 && getSecs() > deadline) return false;
        const IChartElement* element = chart->getChartElement(candidates[next]);
        if (!element) continue;
        queue.emplace_back(renderers->forType(element->getType())->getPriority(element), candidates[next]);
    }
    std::stable_sort(queue.begin(), queue.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    return true;
}

bool ChartPicture::draw(double deadline) {
    if (queue.empty()) return true;
    IChart* chart = map.getContext().chart;
    const ChartRenderers* renderers = map.getContext().renderers.get();
    beginTarget(false);
    bool done = true;
    for (; next < queue.size(); ++next) {
        if (next % kCheckEvery == 0 && next > 0 && getSecs() > deadline) {
            done = false;
            break;
        }
        const IChartElement* element = chart->getChartElement(queue[next].second);
        if (element) renderers->forType(element->getType())->render2D(element, &map, queue[next].second, false, false);
    }
    endTarget();
    return done;
}

bool ChartPicture::drawLabels(double deadline) {
    // Labels only where the map is close enough for them to be read.
    if (!map.getOptions().descriptions || drawingView.scaleMeasure > kLabelScaleLimit) return true;
    IChart* chart = map.getContext().chart;
    const ChartRenderers* renderers = map.getContext().renderers.get();
    for (; next < queue.size(); ++next) {
        if (next % kCheckEvery == 0 && next > 0 && getSecs() > deadline) return false;
        const IChartElement* element = chart->getChartElement(queue[next].second);
        if (element)
            renderers->forType(element->getType())->render2DText(element, &map, queue[next].second, false, false);
    }
    return true;
}

bool ChartPicture::paintOnShown(const std::function<void()>& paint) {
    if (!shown) return false;
    Drawer2D& drawer = map.getDrawer();
    const core::rect<s32>* clip = drawer.getClipRect();
    const core::rect<s32> saved = clip ? *clip : core::rect<s32>();
    drawer.setClipRect(nullptr);
    drawer.getDriver()->setRenderTarget(shown, false, false);
    paint();
    endTarget();
    drawer.setClipRect(clip ? &saved : nullptr);
    return true;
}

bool ChartPicture::checkChange(double oldAltitude, double newAltitude) {
    const ChartRenderers* renderers = map.getContext().renderers.get();
    if (!renderers || oldAltitude == newAltitude) return false;
    for (const auto& bytes : shownAltitudeDependent) {
        IChartElementRenderer* renderer = renderers->forType(getStaticType(bytes.data()));
        if (renderer && renderer->may2DMapPotentiallyChange(&map, bytes.data(), oldAltitude, newAltitude))
            return true;
    }
    return false;
}

void ChartPicture::finish() {
    std::swap(shown, drawing);
    shownView = drawingView;
    shownMargin = drawingMargin;
    shownLabels.swap(drawingLabels);
    shownElements.clear();
    for (const auto& entry : queue) shownElements.push_back(entry.second);
    shownAltitudeDependent.swap(altitudeDependent);
    lastDrawingTime = getSecs() - startedAt;
    stage = IDLE;
}
