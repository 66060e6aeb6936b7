#include "NetTestSupport.h"
#include "net/ParallelFunction.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

// Counts the destruction of results and arguments, which the worker frees
// itself once the caller has gone.
struct Tally {
    std::atomic<int> workDone{0};
    std::atomic<int> valuesFreed{0};
    std::atomic<int> argumentsFreed{0};
};

class CountedValue : public AParallelFunction::IValue {
public:
    CountedValue(std::shared_ptr<Tally> tally, int number) : tally(std::move(tally)), number(number) {}
    ~CountedValue() override { tally->valuesFreed++; }
    std::shared_ptr<Tally> tally;
    int number;
};

class SleepArgument : public AParallelFunction::IArgument {
public:
    SleepArgument(std::shared_ptr<Tally> tally, unsigned sleepMs) : tally(std::move(tally)), sleepMs(sleepMs) {}
    ~SleepArgument() override { tally->argumentsFreed++; }
    std::shared_ptr<Tally> tally;
    unsigned sleepMs;
};

class SleepingFunction : public AParallelFunction {
public:
    using AParallelFunction::AParallelFunction;

protected:
    WorkFunction getWorkFunction() const override {
        return [](IArgument* argument) -> IValue* {
            auto* sleep = static_cast<SleepArgument*>(argument);
            delay(sleep->sleepMs);
            sleep->tally->workDone++;
            return new CountedValue(sleep->tally, 42);
        };
    }
};

}  // namespace

TEST(ParallelFunction, ResultArrivesWithinTheTimeOutAndTheCallerFreesIt) {
    auto tally = std::make_shared<Tally>();
    {
        SleepingFunction function(1.0);
        EXPECT_FALSE(function.isFinished());
        ASSERT_TRUE(function.execute(nullptr, new SleepArgument(tally, 5)));
        auto* value = dynamic_cast<CountedValue*>(function.waitForFinish(1.0));
        ASSERT_NE(nullptr, value);
        EXPECT_EQ(42, value->number);
        EXPECT_TRUE(function.isFinished());
        EXPECT_EQ(value, function.getResult());
        // Still running when the caller goes: the destructor gives it its time-out.
        SleepingFunction unwaited(2.0);
        ASSERT_TRUE(unwaited.execute(nullptr, new SleepArgument(tally, 20)));
    }
    EXPECT_EQ(2, tally->workDone);
    EXPECT_EQ(2, tally->valuesFreed);
    EXPECT_EQ(2, tally->argumentsFreed);
}

TEST(ParallelFunction, AbandonedWorkerFreesEverythingWithoutTheCaller) {
    ThreadPool pool(1);
    auto tally = std::make_shared<Tally>();
    {
        auto function = std::make_unique<SleepingFunction>(0.02);
        ASSERT_TRUE(function->execute(&pool, new SleepArgument(tally, 150)));
        testing::internal::CaptureStdout();
        EXPECT_EQ(nullptr, function->waitForFinish(0.02));
        EXPECT_FALSE(function->isFinished());
        uint32_t start = getMilliSecs();
        function.reset();  // the caller goes away while the worker still runs
        std::string output = testing::internal::GetCapturedStdout();
        EXPECT_LT(getMilliSecs() - start, 100u);  // an expired wait is not repeated
        EXPECT_EQ("timoutOccured in parallel function.\n", output);
        EXPECT_EQ(0, tally->workDone);
    }
    ASSERT_TRUE(eventually([&] { return tally->argumentsFreed == 1; }));
    EXPECT_EQ(1, tally->workDone);
    EXPECT_EQ(1, tally->valuesFreed);
    EXPECT_TRUE(eventually([&] { return pool.hasIdleThreads(); }));
}

TEST(LambdaParallelFunction, ReturnsTheCallablesValueOrNoneWhenThePoolRefusesOrItThrows) {
    ThreadPool pool(2);
    EXPECT_EQ(std::optional<std::string>("done"), executeLambdaWithTimeout(1.0, [] { return std::string("done"); }, &pool));
    EXPECT_EQ(std::optional<int>(7), executeLambdaWithTimeout(1.0, [] { return 7; }));
    std::atomic<int> calls{0};
    EXPECT_TRUE(executeLambdaWithTimeout(1.0, [&calls] { calls++; }, &pool));
    EXPECT_EQ(1, calls);

    // A pool without an idle thread refuses the work.
    ThreadPool busyPool(0);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(executeLambdaWithTimeout(1.0, [] { return 1; }, &busyPool).has_value());
    // So does a callable that throws.
    EXPECT_FALSE(executeLambdaWithTimeout(1.0, []() -> int { throw std::runtime_error("broken"); }).has_value());
    EXPECT_EQ(0u, testing::internal::GetCapturedStdout().rfind(
                      "Error executing parallel lambda.\nError executing parallel lambda.\n", 0));
}

TEST(LambdaParallelFunction, SlowCallableReturnsNoneAndFinishesSafelyLater) {
    ThreadPool pool(1);
    auto finished = std::make_shared<std::atomic<bool>>(false);
    auto payload = std::make_shared<std::string>(4096, 'p');
    testing::internal::CaptureStdout();
    auto result = executeLambdaWithTimeout(0.03, [finished, payload] {
        delay(150);
        *finished = true;
        return *payload;
    }, &pool);
    std::string output = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(result.has_value());
    EXPECT_EQ("timoutOccured in parallel function.\n", output);
    EXPECT_FALSE(*finished);
    // The worker still holds the payload it captured; it lets go once done.
    ASSERT_TRUE(eventually([&] { return payload.use_count() == 1; }));
    EXPECT_TRUE(*finished);
}
