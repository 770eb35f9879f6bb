#include "exchange/NetworkQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
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
    const std::string& name() const { return name_; }

private:
    Gate& gate_;
    std::string name_;
    bool fail_;
    bool failNow_ = false;
};

struct Calls {
    std::map<std::string, int> done;
    std::map<std::string, int> failed;
    std::thread::id thread;
    int total() const {
        int n = 0;
        for (auto& [k, v] : done)
            n += v;
        for (auto& [k, v] : failed)
            n += v;
        return n;
    }
};

void connect(NetworkQueue& queue, Calls& calls) {
    queue.setRequestDidFinishSelector([&](const std::shared_ptr<FormDataRequest>& r) {
        calls.done[r->url()]++;
        calls.thread = std::this_thread::get_id();
        EXPECT_EQ(r->responseString().rfind("reply ", 0), 0u);
    });
    queue.setRequestDidFailSelector([&](const std::shared_ptr<FormDataRequest>& r) {
        calls.failed[r->url()]++;
        calls.thread = std::this_thread::get_id();
        EXPECT_TRUE(r->responseString().empty());
    });
}

} // namespace

TEST(NetworkQueue, StartsSuspendedRunsAtMostFourAtOnceAndCallsOneHandlerPerRequest) {
    ManualDispatcher ui;
    Gate gate;
    Calls calls;
    NetworkQueue queue(ui);
    connect(queue, calls);
    for (int i = 0; i < 10; ++i)
        queue.addOperation(std::make_shared<GatedRequest>(gate, std::to_string(i)));
    EXPECT_TRUE(queue.isSuspended());
    EXPECT_EQ(queue.requestsCount(), 10u);
    {
        std::lock_guard lock(gate.mutex);
        EXPECT_EQ(gate.started, 0);
    }

    queue.go();
    ASSERT_TRUE(gate.waitForRunning(4));
    EXPECT_EQ(ui.runPending(), 0); // nothing finished yet, so no handler
    gate.openGate();
    ASSERT_TRUE(ui.runUntil([&] { return calls.total() == 10; }));

    EXPECT_EQ(gate.mostAtOnce, 4);
    EXPECT_EQ(calls.done.size(), 10u);
    for (auto& [url, count] : calls.done)
        EXPECT_EQ(count, 1) << url;
    EXPECT_TRUE(calls.failed.empty());
    EXPECT_EQ(calls.thread, std::this_thread::get_id());
    EXPECT_EQ(queue.requestsCount(), 0u);
}

TEST(NetworkQueue, AFailureCancelsTheWaitingRequestsUnsentEachEndingInOneFailureCall) {
    ManualDispatcher ui;
    Gate gate;
    Calls calls;
    NetworkQueue queue(ui);
    connect(queue, calls);
    auto failing = std::make_shared<GatedRequest>(gate, "fails", true);
    queue.addOperation(failing);
    for (int i = 0; i < 3; ++i)
        queue.addOperation(std::make_shared<GatedRequest>(gate, "running" + std::to_string(i)));
    std::vector<std::shared_ptr<GatedRequest>> waiting;
    for (int i = 0; i < 3; ++i) {
        waiting.push_back(std::make_shared<GatedRequest>(gate, "waiting" + std::to_string(i)));
        queue.addOperation(waiting.back());
    }
    queue.go();
    ASSERT_TRUE(gate.waitForRunning(4));
    failing->release();
    ASSERT_TRUE(ui.runUntil([&] { return calls.failed.size() == 4; }));
    EXPECT_EQ(queue.requestsCount(), 3u); // only the running ones are left
    gate.openGate();
    ASSERT_TRUE(ui.runUntil([&] { return calls.total() == 7; }));
    ui.runPending();

    EXPECT_EQ(calls.failed["http://127.0.0.1/fails"], 1);
    EXPECT_EQ(calls.done.size(), 3u); // the running ones were not cancelled
    for (auto& request : waiting) {
        EXPECT_TRUE(request->isCancelled());
        EXPECT_TRUE(request->failed());
        EXPECT_EQ(calls.done.count(request->url()), 0u);
        EXPECT_EQ(calls.failed[request->url()], 1);
    }
    EXPECT_FALSE(failing->isCancelled());
    EXPECT_EQ(gate.started, 4); // the cancelled ones were never sent
    EXPECT_EQ(calls.total(), 7);
    EXPECT_EQ(queue.requestsCount(), 0u);

    // The queue keeps working for requests added after the failure.
    queue.addOperation(std::make_shared<GatedRequest>(gate, "later"));
    ASSERT_TRUE(ui.runUntil([&] { return calls.done.count("http://127.0.0.1/later") == 1; }));
}

TEST(NetworkQueue, CancellingAllReportsEveryRequestOnceAsCancelled) {
    ManualDispatcher ui;
    Gate gate;
    Calls calls;
    NetworkQueue queue(ui, 1);
    connect(queue, calls);
    std::vector<std::shared_ptr<GatedRequest>> requests;
    for (int i = 0; i < 3; ++i) {
        requests.push_back(std::make_shared<GatedRequest>(gate, std::to_string(i)));
        queue.addOperation(requests.back());
    }
    queue.go();
    ASSERT_TRUE(gate.waitForRunning(1));
    queue.cancelAllOperations();
    ASSERT_TRUE(ui.runUntil([&] { return calls.total() == 3; }));
    ui.runPending();
    EXPECT_EQ(calls.failed.size(), 3u);
    EXPECT_EQ(calls.total(), 3);
    for (auto& request : requests)
        EXPECT_TRUE(request->isCancelled());
    EXPECT_EQ(gate.started, 1);
}

TEST(NetworkQueue, TakesRequestsFromOtherThreadsWhileRunning) {
    ManualDispatcher ui;
    Gate gate;
    gate.openGate();
    Calls calls;
    NetworkQueue queue(ui);
    connect(queue, calls);
    queue.go();
    std::vector<std::thread> adders;
    for (int t = 0; t < 3; ++t)
        adders.emplace_back([&, t] {
            for (int i = 0; i < 20; ++i)
                queue.addOperation(std::make_shared<GatedRequest>(gate, std::to_string(t) + "-" +
                                                                            std::to_string(i)));
        });
    for (auto& adder : adders)
        adder.join();
    ASSERT_TRUE(ui.runUntil([&] { return calls.total() == 60; }));
    EXPECT_EQ(calls.done.size(), 60u);
    EXPECT_LE(gate.mostAtOnce, 4);
}

TEST(NetworkQueue, DestroyedWithTransfersRunningCallsNoHandlerAndDoesNotHang) {
    ManualDispatcher ui;
    Gate gate;
    Calls calls;
    {
        NetworkQueue queue(ui);
        connect(queue, calls);
        for (int i = 0; i < 6; ++i)
            queue.addOperation(std::make_shared<GatedRequest>(gate, std::to_string(i)));
        queue.go();
        ASSERT_TRUE(gate.waitForRunning(4));
    } // the running transfers are cancelled, the workers joined
    ui.runPending();
    EXPECT_EQ(calls.total(), 0);
    EXPECT_EQ(gate.started, 4);
}
