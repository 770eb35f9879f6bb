// Runs form posts on up to four worker threads. Starts suspended; go() starts it.
// Every request queued ends in exactly one call of exactly one handler, on the UI thread. A
// completed request's reader (FormDataRequest::setReader) runs first, on the transfer thread
// that ran it, so that the handler gets the reply already read.
// A failed request cancels the requests still waiting: they are not sent, and each reaches the
// failure handler once, marked cancelled (isCancelled()), with an empty text. Only a queue
// being destroyed calls no handler any more.
#pragma once

#include "exchange/FormDataRequest.h"
#include "platform/Dispatcher.h"

#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace tolvane {

class NetworkQueue {
public:
    using Handler = std::function<void(const std::shared_ptr<FormDataRequest>&)>;

    explicit NetworkQueue(Dispatcher& dispatcher, int maxConcurrentOperationCount = 4);
    // Stops running transfers and waits for the workers (a reader under way finishes first); no
    // handler is called afterwards.
    ~NetworkQueue();
    NetworkQueue(const NetworkQueue&) = delete;
    NetworkQueue& operator=(const NetworkQueue&) = delete;

    // Set on the UI thread before the first request runs.
    void setRequestDidFinishSelector(Handler handler);
    void setRequestDidFailSelector(Handler handler);

    // Safe from any thread, also while the queue runs.
    void addOperation(std::shared_ptr<FormDataRequest> request);
    void go();
    bool isSuspended() const;
    // Requests waiting or running.
    std::size_t requestsCount() const;
    // Stops running requests and drops waiting ones; all of them report as failed, cancelled.
    void cancelAllOperations();

private:
    struct State;
    void work();
    // Posts the handler call for a request that has ended.
    static void report(const std::shared_ptr<State>& state, Dispatcher& dispatcher,
                       const std::shared_ptr<FormDataRequest>& request);
    // Ends a request that never ran as failed and cancelled, and reports it.
    static void reportCancelled(const std::shared_ptr<State>& state, Dispatcher& dispatcher,
                                const std::shared_ptr<FormDataRequest>& request);

    std::shared_ptr<State> state_;
    Dispatcher& dispatcher_;
    int maxConcurrent_;
    std::vector<std::thread> workers_;
};

} // namespace tolvane
