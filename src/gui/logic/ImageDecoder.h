#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Decodes PNG and JPEG files into 32-bit pixels, on any thread: it uses
// libpng and libjpeg directly with state of its own per call. (The engine's
// loaders are not safe off the main thread: they read through the engine's
// shared file system and its JPEG loader keeps the file name in a static.)
struct DecodedImage {
    unsigned width = 0, height = 0;
    // Rows top to bottom, 4 bytes a pixel in the order blue, green, red,
    // alpha: the engine's A8R8G8B8 as it lies in memory.
    std::vector<uint8_t> pixels;
    bool isValid() const { return width > 0 && height > 0; }
};

// The kind is taken from the file's first bytes, not its name. An unreadable,
// truncated or unknown file gives an invalid image.
DecodedImage decodeImageFile(const std::string& path);
