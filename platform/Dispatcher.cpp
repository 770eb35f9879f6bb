#include "Dispatcher.h"

#include <algorithm>

namespace tolvane {

bool DispatchGate::runOnUiThread(Task task) {
    std::lock_guard lock(mutex_);
    if (!open_) return false;
    dispatcher_.runOnUiThread(std::move(task));
    return true;
}

void DispatchGate::close() {
    std::lock_guard lock(mutex_);
    open_ = false;
}

void ManualDispatcher::runOnUiThread(Task task) {
    {
        std::lock_guard lock(mutex_);
        entries_.push_back({now_, sequence_++, std::move(task)});
    }
    arrived_.notify_all();
}

void ManualDispatcher::runLater(double seconds, Task task) {
    {
        std::lock_guard lock(mutex_);
        entries_.push_back({now_ + std::max(0.0, seconds), sequence_++, std::move(task)});
    }
    arrived_.notify_all();
}

bool ManualDispatcher::takeDue(Task& out) {
    std::lock_guard lock(mutex_);
    auto best = entries_.end();
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->due > now_) continue;
        if (best == entries_.end() || it->due < best->due ||
            (it->due == best->due && it->sequence < best->sequence))
            best = it;
    }
    if (best == entries_.end()) return false;
    out = std::move(best->task);
    entries_.erase(best);
    return true;
}

int ManualDispatcher::runPending() {
    int count = 0;
    Task task;
    while (takeDue(task)) {
        task();
        ++count;
    }
    return count;
}

int ManualDispatcher::advance(double seconds) {
    int count = runPending();
    double target;
    {
        std::lock_guard lock(mutex_);
        target = now_ + seconds;
    }
    while (true) {
        double next = target;
        {
            std::lock_guard lock(mutex_);
            for (const auto& e : entries_)
                if (e.due > now_ && e.due < next) next = e.due;
            now_ = next;
        }
        count += runPending();
        if (next >= target) break;
    }
    return count;
}

bool ManualDispatcher::runUntil(const std::function<bool()>& done,
                                std::chrono::milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        runPending();
        if (done()) return true;
        std::unique_lock lock(mutex_);
        bool due = std::any_of(entries_.begin(), entries_.end(),
                               [&](const Entry& e) { return e.due <= now_; });
        if (!due) {
            if (arrived_.wait_until(lock, std::min(deadline, std::chrono::steady_clock::now() +
                                                                 std::chrono::milliseconds(20))) ==
                    std::cv_status::timeout &&
                std::chrono::steady_clock::now() >= deadline) {
                lock.unlock();
                runPending();
                return done();
            }
        }
    }
}

std::size_t ManualDispatcher::queued() const {
    std::lock_guard lock(mutex_);
    return entries_.size();
}

} // namespace tolvane
