#pragma once
#include <cstdint>

// The program's one clock: monotonic, counted from process start. Every
// sensor sample is stamped with getMilliSecs(), so the 32-bit counter wraps
// after ~49.7 days of uptime; TimeDiff copes with one wrap.

uint32_t getMilliSecs();
double getSecs();
void delay(unsigned ms);

// Milliseconds between two getMilliSecs() stamps. After a wrap (now < then)
// the best we know is the time since the wrap, counted twice as a
// conservative stand-in, matching what every consumer of stamps expects.
uint32_t TimeDiff(uint32_t now, uint32_t then);
