#include "NetTestSupport.h"
#include "net/Thread.h"
#include "net/ThreadPool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace {

struct Gate {
    std::atomic<bool> open{false};
    std::atomic<int> finished{0};
};

void waitAtGate(void* argument) {
    auto* gate = static_cast<Gate*>(argument);
    while (!gate->open) delay(1);
    gate->finished++;
}

}  // namespace

TEST(Thread, StackSizeBelowTheSystemMinimumIsRaisedNotRefused) {
    std::atomic<int> counter{0};
    pthread_t handle;
    ASSERT_TRUE(createThread(&handle, [](void* c) -> void* { return static_cast<std::atomic<int>*>(c)->fetch_add(1), nullptr; },
                             &counter, true, 1));
    pthread_join(handle, nullptr);
    EXPECT_EQ(1, counter);
}

TEST(ThreadPool, RunsAsManyFunctionsAsItHasThreads) {
    ThreadPool pool(2);
    EXPECT_FALSE(pool.hasRunningThreads());
    Gate gate;
    ASSERT_TRUE(pool.startThreadedFunction(&waitAtGate, &gate));
    ASSERT_TRUE(pool.startThreadedFunction(&waitAtGate, &gate));
    EXPECT_FALSE(pool.hasIdleThreads());
    EXPECT_TRUE(pool.hasRunningThreads());
    EXPECT_FALSE(pool.startThreadedFunction(&waitAtGate, &gate));

    gate.open = true;
    ASSERT_TRUE(eventually([&] { return !pool.hasRunningThreads(); }));
    EXPECT_EQ(2, gate.finished);
    // Returned threads take new work.
    ASSERT_TRUE(pool.startThreadedFunction(&waitAtGate, &gate));
    EXPECT_TRUE(eventually([&] { return gate.finished == 3; }));
}

TEST(ThreadPool, WorkOutlivingThePoolFinishesSafely) {
    auto gate = std::make_shared<Gate>();
    {
        ThreadPool pool(1);
        ASSERT_TRUE(pool.startThreadedFunction(&waitAtGate, gate.get()));
    }
    // The thread finishes after its pool is gone and must not touch it.
    gate->open = true;
    EXPECT_TRUE(eventually([&] { return gate->finished == 1; }));
    delay(5);
}
