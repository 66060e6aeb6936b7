#pragma once
#include "map/view/MapViewport.h"

// Where the map's pictures land on the panel.
//
// The chart is drawn into a picture larger than the panel by a margin on
// every side, for the view of the moment it was drawn. Until the next one is
// ready it is reused for the views that follow: moved, and scaled when the
// zoom changed. With the track up the picture is turned about the panel's
// middle so that the track points up, and moved down by a quarter of the
// panel so that more of the way ahead is seen.

struct PanelPoint {
    double x = 0.0, y = 0.0;
};

// From the view's frame (unturned, the panel's size) to the panel's and back.
struct MapTurn {
    double track = 0.0;  // degrees; 0 for north up
    double width = 0.0, height = 0.0;
    double shiftDown = 0.0;

    static MapTurn northUp(double width, double height) { return {0.0, width, height, 0.0}; }
    static MapTurn trackUp(double track, double width, double height) { return {track, width, height, height / 4.0}; }

    PanelPoint toPanel(PanelPoint view) const;
    PanelPoint toView(PanelPoint panel) const;
};

// A picture drawn for the view `drawnFor`, placed for the view `now`: its
// upper left corner and size in now's view frame.
struct PicturePlacement {
    double left = 0.0, top = 0.0, width = 0.0, height = 0.0;
    double scale = 1.0;
};
PicturePlacement placePicture(const MapViewport& drawnFor, const MapViewport& now, double margin);

// Whether the placed picture, turned as the panel shows it, covers the
// whole panel (nothing of the ground beneath needs drawing).
bool pictureCovers(const PicturePlacement& picture, const MapTurn& turn);

// Whether a picture drawn for `drawnFor` still serves `now` as it is: same
// zoom and size, and moved less than half the margin.
bool pictureStillServes(const MapViewport& drawnFor, const MapViewport& now, double margin);

// The margin the picture needs so that turning it never shows its corners:
// half the diagonal beyond the half height, plus the quarter-height shift.
double turnMargin(double width, double height);
