#include "net/Crc32.h"

#include <zlib.h>

uint32_t crc32buf(const char* data, size_t length) {
    // zlib's implementation is this exact CRC, table-driven and well tuned.
    return static_cast<uint32_t>(crc32_z(0L, reinterpret_cast<const Bytef*>(data), length));
}
