#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Reads an arbitrary byte string as one element record, exactly as the
// chart hands records to the readers, and exercises everything a reader's
// result is used for. Returns an empty string when all is well, else what
// went wrong. Shared by the fuzzer and the regression test of its finds.
std::string checkElementRecord(const uint8_t* data, size_t size);
