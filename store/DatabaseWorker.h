// A thread with a Database object of its own that runs jobs one after another, in the order
// they were posted: the catalogue service's page store and its list reader are one each. The
// owner makes it, and it lives as long as its owner; its thread starts with the first job, so
// a worker never needed costs no thread.
//
// post() and waitUntilIdle() from any thread; a job runs on the worker thread and gets the
// worker's Database, and is destroyed there once it has run (with what it carries, such as a
// page's records). stop() is for the program quitting (UI thread): it drops the jobs not yet
// started, interrupts the one running (its statement stops, its transaction rolls back, a wait
// for the file gives up) and queues last. The destructor waits for the thread: after stop() that
// is at most an interrupted statement and last; without stop() it is every job posted.
//
// When the thread ends, its Database's bulk writes end with it: the file is put back to the
// rollback journal, or after stop() only closed (Database::abandonBulkWrites), so that the
// destructor's wait never includes the journal's copy into the file.
#pragma once

#include "store/Database.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace tolvane {

class DatabaseWorker {
public:
    using Job = std::function<void(Database&)>;

    DatabaseWorker(std::string databasePath, Log& log);
    ~DatabaseWorker();
    DatabaseWorker(const DatabaseWorker&) = delete;
    DatabaseWorker& operator=(const DatabaseWorker&) = delete;

    // Ignored after stop().
    void post(Job job);
    void stop(Job last = {});
    // Returns once every job posted before has run.
    void waitUntilIdle();

private:
    void run();
    // Under the lock.
    void startThread();

    Database database_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Job> jobs_;
    bool busy_ = false;         // a job is running
    bool stopped_ = false;      // stop() was called
    bool interrupting_ = false; // the running job was interrupted: the next runs on a clear one
    bool ending_ = false;       // the destructor waits
    std::thread thread_;
};

} // namespace tolvane
