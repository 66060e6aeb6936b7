#include "NetTestSupport.h"
#include "net/ParallelFunction.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

// Counts the work done and the destruction of results and arguments, which
// the worker frees itself once the caller has gone.
struct Tally {
    std::atomic<int> workDone{0};
    std::atomic<int> freed{0};
};

// An argument (milliseconds to sleep) or a result (always 42).
class Counted : public AParallelFunction::IValue, public AParallelFunction::IArgument {
public:
    Counted(std::shared_ptr<Tally> tally, unsigned number) : tally(std::move(tally)), number(number) {}
    ~Counted() override { tally->freed++; }
    std::shared_ptr<Tally> tally;
    unsigned number;
};

class SleepingFunction : public AParallelFunction {
public:
    using AParallelFunction::AParallelFunction;

protected:
    WorkFunction getWorkFunction() const override {
        return [](IArgument* argument) -> IValue* {
            auto* sleep = static_cast<Counted*>(argument);
            delay(sleep->number);
            sleep->tally->workDone++;
            return new Counted(sleep->tally, 42);
        };
    }
};

}  // namespace

TEST(ParallelFunction, ResultArrivesWithinTheTimeOutAndTheCallerFreesIt) {
    auto tally = std::make_shared<Tally>();
    {
        SleepingFunction function(1.0);
        ASSERT_TRUE(function.execute(nullptr, new Counted(tally, 5)));
        auto* value = dynamic_cast<Counted*>(function.waitForFinish(1.0));
        ASSERT_NE(nullptr, value);
        EXPECT_EQ(42u, value->number);
        EXPECT_TRUE(function.isFinished());
        EXPECT_EQ(value, function.getResult());
        // Still running when the caller goes: the destructor gives it its time-out.
        SleepingFunction unwaited(2.0);
        ASSERT_TRUE(unwaited.execute(nullptr, new Counted(tally, 20)));
    }
    EXPECT_EQ(2, tally->workDone);
    EXPECT_EQ(4, tally->freed);  // two arguments and two results
}

TEST(ParallelFunction, AbandonedWorkerFreesEverythingWithoutTheCaller) {
    ThreadPool pool(1);
    auto tally = std::make_shared<Tally>();
    auto function = std::make_unique<SleepingFunction>(0.02);
    ASSERT_TRUE(function->execute(&pool, new Counted(tally, 150)));
    testing::internal::CaptureStdout();
    EXPECT_EQ(nullptr, function->waitForFinish(0.02));
    EXPECT_FALSE(function->isFinished());
    uint32_t start = getMilliSecs();
    function.reset();  // the caller goes away while the worker still runs
    EXPECT_LT(getMilliSecs() - start, 100u);  // an expired wait is not repeated
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(0, tally->workDone);
    ASSERT_TRUE(eventually([&] { return tally->freed == 2; }));
    EXPECT_EQ(1, tally->workDone);
}

TEST(LambdaParallelFunction, ReturnsTheValueOrNoneWhenThePoolRefusesItThrowsOrItIsLate) {
    ThreadPool pool(1), busyPool(0);
    EXPECT_EQ(std::optional<std::string>("done"), executeLambdaWithTimeout(1.0, [] { return std::string("done"); }, &pool));
    std::atomic<int> calls{0};
    EXPECT_TRUE(executeLambdaWithTimeout(1.0, [&calls] { calls++; }));
    EXPECT_EQ(1, calls);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(executeLambdaWithTimeout(1.0, [] { return 1; }, &busyPool).has_value());
    EXPECT_FALSE(executeLambdaWithTimeout(1.0, []() -> int { throw std::runtime_error("broken"); }).has_value());
    EXPECT_FALSE(executeLambdaWithTimeout(0.01, [] { return delay(100), 1; }, &pool).has_value());  // too late
    testing::internal::GetCapturedStdout();
}
