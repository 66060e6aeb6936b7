// The pilot's hands on the map: taps, drags, the zoom control, the wheel,
// pinches, and selection of what lies under the finger.
#include <cmath>
#include <sstream>

#include "base/Time.h"
#include "chart/elements/IChartElement.h"
#include "chart/files/IChart.h"
#include "map/ChartRenderers.h"
#include "map/IMapLayer.h"
#include "chart/elements/WaypointElement.h"
#include "map/Map2D.h"
#include "panels/PanelManager.h"

using namespace irr;

namespace {
constexpr double kLongTapSeconds = 0.8;
constexpr int kTapSlop = 8;  // pixels a tap may wander
}  // namespace

bool Map2D::processEvent(SEvent event) {
    if (event.EventType == EET_USER_EVENT) {
        const s32 code = event.UserEvent.UserData1;
        if (code != kPinchStart && code != kPinchMove && code != kPinchEnd) return true;
        processPinch(event.UserEvent);
        return false;
    }
    if (event.EventType != EET_MOUSE_INPUT_EVENT) return true;
    return processMouse(event.MouseInput);
}

void Map2D::processPinch(const SEvent::SUserEvent& user) {
    const double distance = static_cast<double>(user.UserData2);
    if (user.UserData1 == kPinchStart) {
        gesture = Gesture();
        gesture.pinching = true;
        gesture.pinchStartDistance = distance;
        gesture.zoomAtStart = view.getZoom();
    } else if (gesture.pinching && user.UserData1 == kPinchMove) {
        modifyZoom(pinchZoom(gesture.zoomAtStart, gesture.pinchStartDistance, distance), false, false);
    } else {
        gesture = Gesture();
    }
}

bool Map2D::processMouse(const SEvent::SMouseInput& mouse) {
    const bool inside = area.isPointInside(core::position2d<int>(mouse.X, mouse.Y));
    if (!inside && !gesture.down) return true;
    switch (mouse.Event) {
        case EMIE_LMOUSE_PRESSED_DOWN:
            gesture = Gesture();
            gesture.down = true;
            gesture.startX = gesture.lastX = mouse.X;
            gesture.startY = gesture.lastY = mouse.Y;
            gesture.startTime = getSecs();
            gesture.zoomAtStart = view.getZoom();
            gesture.onZoomControl = controls.getLayout().zoom.contains(mouse.X, mouse.Y);
            return false;
        case EMIE_MOUSE_MOVED:
            if (!gesture.down) return true;
            if (std::abs(mouse.X - gesture.startX) > kTapSlop || std::abs(mouse.Y - gesture.startY) > kTapSlop)
                gesture.moved = true;
            if (!gesture.moved) return false;
            if (gesture.onZoomControl) {
                const double zoom = dragZoom(gesture.zoomAtStart, view.getZoom(), gesture.startY, mouse.Y,
                                             std::max(1, area.getHeight()));
                if (zoom != view.getZoom()) modifyZoom(zoom, false, false);
            } else {
                // The ground under the finger stays under it.
                const ChartPosition from = fromPanel({double(gesture.lastX), double(gesture.lastY)});
                const ChartPosition to = fromPanel({double(mouse.X), double(mouse.Y)});
                double dLongitude = from.longitude - to.longitude;
                if (dLongitude > 180) dLongitude -= 360;
                if (dLongitude < -180) dLongitude += 360;
                view.drag(own.position, dLongitude, from.latitude - to.latitude);
            }
            gesture.lastX = mouse.X, gesture.lastY = mouse.Y;
            return false;
        case EMIE_LMOUSE_LEFT_UP:
            if (!gesture.down) return true;
            endGesture(mouse.X, mouse.Y);
            return false;
        case EMIE_MOUSE_WHEEL:
            modifyZoom(tapZoomFactor(mouse.Wheel > 0), true, true);
            return false;
        default:
            return !inside;
    }
}

void Map2D::endGesture(int x, int y) {
    const Gesture g = gesture;
    gesture = Gesture();
    if (g.moved) return;
    const bool followShown = view.getMode() == MapViewState::DRAGGED || view.getMode() == MapViewState::FIXED_POSITION;
    switch (controls.getLayout().hitTest(x, y, followShown)) {
        case MapControlsLayout::ZOOM_IN: modifyZoom(tapZoomFactor(true), true, true); return;
        case MapControlsLayout::ZOOM_OUT: modifyZoom(tapZoomFactor(false), true, true); return;
        case MapControlsLayout::ORIENTATION:
            view.setFollowingMode(view.getFollowingMode() == MapViewState::TRACK_UP ? MapViewState::NORTH_UP
                                                                                  : MapViewState::TRACK_UP);
            return;
        case MapControlsLayout::FOLLOW: view.resetToFollowing(); return;
        case MapControlsLayout::NONE: break;
    }
    if (getSecs() - g.startTime >= kLongTapSeconds)
        showElementsNear({double(x), double(y)});
    else
        select({double(x), double(y)});
}

void Map2D::select(PanelPoint point) {
    IChart* chart = context.chart;
    IMapLayer::Selection best;
    std::wstring title, details;
    if (chart && context.renderers) {
        for (int32_t id : picture.getShownElements()) {
            const IChartElement* element = chart->getChartElement(id);
            if (!element) continue;
            IChartElementRenderer* renderer = context.renderers->forType(element->getType());
            if (!renderer->isMouseOver2D(this, element, id, point)) continue;
            const int priority = renderer->getSelectPriority(element);
            if (priority <= best.selectPriority) continue;
            best.selectPriority = priority;
            best.title = renderer->getSelectionListLabel(element, getUnits());
            best.details = renderer->getSelectionListDetails(element, getUnits(), true);
        }
    }
    for (auto& layer : layers) {
        IMapLayer::Selection found = layer->selectAt(*this, point);
        if (found.selectPriority > best.selectPriority) best = found;
    }
    if (best.selectPriority >= 0 && context.instruments.showMessageBox)
        context.instruments.showMessageBox(best.title, best.details);
}

void Map2D::showElementsNear(PanelPoint point) {
    const ChartPosition marked = fromPanel(point);
    std::wostringstream where;
    where.precision(5);
    where << std::fixed << marked.latitude << L", " << marked.longitude;
    // Everything under the finger, each with its details, then "Insert" for
    // a waypoint of the pilot's own.
    std::vector<std::wstring> answers, titles, details;
    if (context.chart && context.renderers) {
        for (int32_t id : picture.getShownElements()) {
            const IChartElement* element = context.chart->getChartElement(id);
            if (!element) continue;
            IChartElementRenderer* renderer = context.renderers->forType(element->getType());
            if (!renderer->isMouseOver2D(this, element, id, point)) continue;
            titles.push_back(renderer->getSelectionListLabel(element, getUnits()));
            details.push_back(renderer->getSelectionListDetails(element, getUnits(), true));
            answers.push_back(L"Info: " + titles.back());
        }
    }
    if (!context.askChoice) {
        std::wstring list = where.str();
        for (const std::wstring& title : titles) list += L"\n" + title;
        if (context.instruments.showMessageBox) context.instruments.showMessageBox(L"Info", list);
        return;
    }
    const size_t insert = answers.size();
    answers.push_back(L"Insert");
    const ChartPosition own = this->own.position;
    context.askChoice(L"Info", where.str(), answers, [this, insert, titles, details, marked, own](int chosen) {
        if (chosen < 0) return;
        if (static_cast<size_t>(chosen) < insert) {
            if (context.instruments.showMessageBox) context.instruments.showMessageBox(titles[chosen], details[chosen]);
            return;
        }
        context.askChoice(L"Insert", L"Create at:", {L"current aircraft's position", L"marked position"},
                          [this, marked, own](int at) {
                              if (at >= 0) insertWaypoint(at == 0 ? own : marked);
                          });
    });
}

void Map2D::insertWaypoint(ChartPosition position) {
    if (!context.chart) return;
    WaypointElement waypoint;
    waypoint.position = position;
    waypoint.ident = "USER" + std::to_string(context.chart->getCustomElementCount() + 1);
    if (context.chart->addCustomChartElement(&waypoint) < 0) {
        if (context.instruments.showMessageBox)
            context.instruments.showMessageBox(L"Insert", L"The waypoint could not be stored.");
        return;
    }
    // Every map shows it at once.
    if (context.instruments.panels) context.instruments.panels->OnChartChanged();
    else OnChartChanged();
}
