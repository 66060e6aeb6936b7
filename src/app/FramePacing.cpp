#include "app/FramePacing.h"

uint32_t frameSleepMs(uint32_t elapsedMs) {
    return elapsedMs < kMinFrameMs ? kMinFrameMs - elapsedMs : 0;
}

ScreenChangeTracker::Decision ScreenChangeTracker::observe(uint32_t width, uint32_t height, double nowSecs,
                                                           bool resizeLocked, bool* changed) {
    if (changed) *changed = false;
    const bool sameSize = width == lastWidth && height == lastHeight;
    if (sameSize && !pending) return NO_CHANGE;
    if (!sameSize) {
        lastWidth = width;
        lastHeight = height;
        pending = true;
        changeTime = nowSecs;
        if (changed) *changed = true;
    }
    if (resizeLocked) return WAIT;
    if (nowSecs - changeTime <= 1.0) return pending ? WAIT : NO_CHANGE;
    pending = false;
    return PROCESS_NOW;
}

int ResizeCallbacks::add(const std::function<void()>& callback) {
    int id;
    if (!releasedIds.empty()) {
        id = releasedIds.front();
        releasedIds.pop_front();
    } else {
        id = nextId++;
    }
    callbacks[id] = callback;
    return id;
}

void ResizeCallbacks::remove(int id) {
    auto it = callbacks.find(id);
    if (it == callbacks.end()) return;
    callbacks.erase(it);
    releasedIds.push_back(id);
}

void ResizeCallbacks::callAll() const {
    for (const auto& entry : callbacks) {
        if (entry.second) entry.second();
    }
}
