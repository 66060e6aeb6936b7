#include "net/ParallelFunction.h"

#include "base/Time.h"
#include "net/Thread.h"

#include <cstdio>

// Shared by the caller and the worker; whichever of them is last frees it.
struct AParallelFunction::SharedState {
    std::mutex mutex;
    WorkFunction function = nullptr;
    IArgument* argument = nullptr;
    IValue* result = nullptr;
    bool running = false;
    bool executed = false;
    bool callerGone = false;

    ~SharedState() {
        delete result;
        delete argument;
    }
};

AParallelFunction::AParallelFunction(double timeoutSeconds)
    : timeoutSeconds(timeoutSeconds), state(new SharedState) {}

AParallelFunction::~AParallelFunction() {
    if (!timedOut) waitForFinish(timeoutSeconds);
    bool handOver;
    {
        std::lock_guard<std::mutex> lock(state->mutex);
        handOver = state->running;
        if (handOver) state->callerGone = true;
    }
    if (!handOver) delete state;
}

void AParallelFunction::runWorker(void* opaque) {
    auto* shared = static_cast<SharedState*>(opaque);
    // Neither function nor argument change while running is set.
    IValue* value = shared->function(shared->argument);
    bool callerGone;
    {
        std::lock_guard<std::mutex> lock(shared->mutex);
        delete shared->result;
        shared->result = value;
        shared->running = false;
        callerGone = shared->callerGone;
    }
    if (callerGone) delete shared;
}

void* AParallelFunction::runDetachedWorker(void* opaque) {
    runWorker(opaque);
    return nullptr;
}

bool AParallelFunction::execute(ThreadPool* pool, IArgument* argument) {
    {
        std::lock_guard<std::mutex> lock(state->mutex);
        if (state->running) {
            delete argument;
            return false;
        }
        delete state->argument;
        state->argument = argument;
        state->function = getWorkFunction();
        state->running = true;
        state->executed = true;
    }
    timedOut = false;
    bool started = pool != nullptr ? pool->startThreadedFunction(&AParallelFunction::runWorker, state)
                                   : createThread(nullptr, &AParallelFunction::runDetachedWorker, state, false);
    if (!started) {
        std::lock_guard<std::mutex> lock(state->mutex);
        state->running = false;
    }
    return started;
}

bool AParallelFunction::isFinished() {
    std::lock_guard<std::mutex> lock(state->mutex);
    return state->executed && !state->running;
}

AParallelFunction::IValue* AParallelFunction::getResult() {
    std::lock_guard<std::mutex> lock(state->mutex);
    return state->running ? nullptr : state->result;
}

AParallelFunction::IValue* AParallelFunction::waitForFinish(double waitSeconds) {
    double deadline = getSecs() + waitSeconds;
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(state->mutex);
            if (!state->executed) return nullptr;
            if (!state->running) return state->result;
        }
        if (getSecs() >= deadline) break;
        delay(1);
    }
    timedOut = true;
    std::printf("timoutOccured in parallel function.\n");
    return nullptr;
}

namespace {

class CallableArgument : public AParallelFunction::IArgument {
public:
    explicit CallableArgument(LambdaParallelFunction::Callable callable) : callable(std::move(callable)) {}
    LambdaParallelFunction::Callable callable;
};

AParallelFunction::IValue* runCallable(AParallelFunction::IArgument* argument) {
    auto* holder = static_cast<CallableArgument*>(argument);
    // An exception must not escape into a pool thread and end the program.
    try {
        if (holder != nullptr && holder->callable) return holder->callable();
    } catch (...) {
    }
    std::printf("Error executing parallel lambda.\n");
    return nullptr;
}

}  // namespace

LambdaParallelFunction::LambdaParallelFunction(double timeoutSeconds, Callable callable)
    : AParallelFunction(timeoutSeconds), callable(std::move(callable)) {}

bool LambdaParallelFunction::execute(ThreadPool* pool) {
    if (!callable) {
        std::printf("Error executing parallel lambda.\n");
        return false;
    }
    if (!AParallelFunction::execute(pool, new CallableArgument(std::move(callable)))) {
        std::printf("Error executing parallel lambda.\n");
        return false;
    }
    return true;
}

AParallelFunction::WorkFunction LambdaParallelFunction::getWorkFunction() const {
    return &runCallable;
}
