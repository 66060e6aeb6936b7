#pragma once
#include <memory>
#include <mutex>
#include <set>
#include <vector>

using PooledFunction = void (*)(void* argument);

class PooledThread;

// What the pool and its threads share. Threads hold it too, so a thread
// that finishes its work after the pool was destroyed still has somewhere
// to report back to.
struct ThreadPoolState {
    std::mutex mutex;
    std::vector<PooledThread*> idle;
    std::set<PooledThread*> running;
};

// One worker of a ThreadPool. It polls its assignment every millisecond;
// after running a function it returns itself to the pool's idle list. It
// owns itself: with the exit flag set it ends and frees its state.
class PooledThread {
public:
    explicit PooledThread(std::shared_ptr<ThreadPoolState> pool);
    bool start();
    void assign(PooledFunction function, void* argument);
    void requestExit();

private:
    static void* threadMain(void* self);
    void loop();

    std::shared_ptr<ThreadPoolState> pool;
    std::mutex mutex;
    PooledFunction function = nullptr;
    void* argument = nullptr;
    bool exitRequested = false;
};

// A fixed set of worker threads for short background jobs (web requests,
// terrain tasks, label placement). Destroying the pool lets the threads end
// once their current function returns.
class ThreadPool {
public:
    explicit ThreadPool(unsigned count);
    ~ThreadPool();
    ThreadPool(const ThreadPool&) = delete;
    ThreadPool& operator=(const ThreadPool&) = delete;

    // Hands function(argument) to an idle thread; false when none is idle.
    bool startThreadedFunction(PooledFunction function, void* argument);
    bool hasIdleThreads();
    bool hasRunningThreads();
    unsigned getThreadCount() const { return static_cast<unsigned>(threads.size()); }

private:
    std::shared_ptr<ThreadPoolState> state;
    std::vector<PooledThread*> threads;
};
