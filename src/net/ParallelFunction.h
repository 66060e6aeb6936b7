#pragma once
#include "net/ThreadPool.h"

#include <functional>
#include <mutex>
#include <optional>
#include <type_traits>
#include <utility>

// A function run on another thread that the caller waits for only so long.
// When the wait times out the caller may go away; the worker then finishes
// on its own and frees the result, the argument and the state it shared
// with the caller, never touching the caller's object.
class AParallelFunction {
public:
    class IValue {
    public:
        virtual ~IValue() = default;
    };
    // What the function works on; owned by the run once handed to execute().
    class IArgument {
    public:
        virtual ~IArgument() = default;
    };

    explicit AParallelFunction(double timeoutSeconds);
    // Waits up to the time-out for a running worker (unless an earlier wait
    // already timed out), then leaves the worker to clean up after itself.
    virtual ~AParallelFunction();
    AParallelFunction(const AParallelFunction&) = delete;
    AParallelFunction& operator=(const AParallelFunction&) = delete;

    // Runs the function on a pooled thread, or on a new detached thread when
    // pool is null. Takes ownership of argument (which may be null). False
    // when no thread could take it, or when a run is still going.
    bool execute(ThreadPool* pool, IArgument* argument);
    bool isFinished();
    // Polls every millisecond until the run finishes; returns its result,
    // or null when timeoutSeconds passed ("timoutOccured in parallel
    // function." is printed) or nothing ran. The result stays owned here.
    IValue* waitForFinish(double timeoutSeconds);
    IValue* getResult();
    double getTimeoutSeconds() const { return timeoutSeconds; }

protected:
    // A plain function rather than a method: the worker may outlive this
    // object, so it must not need it.
    using WorkFunction = IValue* (*)(IArgument* argument);
    virtual WorkFunction getWorkFunction() const = 0;

private:
    struct SharedState;
    static void runWorker(void* state);
    static void* runDetachedWorker(void* state);

    double timeoutSeconds;
    SharedState* state;
    bool timedOut = false;
};

// The result of a callable of type T.
template <class T>
class ParallelValue : public AParallelFunction::IValue {
public:
    explicit ParallelValue(T value) : value(std::move(value)) {}
    T value;
};

// An AParallelFunction around a callable. The callable is moved to the run
// at execute(), so it must own (capture by value) what it uses.
class LambdaParallelFunction : public AParallelFunction {
public:
    using Callable = std::function<IValue*()>;
    LambdaParallelFunction(double timeoutSeconds, Callable callable);
    bool execute(ThreadPool* pool);

protected:
    WorkFunction getWorkFunction() const override;

private:
    Callable callable;
};

// Runs callable through a LambdaParallelFunction and waits up to
// timeoutSeconds. Returns its value, or nothing when it did not finish in
// time or could not run ("Error executing parallel lambda."). A void
// callable yields whether it finished.
template <class Callable>
auto executeLambdaWithTimeout(double timeoutSeconds, Callable callable, ThreadPool* pool = nullptr) {
    using Result = std::invoke_result_t<Callable&>;
    if constexpr (std::is_void_v<Result>) {
        return executeLambdaWithTimeout(
            timeoutSeconds, [callable = std::move(callable)]() mutable { callable(); return true; }, pool)
            .has_value();
    } else {
        LambdaParallelFunction function(timeoutSeconds, [callable = std::move(callable)]() mutable
                                        -> AParallelFunction::IValue* {
            return new ParallelValue<Result>(callable());
        });
        std::optional<Result> result;
        if (!function.execute(pool)) return result;
        if (auto* value = dynamic_cast<ParallelValue<Result>*>(function.waitForFinish(timeoutSeconds)))
            result = std::move(value->value);
        return result;
    }
}
