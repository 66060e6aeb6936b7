#pragma once
#include "geo/ChartPosition.h"

// What the pilot has done to one map panel: how far in it is zoomed, what it
// follows and how far it was moved.
class MapViewState {
public:
    // 0: fixed on a position chosen elsewhere ("gotoPos"); 1: moved by the
    // pilot's finger; 2: following the aircraft north up; 3: following the
    // aircraft, the track up.
    enum Mode { FIXED_POSITION = 0, DRAGGED = 1, NORTH_UP = 2, TRACK_UP = 3 };

    explicit MapViewState(double zoom = 0.0, Mode following = NORTH_UP);

    double getZoom() const { return zoom; }
    // zoom = multiply ? zoom · value : value. A result outside the limits is
    // refused and the zoom stays; returns whether it changed.
    bool modifyZoom(double value, bool multiply);

    Mode getMode() const { return mode; }
    Mode getFollowingMode() const { return following; }
    // Following north up or track up; leaves a fixed or dragged view.
    void setFollowingMode(Mode followingMode);
    // Centres the map on a position (ignored while the track is up).
    void gotoPosition(ChartPosition position);
    // The pilot moves the map by degrees; the map stops following.
    void drag(ChartPosition ownPosition, double longitudeDegrees, double latitudeDegrees);
    // Back to following with no offsets (controls hidden, page changed).
    void resetToFollowing();
    // The view slid away from a pole: keep the move for the next frames.
    void addSlide(double latitudeDegrees);

    ChartPosition getCentre(ChartPosition ownPosition) const;
    // The track at the top of the map: the track in track-up mode, else 0.
    double getTopTrack(double track) const { return mode == TRACK_UP ? track : 0.0; }

private:
    double zoom;
    Mode mode;
    Mode following;
    ChartPosition fixedCentre;     // modes 0 and 1
    ChartPosition automaticOffset; // the following modes
    ChartPosition dragOffset;      // mode 1
};

// The zoom gestures. A tap on the upper part of the zoom control zooms in by
// 1.5, on its lower part out by the same.
double tapZoomFactor(bool upperPart);
// Two fingers: the zoom follows the change of their distance, halved.
double pinchZoom(double zoomAtStart, double startDistance, double distance);
// One finger on the zoom control: the full panel height down zooms out 7.5
// times. Returns the current zoom while the change is under 1 %.
double dragZoom(double zoomAtStart, double currentZoom, double startY, double y, double panelHeight);
