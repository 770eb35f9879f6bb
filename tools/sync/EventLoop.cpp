#include "tools/sync/EventLoop.h"

#include <algorithm>

namespace tolvane {

void EventLoop::runOnUiThread(Task task) {
    runLater(0, std::move(task));
}

void EventLoop::runLater(double seconds, Task task) {
    auto due = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                  std::chrono::duration<double>(std::max(0.0, seconds)));
    {
        std::lock_guard lock(mutex_);
        tasks_.emplace(std::make_pair(due, sequence_++), std::move(task));
    }
    arrived_.notify_all();
}

bool EventLoop::runUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (!done()) {
        Task task;
        {
            std::unique_lock lock(mutex_);
            auto now = Clock::now();
            if (now >= deadline) return done();
            if (tasks_.empty() || tasks_.begin()->first.first > now) {
                auto wakeAt =
                    tasks_.empty() ? deadline : std::min(deadline, tasks_.begin()->first.first);
                arrived_.wait_until(lock, wakeAt);
                continue;
            }
            task = std::move(tasks_.begin()->second);
            tasks_.erase(tasks_.begin());
        }
        task();
    }
    return true;
}

} // namespace tolvane
