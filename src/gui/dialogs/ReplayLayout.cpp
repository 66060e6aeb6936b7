#include "gui/dialogs/ReplayLayout.h"

#include <algorithm>

ReplayLayout layOutReplayDialog(const DialogMetrics& m, int titleHeight) {
    ReplayLayout l;
    const int gap = m.margin();
    l.window = centredWindow(m, m.screenWidth, m.screenHeight);
    const int w = l.window.width(), h = l.window.height();
    const int row = m.buttonHeight;
    const int speedsTop = h - gap - row;
    const int transportTop = speedsTop - gap - row;
    const int seekTop = transportTop - gap - row;
    const int statusTop = seekTop - gap - row;
    l.speeds = splitRow(gap, w - gap, speedsTop, speedsTop + row, 4, gap);
    l.transport = splitRow(gap, w - gap, transportTop, transportTop + row, 4, gap);
    // "0:00:00 / 0:00:00" needs about one button's width.
    const int positionRight = gap + std::min(m.buttonWidth * 3 / 2, (w - 2 * gap) / 3);
    l.position = {gap, seekTop, positionRight, seekTop + row};
    l.seekBar = {positionRight + gap, seekTop, w - gap, seekTop + row};
    l.status = {gap, statusTop, w - gap, statusTop + row};
    l.list = {gap, titleHeight + gap, w - gap, std::max(titleHeight + gap, statusTop - gap)};
    return l;
}
