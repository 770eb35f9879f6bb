// A plain event loop for command-line programs: the thread that calls runUntil is the UI thread.
#pragma once

#include "platform/Dispatcher.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <utility>

namespace tolvane {

class EventLoop : public Dispatcher {
public:
    void runOnUiThread(Task task) override;
    void runLater(double seconds, Task task) override;
    // Runs tasks as they fall due until done() holds or the time-out passes; returns done().
    bool runUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

private:
    using Clock = std::chrono::steady_clock;
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::map<std::pair<Clock::time_point, long>, Task> tasks_;
    long sequence_ = 0;
};

} // namespace tolvane
