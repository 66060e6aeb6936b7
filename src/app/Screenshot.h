#pragma once
#include <irrlicht.h>

#include <string>

// Writes the current picture as a PNG into directory (created when missing),
// named after the local date and time. Returns the file's path, or an empty
// string when nothing could be written.
std::string saveScreenshot(irr::video::IVideoDriver* driver, const std::string& directory);
