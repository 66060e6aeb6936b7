#pragma once
#include <cstddef>
#include <cstdint>

// The standard CRC-32 (reflected polynomial 0xEDB88320, initial and final
// value all ones), as used by zip and PNG; checksums files and messages.
uint32_t crc32buf(const char* data, size_t length);
