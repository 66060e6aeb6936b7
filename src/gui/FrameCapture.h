#pragma once
#include <irrlicht.h>

// The picture being drawn, as an image (the caller drops it); null when it
// cannot be read. Call it after drawing and before the scene ends: with a
// double-buffered OpenGL window the finished picture is then in the back
// buffer, while the front buffer the engine's own screenshot reads may be
// empty (it is under virtual X servers).
irr::video::IImage* captureFrame(irr::video::IVideoDriver* driver);
