#pragma once
#include <cstdint>
#include <string>

// The program refuses to start below this much RAM (decimal bytes): the
// chart, terrain and texture caches are sized for it.
constexpr uint64_t kMinimumMemoryBytes = 999000000;

// Total RAM in bytes (sysinfo's total memory times its memory unit);
// 262144 if the system cannot tell.
uint64_t getSystemMemory();

// Processors currently online, at least 1.
unsigned getCPUCoreCount();

// The message shown to the pilot when ramBytes is below the minimum, or an
// empty string when the machine has enough memory.
std::wstring getMemoryErrorMessage(uint64_t ramBytes);

// Reads the machine's memory, prints "actualRam: N bytes" and returns
// getMemoryErrorMessage for it.
std::wstring checkSystemMemory();
