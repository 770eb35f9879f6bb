// A statement and the connection it runs on, for the Database's own sources.
#pragma once

#include "store/Database.h"

#include <sqlite3.h>

#include <mutex>
#include <string>
#include <utility>

namespace tolvane {

struct Prepared {
    sqlite3_stmt* handle = nullptr;
    Prepared() = default;
    Prepared(const Prepared&) = delete;
    Prepared& operator=(const Prepared&) = delete;
    ~Prepared() { sqlite3_finalize(handle); }
};

inline bool prepare(sqlite3* db, const std::string& sql, Prepared& statement) {
    return sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement.handle,
                              nullptr) == SQLITE_OK &&
           statement.handle != nullptr;
}

// A connection for one operation: opened for it and closed after, or borrowed from the bulk
// writes or the running transaction. One that is not borrowed is the object's connection in use
// until it ends.
class Database::Connection {
public:
    Connection() = default;
    Connection(sqlite3* handle, bool owned, Database* inUseOf = nullptr)
        : handle_(handle), owned_(owned), inUseOf_(inUseOf) {
        if (inUseOf_) {
            std::lock_guard lock(inUseOf_->inUseMutex_);
            inUseOf_->inUse_ = handle_;
        }
    }
    Connection(Connection&& other) noexcept
        : handle_(std::exchange(other.handle_, nullptr)), owned_(other.owned_),
          inUseOf_(std::exchange(other.inUseOf_, nullptr)) {}
    Connection& operator=(Connection&&) = delete;
    ~Connection() {
        // No longer interruptible before it is closed.
        if (inUseOf_) {
            std::lock_guard lock(inUseOf_->inUseMutex_);
            inUseOf_->inUse_ = nullptr;
        }
        if (owned_ && handle_ != nullptr) sqlite3_close(handle_);
    }
    sqlite3* get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    sqlite3* handle_ = nullptr;
    bool owned_ = false;
    Database* inUseOf_ = nullptr;
};

} // namespace tolvane
