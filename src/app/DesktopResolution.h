#pragma once
#include "app/WindowGeometry.h"

// The desktop's size before our window exists. The engine asks its video-mode
// list; where that is empty (virtual X servers report 0x0) the X screen is
// asked directly, and as a last resort 1280x720 is assumed.
WindowSize queryDesktopResolution();
