#pragma once
#include <irrlicht.h>

#include <string>

// Writes the picture being drawn as a PNG into directory (created when
// missing), named after the local date and time. Call it after the frame is
// drawn and before the scene ends: with a double-buffered OpenGL window the
// finished picture is then in the back buffer, while the front buffer the
// engine would read may be empty (it is under virtual X servers). Returns the
// file's path, or an empty string when nothing could be written.
std::string saveScreenshot(irr::video::IVideoDriver* driver, const std::string& directory);
