#pragma once
#include <chrono>
#include <thread>

// Polls every pollMs until condition() holds or timeoutMs pass; returns the
// last answer, so a condition that turns true just at the end still counts.
template <class Condition>
bool eventually(Condition condition, unsigned timeoutMs = 2000, unsigned pollMs = 1) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return condition();
        std::this_thread::sleep_for(std::chrono::milliseconds(pollMs));
    }
    return true;
}
