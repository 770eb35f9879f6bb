#include "exchange/NetworkQueue.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace tolvane {

struct NetworkQueue::State {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::shared_ptr<FormDataRequest>> waiting;
    std::vector<std::shared_ptr<FormDataRequest>> running;
    bool suspended = true;
    bool stopping = false;
    // Read on the UI thread before a handler runs: false once the queue is gone.
    std::atomic<bool> alive{true};
    Handler finished;
    Handler failed;
};

NetworkQueue::NetworkQueue(Dispatcher& dispatcher, int maxConcurrentOperationCount)
    : state_(std::make_shared<State>()), dispatcher_(dispatcher),
      maxConcurrent_(std::max(1, maxConcurrentOperationCount)) {}

NetworkQueue::~NetworkQueue() {
    {
        std::lock_guard lock(state_->mutex);
        state_->stopping = true;
        state_->alive = false;
        for (auto& request : state_->waiting)
            request->cancel();
        state_->waiting.clear();
        for (auto& request : state_->running)
            request->cancel();
    }
    state_->wake.notify_all();
    for (auto& worker : workers_)
        worker.join();
}

void NetworkQueue::setRequestDidFinishSelector(Handler handler) {
    std::lock_guard lock(state_->mutex);
    state_->finished = std::move(handler);
}

void NetworkQueue::setRequestDidFailSelector(Handler handler) {
    std::lock_guard lock(state_->mutex);
    state_->failed = std::move(handler);
}

void NetworkQueue::addOperation(std::shared_ptr<FormDataRequest> request) {
    if (!request) return;
    {
        std::lock_guard lock(state_->mutex);
        if (state_->stopping) return;
        state_->waiting.push_back(std::move(request));
    }
    state_->wake.notify_one();
}

void NetworkQueue::go() {
    {
        std::lock_guard lock(state_->mutex);
        if (state_->stopping) return;
        state_->suspended = false;
        // Workers start on first use so an idle queue costs no threads.
        while (static_cast<int>(workers_.size()) < maxConcurrent_)
            workers_.emplace_back([this] { work(); });
    }
    state_->wake.notify_all();
}

bool NetworkQueue::isSuspended() const {
    std::lock_guard lock(state_->mutex);
    return state_->suspended;
}

std::size_t NetworkQueue::requestsCount() const {
    std::lock_guard lock(state_->mutex);
    return state_->waiting.size() + state_->running.size();
}

void NetworkQueue::cancelAllOperations() {
    std::deque<std::shared_ptr<FormDataRequest>> dropped;
    {
        std::lock_guard lock(state_->mutex);
        dropped.swap(state_->waiting);
        for (auto& request : state_->running)
            request->cancel();
    }
    for (auto& request : dropped)
        reportCancelled(state_, dispatcher_, request);
}

void NetworkQueue::reportCancelled(const std::shared_ptr<State>& state, Dispatcher& dispatcher,
                                   const std::shared_ptr<FormDataRequest>& request) {
    request->cancel();
    // It never ran, so no transfer can be writing its result meanwhile.
    request->failWith("cancelled");
    report(state, dispatcher, request);
}

void NetworkQueue::report(const std::shared_ptr<State>& state, Dispatcher& dispatcher,
                          const std::shared_ptr<FormDataRequest>& request) {
    dispatcher.runOnUiThread([state, request] {
        if (!state->alive) return;
        Handler handler;
        {
            std::lock_guard lock(state->mutex);
            handler = request->failed() ? state->failed : state->finished;
        }
        if (handler) handler(request);
    });
}

void NetworkQueue::work() {
    const std::shared_ptr<State> state = state_;
    while (true) {
        std::shared_ptr<FormDataRequest> request;
        {
            std::unique_lock lock(state->mutex);
            state->wake.wait(lock, [&] {
                return state->stopping || (!state->suspended && !state->waiting.empty());
            });
            if (state->stopping) return;
            request = std::move(state->waiting.front());
            state->waiting.pop_front();
            state->running.push_back(request);
        }

        request->startSynchronous();
        if (!request->failed() && !request->isCancelled()) request->readReply();

        std::deque<std::shared_ptr<FormDataRequest>> dropped;
        {
            std::lock_guard lock(state->mutex);
            std::erase(state->running, request);
            if (state->stopping) return;
            if (request->failed() && !request->isCancelled()) dropped.swap(state->waiting);
        }
        report(state, dispatcher_, request);
        // The owner hears of every request it queued, so nothing waits for a reply forever.
        for (auto& waiting : dropped)
            reportCancelled(state, dispatcher_, waiting);
    }
}

} // namespace tolvane
