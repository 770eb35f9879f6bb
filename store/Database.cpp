#include "store/Database.h"

#include "store/Connection.h"
#include "store/DatabaseFileCheck.h"

#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>
#include <utility>

namespace tolvane {

namespace {

// Writers wait this long for readers of other connections instead of failing at once.
constexpr int kBusyTimeoutMs = 5000;

// The wait for another connection's lock, in short sleeps so that interrupt() is seen within a
// few milliseconds; gives up after kBusyTimeoutMs.
int waitForLock(void* interruptedFlag, int tries) {
    if (static_cast<const std::atomic<bool>*>(interruptedFlag)->load()) return 0;
    constexpr int quickTries = 5; // of a millisecond each, then 5 ms each
    const int waitedMs = tries < quickTries ? tries : quickTries + (tries - quickTries) * 5;
    if (waitedMs >= kBusyTimeoutMs) return 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(tries < quickTries ? 1 : 5));
    return 1;
}

// Between two steps of the statement running: a statement that began just as interrupt() was
// called, before it could be reached, stops all the same (sqlite3_interrupt reaches only a
// statement already running, and one that starts after it clears it).
int stopWhenInterrupted(void* interruptedFlag) {
    return static_cast<const std::atomic<bool>*>(interruptedFlag)->load() ? 1 : 0;
}
constexpr int kStepsBetweenChecks = 1000;

// Every connection of a Database gives up its waits and its statements once it is interrupted.
void watchInterrupt(sqlite3* handle, std::atomic<bool>* interruptedFlag) {
    sqlite3_busy_handler(handle, waitForLock, interruptedFlag);
    sqlite3_progress_handler(handle, kStepsBetweenChecks, stopWhenInterrupted, interruptedFlag);
}

std::string folderOf(const std::string& file) {
    const std::filesystem::path folder = std::filesystem::path(file).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

// A connection of an object that refuses changes; false when it cannot be made so.
bool refuseChanges(sqlite3* handle) {
    return sqlite3_exec(handle, "PRAGMA query_only = 1", nullptr, nullptr, nullptr) == SQLITE_OK;
}

Database::WriteFailure failureOf(int resultCode) {
    if (resultCode < 0) return Database::WriteFailure::Other;
    switch (resultCode & 0xff) {
    case SQLITE_FULL:
        return Database::WriteFailure::DiskFull;
    case SQLITE_READONLY:
        return Database::WriteFailure::ReadOnly;
    default:
        return Database::WriteFailure::Other;
    }
}

// Asks for a journal mode ("wal", "delete"); whether the file is in it afterwards.
bool switchJournal(sqlite3* handle, std::string_view mode) {
    const std::string sql = "PRAGMA journal_mode = " + std::string(mode);
    sqlite3_stmt* statement = nullptr;
    bool switched = false;
    if (sqlite3_prepare_v2(handle, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
        const auto* now = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        switched = now != nullptr && std::string_view(now) == mode;
    }
    sqlite3_finalize(statement);
    return switched;
}

// Closes a connection; without copying the journal into the file when asked (a last connection
// closing in write-ahead mode would otherwise do so).
void closeWithoutCheckpoint(sqlite3* handle, bool withoutCheckpoint) {
    if (withoutCheckpoint) sqlite3_db_config(handle, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    sqlite3_close(handle);
}

} // namespace

Database::Database(std::string databasePath, Log& log)
    : databasePath_(std::move(databasePath)), log_(log),
      writesRefused_(!databaseWritable(folderOf(databasePath_), databasePath_)) {}

Database::~Database() {
    endBulkWrites();
    CloseDB();
}

std::string Database::GetDatabasePath() const {
    return databasePath_;
}

Database::Connection Database::connect() {
    if (interrupted_) return {};
    if (transaction_ != nullptr)
        return transactionLost() ? Connection() : Connection(transaction_, false);
    if (bulk_ != nullptr) return Connection(bulk_, false, this);
    sqlite3* handle = nullptr;
    // No create flag: a missing file must stay missing so that the shipped copy can be put there.
    if (sqlite3_open_v2(databasePath_.c_str(), &handle, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(handle);
        return {};
    }
    if (writesRefused_ && !refuseChanges(handle)) {
        sqlite3_close(handle);
        return {};
    }
    watchInterrupt(handle, &interrupted_);
    return Connection(handle, true, this);
}

void Database::interrupt() {
    interrupted_ = true;
    std::lock_guard lock(inUseMutex_);
    if (inUse_ != nullptr) sqlite3_interrupt(inUse_);
}

void Database::clearInterrupt() {
    interrupted_ = false;
}

bool Database::OpenDB() {
    std::lock_guard lock(mutex_);
    if (heldConnection_ != nullptr) {
        sqlite3_close(heldConnection_);
        heldConnection_ = nullptr;
    }
    sqlite3* handle = nullptr;
    nameDBConnect_ = sqlite3_open_v2(databasePath_.c_str(), &handle, SQLITE_OPEN_READWRITE,
                                     nullptr) == SQLITE_OK &&
                     (!writesRefused_ || refuseChanges(handle));
    if (nameDBConnect_) {
        watchInterrupt(handle, &interrupted_);
        heldConnection_ = handle;
        namesArr_.clear();
    } else {
        sqlite3_close(handle);
    }
    return nameDBConnect_;
}

void Database::CloseDB() {
    std::lock_guard lock(mutex_);
    if (heldConnection_ != nullptr) sqlite3_close(heldConnection_);
    heldConnection_ = nullptr;
}

bool Database::NameDBConnect() const {
    std::lock_guard lock(mutex_);
    return nameDBConnect_;
}

std::vector<std::string> Database::namesArr() const {
    std::lock_guard lock(mutex_);
    return namesArr_;
}

bool Database::beginBulkWrites() {
    std::lock_guard lock(mutex_);
    if (bulk_ != nullptr) return true;
    if (interrupted_ || writesRefused_) return false;
    sqlite3* handle = nullptr;
    if (sqlite3_open_v2(databasePath_.c_str(), &handle, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK) {
        log_.warn(std::string("Bulk writes not begun: ") + sqlite3_errmsg(handle));
        sqlite3_close(handle);
        return false;
    }
    // The switch needs the file to itself for a moment. It is not waited for: while another
    // connection writes, the operations go on as before and the next call tries again.
    sqlite3_busy_timeout(handle, 0);
    const bool wal = switchJournal(handle, "wal");
    // The indexes take a page's products at scattered places: a cache that holds them (32 MiB)
    // and a journal copied into the file every 256 MiB instead of every 4 MiB save most
    // writes. The journal file goes when the bulk writes end.
    if (!wal || sqlite3_exec(handle,
                             "PRAGMA synchronous = NORMAL; PRAGMA cache_size = -32768; "
                             "PRAGMA wal_autocheckpoint = 65536",
                             nullptr, nullptr, nullptr) != SQLITE_OK) {
        // Busy is expected now and then and tried again; anything else is worth a line.
        if ((sqlite3_errcode(handle) & 0xff) != SQLITE_BUSY)
            log_.warn(std::string("Bulk writes not begun: ") + sqlite3_errmsg(handle));
        sqlite3_close(handle);
        return false;
    }
    watchInterrupt(handle, &interrupted_);
    bulk_ = handle;
    return true;
}

void Database::endBulkWrites() {
    sqlite3* handle = nullptr;
    {
        std::lock_guard lock(mutex_);
        handle = std::exchange(bulk_, nullptr);
    }
    if (handle == nullptr) return;
    // Leaving write-ahead mode needs the file to itself and does not wait by itself: readers
    // get a second to finish. Meanwhile this object's operations use connections of their own.
    bool back = false;
    for (int attempt = 0; attempt < 20 && !back && !interrupted_; ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(50));
        // The switch copies the journal into the file first: interrupt() stops that too.
        Connection inUse(handle, false, this);
        back = switchJournal(handle, "delete");
    }
    if (!back)
        log_.warn(std::string("Database left in write-ahead mode until the next start: ") +
                   sqlite3_errmsg(handle));
    closeWithoutCheckpoint(handle, !back && interrupted_);
}

void Database::abandonBulkWrites() {
    sqlite3* handle = nullptr;
    {
        std::lock_guard lock(mutex_);
        handle = std::exchange(bulk_, nullptr);
    }
    if (handle != nullptr) closeWithoutCheckpoint(handle, true);
}

bool Database::bulkWrites() const {
    std::lock_guard lock(mutex_);
    return bulk_ != nullptr;
}

bool Database::runInCheckedTransaction(const std::function<bool()>& work) {
    std::lock_guard lock(mutex_);
    if (transaction_ != nullptr) return runInTransaction(work);
    struct Checking {
        bool& flag;
        explicit Checking(bool& f) : flag(f) { flag = true; }
        ~Checking() { flag = false; }
    } checking(checkWrites_);
    writeFailed_ = false;
    return runInTransaction([&] { return work() && !writeFailed_; });
}

bool Database::runInTransaction(const std::function<bool()>& work) {
    std::lock_guard lock(mutex_);
    if (transaction_ != nullptr) return work();
    lastWriteFailure_ = WriteFailure::None;
    Connection connection = connect();
    if (!connection) {
        noteFailedWrite();
        return false;
    }
    if (const int begun =
            sqlite3_exec(connection.get(), "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        begun != SQLITE_OK) {
        noteFailedWrite(begun);
        return false;
    }
    transaction_ = connection.get();
    bool committed = false;
    try {
        committed = work();
    } catch (...) {
        transaction_ = nullptr;
        sqlite3_exec(connection.get(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    transaction_ = nullptr;
    // Interrupted between two statements, the work may not have noticed: it is not committed.
    // A full disk often shows only now, when the journal or the pages are written.
    const int commit = committed && !interrupted_
                           ? sqlite3_exec(connection.get(), "COMMIT", nullptr, nullptr, nullptr)
                           : SQLITE_ABORT;
    if (commit == SQLITE_OK) return true;
    if (lastWriteFailure_ == WriteFailure::None) lastWriteFailure_ = failureOf(commit);
    sqlite3_exec(connection.get(), "ROLLBACK", nullptr, nullptr, nullptr);
    return false;
}

bool Database::transactionLost() const {
    return transaction_ != nullptr && sqlite3_get_autocommit(transaction_) != 0;
}

void Database::noteFailedWrite(int resultCode) {
    // In a transaction the first failure is the cause; what fails after it only follows.
    if (transaction_ == nullptr || lastWriteFailure_ == WriteFailure::None)
        lastWriteFailure_ = failureOf(resultCode);
    if (checkWrites_ && transaction_ != nullptr) writeFailed_ = true;
}

Database::WriteFailure Database::lastWriteFailure() const {
    std::lock_guard lock(mutex_);
    return lastWriteFailure_;
}

void Database::noteRead(bool done) {
    std::lock_guard lock(mutex_);
    readFailed_ = !done;
    if (!done) noteFailedWrite();
}

bool Database::lastReadFailed() const {
    std::lock_guard lock(mutex_);
    return readFailed_;
}

} // namespace tolvane
