#pragma once
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "map/labels/LabelRect.h"

// Places a map panel's labels on a worker thread of its own, so that the
// frame that collected them is not held up (descendRectangles does the work).
// The map calls everything here from its own thread:
//
//   crgd.start(rects, panelBounds, maxMove);   // when it has drawn new labels
//   ...
//   if (crgd.isFinished()) draw(crgd.getResult());   // polled every frame
//
// A start while a run is going aborts that run first: only the latest input
// ever produces a result. Destroying the object stops the worker.
class ConcurrentRectangleGradientDescent {
public:
    ConcurrentRectangleGradientDescent();
    ~ConcurrentRectangleGradientDescent();
    ConcurrentRectangleGradientDescent(const ConcurrentRectangleGradientDescent&) = delete;
    ConcurrentRectangleGradientDescent& operator=(const ConcurrentRectangleGradientDescent&) = delete;

    // Optimises rects (each where its label would go with nothing in the
    // way) within maxMove pixels of there and inside bounds. Returns at once.
    void start(std::vector<LabelRect> rects, const LabelRect& bounds, double maxMove);

    // Drops the running or waiting optimisation, if any; isFinished() stays
    // false until the next start has finished.
    void abort();

    // Whether the optimisation of the latest start has finished.
    bool isFinished() const;

    // The rectangles of the latest start at their optimised places, in the
    // order they were given; empty until isFinished().
    std::vector<LabelRect> getResult() const;

private:
    struct Job {
        std::vector<LabelRect> rects;
        LabelRect bounds;
        double maxMove = 0;
        uint64_t run = 0;
    };

    void work();

    mutable std::mutex mutex;
    std::condition_variable wake;
    Job waiting;                    // under mutex; run 0: nothing waiting
    uint64_t latestRun = 0;         // under mutex; the run whose result counts
    uint64_t finishedRun = 0;       // under mutex
    std::vector<LabelRect> result;  // under mutex; the result of finishedRun
    bool quit = false;              // under mutex
    // A copy of latestRun the worker reads at every step without the lock,
    // to give up a run that no longer counts.
    std::atomic<uint64_t> wantedRun{0};
    std::thread worker;
};
