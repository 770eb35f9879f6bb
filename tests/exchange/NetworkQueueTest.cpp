#include "exchange/NetworkQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

using namespace tolvane;

namespace {

// Counts how many transfers run at once; each waits until the test opens the gate.
struct Gate {
    std::mutex mutex;
    std::condition_variable changed;
    bool open = false;
    int running = 0;
    int mostAtOnce = 0;
    int started = 0;

    void openGate() {
        std::lock_guard lock(mutex);
        open = true;
        changed.notify_all();
    }
    bool waitForRunning(int count) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(20), [&] { return running == count; });
    }
};

class GatedRequest : public FormDataRequest {
public:
    GatedRequest(Gate& gate, std::string name, bool fail = false)
        : FormDataRequest("http://127.0.0.1/" + name), gate_(gate), name_(std::move(name)),
          fail_(fail) {}
    void startSynchronous() override {
        {
            std::unique_lock lock(gate_.mutex);
            ++gate_.running;
            ++gate_.started;
            gate_.mostAtOnce = std::max(gate_.mostAtOnce, gate_.running);
            gate_.changed.notify_all();
            // cancel() does not notify, so look at it now and then.
            while (!(gate_.open || isCancelled() || failNow_))
                gate_.changed.wait_for(lock, std::chrono::milliseconds(10));
            --gate_.running;
            gate_.changed.notify_all();
        }
        if (fail_ || isCancelled())
            failWith("refused");
        else
            completeWith(200, "reply " + name_);
    }
    // Lets this one request finish (as a failure when it was made to fail) while others wait.
    void release() {
        std::lock_guard lock(gate_.mutex);
        failNow_ = true;
        gate_.changed.notify_all();
    }

private:
    Gate& gate_;
    std::string name_;
    bool fail_;
    bool failNow_ = false;
};

struct Calls {
    std::map<std::string, int> done;
    std::map<std::string, int> failed;
    int total = 0;
    std::thread::id thread;
};

// A queue on this thread's dispatcher whose handlers count the calls.
class NetworkQueueTest : public ::testing::Test {
protected:
    NetworkQueue& makeQueue(int connections = 4) {
        queue = std::make_unique<NetworkQueue>(ui, connections);
        queue->setRequestDidFinishSelector([&](const std::shared_ptr<FormDataRequest>& r) {
            calls.done[r->url()]++;
            calls.total++;
            calls.thread = std::this_thread::get_id();
            EXPECT_EQ(r->responseString().rfind("reply ", 0), 0u);
        });
        queue->setRequestDidFailSelector([&](const std::shared_ptr<FormDataRequest>& r) {
            calls.failed[r->url()]++;
            calls.total++;
            calls.thread = std::this_thread::get_id();
            EXPECT_TRUE(r->responseString().empty());
        });
        return *queue;
    }
    std::vector<std::shared_ptr<GatedRequest>> add(int count, const std::string& prefix = "") {
        std::vector<std::shared_ptr<GatedRequest>> added;
        for (int i = 0; i < count; ++i) {
            added.push_back(std::make_shared<GatedRequest>(gate, prefix + std::to_string(i)));
            queue->addOperation(added.back());
        }
        return added;
    }

    ManualDispatcher ui;
    Gate gate;
    Calls calls;
    std::unique_ptr<NetworkQueue> queue;
};

} // namespace

TEST_F(NetworkQueueTest,
       StartsSuspendedRunsAtMostFourTakesRequestsFromAnyThreadAndCallsOneHandlerEach) {
    makeQueue();
    add(10);
    EXPECT_TRUE(queue->isSuspended());
    EXPECT_EQ(queue->requestsCount(), 10u);
    {
        std::lock_guard lock(gate.mutex);
        EXPECT_EQ(gate.started, 0);
    }

    queue->go();
    ASSERT_TRUE(gate.waitForRunning(4));
    EXPECT_EQ(ui.runPending(), 0); // nothing finished yet, so no handler
    gate.openGate();
    // More come from other threads while it runs.
    std::vector<std::thread> adders;
    for (int t = 0; t < 3; ++t)
        adders.emplace_back([&, t] {
            for (int i = 0; i < 20; ++i)
                queue->addOperation(std::make_shared<GatedRequest>(gate, std::to_string(t) + "-" +
                                                                             std::to_string(i)));
        });
    for (auto& adder : adders)
        adder.join();
    ASSERT_TRUE(ui.runUntil([&] { return calls.total == 70; }));

    EXPECT_EQ(gate.mostAtOnce, 4);
    EXPECT_EQ(calls.done.size(), 70u); // and so each once
    EXPECT_EQ(calls.thread, std::this_thread::get_id());
    EXPECT_EQ(queue->requestsCount(), 0u);
}

TEST_F(NetworkQueueTest, AFailureCancelsTheWaitingRequestsUnsentEachEndingInOneFailureCall) {
    makeQueue();
    auto failing = std::make_shared<GatedRequest>(gate, "fails", true);
    queue->addOperation(failing);
    add(3, "running");
    auto waiting = add(3, "waiting");
    queue->go();
    ASSERT_TRUE(gate.waitForRunning(4));
    failing->release();
    ASSERT_TRUE(ui.runUntil([&] { return calls.failed.size() == 4; }));
    EXPECT_EQ(queue->requestsCount(), 3u); // only the running ones are left
    gate.openGate();
    ASSERT_TRUE(ui.runUntil([&] { return calls.total == 7; }));
    ui.runPending();

    EXPECT_EQ(calls.done.size(), 3u); // the running ones were not cancelled
    EXPECT_EQ(calls.total, 7);        // one call each
    for (auto& request : waiting)
        EXPECT_TRUE(request->isCancelled() && calls.failed[request->url()] == 1);
    EXPECT_FALSE(failing->isCancelled());
    EXPECT_EQ(gate.started, 4); // the cancelled ones were never sent

    // The queue keeps working for requests added after the failure.
    add(1, "later");
    ASSERT_TRUE(ui.runUntil([&] { return calls.done.count("http://127.0.0.1/later0") == 1; }));
}

TEST_F(NetworkQueueTest, CancellingAllReportsEveryRequestOnceAsCancelled) {
    makeQueue(1);
    auto requests = add(3);
    queue->go();
    ASSERT_TRUE(gate.waitForRunning(1));
    queue->cancelAllOperations();
    ASSERT_TRUE(ui.runUntil([&] { return calls.total == 3; }));
    ui.runPending();
    EXPECT_EQ(calls.failed.size(), 3u);
    EXPECT_EQ(calls.total, 3);
    for (auto& request : requests)
        EXPECT_TRUE(request->isCancelled());
    EXPECT_EQ(gate.started, 1);
}

TEST_F(NetworkQueueTest, DestroyedWithTransfersRunningCallsNoHandlerAndDoesNotHang) {
    makeQueue();
    add(6);
    queue->go();
    ASSERT_TRUE(gate.waitForRunning(4));
    queue.reset(); // the running transfers are cancelled, the workers joined
    ui.runPending();
    EXPECT_EQ(calls.total, 0);
    EXPECT_EQ(gate.started, 4);
}

TEST_F(NetworkQueueTest, AReplyIsReadOnItsTransferThreadBeforeItsHandlerAndAFailedOneIsNotRead) {
    makeQueue();
    struct Read {
        std::thread::id thread;
        std::string text;
    };
    std::map<std::string, std::shared_ptr<std::optional<Read>>> reads;
    for (int i = 0; i < 3; ++i) {
        auto request = std::make_shared<GatedRequest>(gate, "read" + std::to_string(i), i == 2);
        auto read = std::make_shared<std::optional<Read>>();
        request->setReader([read](const FormDataRequest& r) {
            *read = Read{std::this_thread::get_id(), r.responseString()};
        });
        reads[request->url()] = read;
        queue->addOperation(request);
    }
    int readBeforeHandler = 0;
    queue->setRequestDidFinishSelector([&](const std::shared_ptr<FormDataRequest>& r) {
        if (reads[r->url()]->has_value()) ++readBeforeHandler;
        calls.done[r->url()]++;
        calls.total++;
    });
    queue->go();
    ASSERT_TRUE(gate.waitForRunning(3));
    gate.openGate();
    ASSERT_TRUE(ui.runUntil([&] { return calls.total == 3; }));

    EXPECT_EQ(readBeforeHandler, 2);
    for (int i = 0; i < 2; ++i) {
        const auto& read = *reads["http://127.0.0.1/read" + std::to_string(i)];
        ASSERT_TRUE(read.has_value());
        EXPECT_NE(read->thread, std::this_thread::get_id());
        EXPECT_EQ(read->text, "reply read" + std::to_string(i));
    }
    EXPECT_FALSE(reads["http://127.0.0.1/read2"]->has_value());
    EXPECT_EQ(calls.failed["http://127.0.0.1/read2"], 1);
}
