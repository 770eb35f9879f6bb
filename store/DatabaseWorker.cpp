#include "store/DatabaseWorker.h"

namespace tolvane {

DatabaseWorker::DatabaseWorker(std::string databasePath, Log& log)
    : database_(std::move(databasePath), log) {}

DatabaseWorker::~DatabaseWorker() {
    bool started = false;
    {
        std::lock_guard lock(mutex_);
        ending_ = true;
        started = thread_.joinable();
    }
    wake_.notify_all();
    if (started) thread_.join();
}

void DatabaseWorker::startThread() {
    if (!thread_.joinable() && !ending_) thread_ = std::thread([this] { run(); });
}

void DatabaseWorker::post(Job job) {
    {
        std::lock_guard lock(mutex_);
        if (stopped_) return;
        jobs_.push_back(std::move(job));
        startThread();
    }
    wake_.notify_all();
}

void DatabaseWorker::stop(Job last) {
    {
        std::lock_guard lock(mutex_);
        if (stopped_) return;
        stopped_ = true;
        jobs_.clear();
        if (last) {
            jobs_.push_back(std::move(last));
            startThread();
        }
        // Under the lock, so that the interrupt reaches the job running now and not the next.
        if (busy_) {
            interrupting_ = true;
            database_.interrupt();
        }
    }
    wake_.notify_all();
}

void DatabaseWorker::waitUntilIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !busy_ && jobs_.empty(); });
}

void DatabaseWorker::run() {
    while (true) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return ending_ || !jobs_.empty(); });
            if (jobs_.empty()) break;
            job = std::move(jobs_.front());
            jobs_.pop_front();
            busy_ = true;
        }
        job(database_);
        {
            std::lock_guard lock(mutex_);
            busy_ = false;
            if (interrupting_) {
                interrupting_ = false;
                database_.clearInterrupt();
            }
        }
        idle_.notify_all();
    }
    bool stopped = false;
    {
        std::lock_guard lock(mutex_);
        stopped = stopped_;
    }
    if (stopped)
        database_.abandonBulkWrites();
    else
        database_.endBulkWrites();
}

} // namespace tolvane
