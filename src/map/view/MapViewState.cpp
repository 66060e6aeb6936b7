#include "map/view/MapViewState.h"

#include <cmath>

#include "geo/Angles.h"
#include "map/view/MapViewport.h"

MapViewState::MapViewState(double zoom, Mode following) : zoom(zoom), mode(following), following(following) {}

bool MapViewState::modifyZoom(double value, bool multiply) {
    const double next = multiply ? zoom * value : value;
    if (!(next >= kMinimumZoom && next <= kMaximumZoom)) return false;
    const bool changed = next != zoom;
    zoom = next;
    return changed;
}

void MapViewState::setFollowingMode(Mode followingMode) {
    following = followingMode == TRACK_UP ? TRACK_UP : NORTH_UP;
    resetToFollowing();
}

void MapViewState::gotoPosition(ChartPosition position) {
    if (mode == TRACK_UP) return;
    mode = FIXED_POSITION;
    fixedCentre = position;
    dragOffset = ChartPosition();
}

void MapViewState::drag(ChartPosition ownPosition, double longitudeDegrees, double latitudeDegrees) {
    if (mode != FIXED_POSITION && mode != DRAGGED) fixedCentre = getCentre(ownPosition), dragOffset = {};
    mode = DRAGGED;
    dragOffset.longitude += longitudeDegrees;
    dragOffset.latitude += latitudeDegrees;
}

void MapViewState::resetToFollowing() {
    mode = following;
    automaticOffset = dragOffset = ChartPosition();
}

void MapViewState::addSlide(double latitudeDegrees) {
    if (mode == DRAGGED || mode == FIXED_POSITION)
        dragOffset.latitude += latitudeDegrees;
    else
        automaticOffset.latitude += latitudeDegrees;
}

ChartPosition MapViewState::getCentre(ChartPosition own) const {
    if (mode == FIXED_POSITION || mode == DRAGGED)
        return ChartPosition(Angle180(fixedCentre.longitude + dragOffset.longitude),
                             fixedCentre.latitude + dragOffset.latitude);
    return ChartPosition(Angle180(own.longitude + automaticOffset.longitude),
                         own.latitude + automaticOffset.latitude);
}

double tapZoomFactor(bool upperPart) { return upperPart ? 1.5 : 2.0 / 3.0; }

double pinchZoom(double zoomAtStart, double startDistance, double distance) {
    if (startDistance <= 0.0) return zoomAtStart;
    return zoomAtStart * (1.0 + 0.5 * (distance - startDistance) / startDistance);
}

double dragZoom(double zoomAtStart, double currentZoom, double startY, double y, double panelHeight) {
    const double next = zoomAtStart * std::exp(-std::log(7.5) * (y - startY) / panelHeight);
    return std::fabs(next / currentZoom - 1.0) > 0.01 ? next : currentZoom;
}
