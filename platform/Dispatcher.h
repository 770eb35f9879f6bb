// Run-on-UI-thread and deferred calls. Screens and the exchange library never touch
// the UI from another thread; they hand work to the dispatcher instead.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

namespace tolvane {

using Task = std::function<void()>;

class Dispatcher {
public:
    virtual ~Dispatcher() = default;
    // Safe from any thread; the task runs later on the UI thread.
    virtual void runOnUiThread(Task task) = 0;
    // Runs the task on the UI thread after the delay (0: the next turn of the event loop).
    virtual void runLater(double seconds, Task task) = 0;
};

// A dispatcher the test drives: tasks run only when the test asks.
class ManualDispatcher : public Dispatcher {
public:
    void runOnUiThread(Task task) override;
    void runLater(double seconds, Task task) override;

    // Runs every task that is due now (and those they queue that are due), returns how many ran.
    int runPending();
    // Moves the fake clock forward, running what becomes due on the way.
    int advance(double seconds);
    // Runs due tasks as they arrive until done() holds or the wall-clock timeout passes.
    // For tests whose work finishes on other threads. Returns done().
    bool runUntil(const std::function<bool()>& done,
                  std::chrono::milliseconds timeout = std::chrono::seconds(20));
    std::size_t queued() const;

private:
    struct Entry {
        double due;
        long sequence;
        Task task;
    };
    bool takeDue(Task& out);

    mutable std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<Entry> entries_;
    double now_ = 0;
    long sequence_ = 0;
};

// A worker's way to the UI thread that its owner closes when it begins to be destroyed: after
// close() returns, no worker reaches the dispatcher through it (a hand-over under way is waited
// for), so a result never outlives what the owner guarantees. Shared by the owner and its jobs.
class DispatchGate {
public:
    explicit DispatchGate(Dispatcher& dispatcher) : dispatcher_(dispatcher) {}
    // From any thread; false, and the task dropped, once closed.
    bool runOnUiThread(Task task);
    // From the owner's thread.
    void close();

private:
    std::mutex mutex_;
    Dispatcher& dispatcher_;
    bool open_ = true;
};

} // namespace tolvane
