#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <deque>

// The main loop sleeps so that frames are at least this far apart: enough for
// smooth instruments while leaving the CPU to the sensor and chart threads.
constexpr uint32_t kMinFrameMs = 36;

// How long to sleep after a frame whose work took elapsedMs.
uint32_t frameSleepMs(uint32_t elapsedMs);

// Watches the screen size and decides when a change has settled. A window
// being dragged reports a new size on every frame; rebuilding the panels on
// each would stall the program, so a change is processed only once the size
// has been stable for more than a second and nobody holds the resize lock.
class ScreenChangeTracker {
public:
    enum Result { NOTHING = 0, PROCESSED = 1, PENDING = 2 };
    enum Decision { NO_CHANGE, WAIT, PROCESS_NOW };

    // Called each frame with the size the driver reports and the time in
    // seconds. `changed` is set when this call saw a new size.
    Decision observe(uint32_t width, uint32_t height, double nowSecs, bool resizeLocked, bool* changed = nullptr);

    void setSize(uint32_t width, uint32_t height) { lastWidth = width; lastHeight = height; }
    bool isPending() const { return pending; }
    uint32_t width() const { return lastWidth; }
    uint32_t height() const { return lastHeight; }

private:
    uint32_t lastWidth = 0;
    uint32_t lastHeight = 0;
    bool pending = false;
    double changeTime = 0.0;
};

// Callbacks run after a screen change, keyed by id. Released ids are handed
// out again first, so long-running programs that add and remove callbacks
// never run out of ids.
class ResizeCallbacks {
public:
    int add(const std::function<void()>& callback);
    void remove(int id);
    void callAll() const;
    size_t size() const { return callbacks.size(); }

private:
    std::map<int, std::function<void()>> callbacks;
    int nextId = 0;
    std::deque<int> releasedIds;
};
