#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Feeds arbitrary text to one of the nav-data and OpenAir parsers (the first
// byte chooses which) and checks that every element a parser returns writes
// a record that reads back. Returns an empty string when all is well, else
// what went wrong. Shared by the fuzzer and the replay of its finds.
std::string checkParserInput(const uint8_t* data, size_t size);
