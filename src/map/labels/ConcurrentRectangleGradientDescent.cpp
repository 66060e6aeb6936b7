#include "map/labels/ConcurrentRectangleGradientDescent.h"

#include "base/Logger.h"
#include "map/labels/RectangleGradientDescent.h"

// The worker sleeps on a condition variable rather than polling: it may
// stay idle for as long as the map shows the same labels, and a map panel
// that only looks at the result once a frame has no need to be woken.
ConcurrentRectangleGradientDescent::ConcurrentRectangleGradientDescent()
    : worker(&ConcurrentRectangleGradientDescent::work, this) {}

ConcurrentRectangleGradientDescent::~ConcurrentRectangleGradientDescent() {
    {
        std::lock_guard<std::mutex> lock(mutex);
        quit = true;
        wantedRun = ++latestRun;
    }
    wake.notify_one();
    worker.join();
}

void ConcurrentRectangleGradientDescent::start(std::vector<LabelRect> rects, const LabelRect& bounds, double maxMove) {
    {
        std::lock_guard<std::mutex> lock(mutex);
        wantedRun = ++latestRun;
        waiting = Job{std::move(rects), bounds, maxMove, latestRun};
        result.clear();
    }
    wake.notify_one();
}

void ConcurrentRectangleGradientDescent::abort() {
    std::lock_guard<std::mutex> lock(mutex);
    wantedRun = ++latestRun;
    waiting = Job{};
    result.clear();
}

bool ConcurrentRectangleGradientDescent::isFinished() const {
    std::lock_guard<std::mutex> lock(mutex);
    return finishedRun == latestRun && latestRun != 0;
}

std::vector<LabelRect> ConcurrentRectangleGradientDescent::getResult() const {
    std::lock_guard<std::mutex> lock(mutex);
    return finishedRun == latestRun ? result : std::vector<LabelRect>{};
}

void ConcurrentRectangleGradientDescent::work() {
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return quit || waiting.run != 0; });
        if (quit) return;
        Job job = std::move(waiting);
        waiting = Job{};
        lock.unlock();

        RectangleDescentResult placed =
            descendRectangles(job.rects, job.bounds, job.maxMove, [this, &job] { return wantedRun.load() != job.run; });

        lock.lock();
        if (placed.stopped || job.run != latestRun) continue;
        result = std::move(placed.rects);
        finishedRun = job.run;
        lock.unlock();
        logMessage("CRGD finished");
        lock.lock();
    }
}
