#pragma once
#include <vector>

#include "gui/dialogs/DialogLayout.h"

// The replay dialog: the list of recordings fills what the controls leave.
// Below it, from top to bottom: a status line, the replay position beside
// the seek bar, the transport row (play, pause, loop, close) and the speed
// row (1x, 2x, 4x, 8x). Two rows of four keep each button finger-sized on a
// portrait screen as on a landscape one.
struct ReplayLayout {
    Box window;
    Box list;
    Box status;
    Box position;
    Box seekBar;
    std::vector<Box> transport;
    std::vector<Box> speeds;
};
ReplayLayout layOutReplayDialog(const DialogMetrics& m, int titleHeight);
