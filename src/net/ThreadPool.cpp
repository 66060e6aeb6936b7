#include "net/ThreadPool.h"

#include "base/Time.h"
#include "net/Thread.h"

PooledThread::PooledThread(std::shared_ptr<ThreadPoolState> pool) : pool(std::move(pool)) {}

bool PooledThread::start() {
    return createThread(nullptr, &PooledThread::threadMain, this, false);
}

void* PooledThread::threadMain(void* self) {
    static_cast<PooledThread*>(self)->loop();
    return nullptr;
}

void PooledThread::assign(PooledFunction newFunction, void* newArgument) {
    std::lock_guard<std::mutex> lock(mutex);
    function = newFunction;
    argument = newArgument;
}

void PooledThread::requestExit() {
    std::lock_guard<std::mutex> lock(mutex);
    exitRequested = true;
}

void PooledThread::loop() {
    for (;;) {
        PooledFunction work;
        void* workArgument;
        bool exiting;
        {
            std::lock_guard<std::mutex> lock(mutex);
            work = function;
            workArgument = argument;
            exiting = exitRequested;
        }
        // Work already handed over runs even when the pool is going away:
        // its owner counts on it finishing (and freeing what it was given).
        if (work != nullptr) {
            work(workArgument);
            {
                std::lock_guard<std::mutex> lock(mutex);
                function = nullptr;
                argument = nullptr;
            }
            std::lock_guard<std::mutex> lock(pool->mutex);
            pool->running.erase(this);
            pool->idle.push_back(this);
            continue;
        }
        if (exiting) break;
        delay(1);
    }
    delete this;
}

ThreadPool::ThreadPool(unsigned count) : state(std::make_shared<ThreadPoolState>()) {
    std::lock_guard<std::mutex> lock(state->mutex);
    for (unsigned i = 0; i < count; ++i) {
        auto* thread = new PooledThread(state);
        if (!thread->start()) {
            delete thread;
            continue;
        }
        threads.push_back(thread);
        state->idle.push_back(thread);
    }
}

ThreadPool::~ThreadPool() {
    for (PooledThread* thread : threads) thread->requestExit();
}

bool ThreadPool::startThreadedFunction(PooledFunction function, void* argument) {
    PooledThread* thread;
    {
        std::lock_guard<std::mutex> lock(state->mutex);
        if (state->idle.empty()) return false;
        thread = state->idle.back();
        state->idle.pop_back();
        state->running.insert(thread);
    }
    thread->assign(function, argument);
    return true;
}

bool ThreadPool::hasIdleThreads() {
    std::lock_guard<std::mutex> lock(state->mutex);
    return !state->idle.empty();
}

bool ThreadPool::hasRunningThreads() {
    std::lock_guard<std::mutex> lock(state->mutex);
    return !state->running.empty();
}
