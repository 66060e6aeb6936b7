#include "base/Time.h"

#include <chrono>
#include <thread>

namespace {
using Clock = std::chrono::steady_clock;
const Clock::time_point processStart = Clock::now();
}

uint32_t getMilliSecs() {
    auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - processStart);
    return static_cast<uint32_t>(elapsed.count());
}

double getSecs() {
    return std::chrono::duration<double>(Clock::now() - processStart).count();
}

void delay(unsigned ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

uint32_t TimeDiff(uint32_t now, uint32_t then) {
    if (now < then) return 2u * now;
    return now - then;
}
