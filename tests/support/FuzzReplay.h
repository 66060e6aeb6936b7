#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// Feeds every file of a folder of inputs kept from fuzzing to the same check
// the fuzz target makes. A check returns "" when the input was handled well,
// else what went wrong. Each failure is reported with its file name; returns
// how many files were replayed, so a caller can make sure the folder was not
// empty (an empty folder would pass without testing anything).
int replayFuzzInputs(const std::string& folder, const std::function<std::string(const uint8_t*, size_t)>& check);
