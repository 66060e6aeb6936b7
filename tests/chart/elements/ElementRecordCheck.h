#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Reads arbitrary bytes as one element record, as the chart hands records to
// the readers, and uses the result every way the program does. Returns what
// went wrong, or an empty string. Shared by the fuzzer and its regression test.
std::string checkElementRecord(const uint8_t* data, size_t size);
