#pragma once

// Where the map's own controls sit on a panel, and what a point hits: the
// zoom control along the right edge (upper half in, lower half out; a drag
// along it zooms smoothly), the north-up/track-up switch at the upper left
// and, while the map does not follow the aircraft, the button that brings
// it back.
struct ControlBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

struct MapControlsLayout {
    enum Hit { NONE, ZOOM_IN, ZOOM_OUT, ORIENTATION, FOLLOW };

    ControlBox zoom;
    ControlBox orientation;
    ControlBox follow;

    // The panel's rectangle (screen pixels) and the recommended button size.
    static MapControlsLayout forPanel(int left, int top, int right, int bottom, int buttonWidth, int buttonHeight);
    // The follow button counts only while it is shown.
    Hit hitTest(int x, int y, bool followShown) const;
};
