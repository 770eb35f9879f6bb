#include "platform/Dispatcher.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace tolvane;

TEST(ManualDispatcher, RunsTasksInOrderAndDeferredOnesOnlyWhenDue) {
    ManualDispatcher d;
    std::vector<int> order;
    d.runLater(0.2, [&] { order.push_back(3); });
    d.runOnUiThread([&] { order.push_back(1); });
    d.runLater(0, [&] { order.push_back(2); });
    EXPECT_EQ(d.runPending(), 2);
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    d.advance(0.1);
    EXPECT_EQ(order.size(), 2u);
    d.advance(0.1);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST(ManualDispatcher, TaskQueuedByATaskRunsInTheSamePass) {
    ManualDispatcher d;
    int ran = 0;
    d.runOnUiThread([&] { d.runOnUiThread([&] { ++ran; }); });
    d.runPending();
    EXPECT_EQ(ran, 1);
}

TEST(ManualDispatcher, RunUntilPicksUpWorkPostedFromOtherThreads) {
    ManualDispatcher d;
    std::atomic<int> count{0};
    std::thread worker([&] {
        for (int i = 0; i < 50; ++i)
            d.runOnUiThread([&] { ++count; });
    });
    EXPECT_TRUE(d.runUntil([&] { return count == 50; }));
    worker.join();
}

TEST(ManualDispatcher, RunUntilGivesUpAfterTheTimeout) {
    ManualDispatcher d;
    EXPECT_FALSE(d.runUntil([] { return false; }, std::chrono::milliseconds(50)));
}
