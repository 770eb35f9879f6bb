// A file that refuses one kind of statement on one table, as a damaged, locked-down or full file
// would: while an object of this class lives (and until lift()), every SQLite connection of the
// process opened after it was made refuses to prepare such a statement. One at a time.
#pragma once

#include <sqlite3.h>

#include <atomic>
#include <string>

namespace tolvane::test {

class RefusedStatements {
public:
    // action: SQLITE_READ, SQLITE_INSERT, SQLITE_UPDATE or SQLITE_DELETE.
    RefusedStatements(int action, std::string table) {
        action_ = action;
        table_ = std::move(table);
        refusing_ = true;
        sqlite3_auto_extension(reinterpret_cast<void (*)()>(install));
    }
    ~RefusedStatements() {
        lift();
        sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(install));
    }
    RefusedStatements(const RefusedStatements&) = delete;
    RefusedStatements& operator=(const RefusedStatements&) = delete;

    // From now on the file takes such statements again, also on connections opened meanwhile.
    void lift() { refusing_ = false; }

private:
    static int install(sqlite3* db, const char**, const sqlite3_api_routines*) {
        sqlite3_set_authorizer(db, authorize, nullptr);
        return SQLITE_OK;
    }
    static int authorize(void*, int action, const char* table, const char*, const char*,
                         const char*) {
        return refusing_ && action == action_ && table != nullptr && table_ == table ? SQLITE_DENY
                                                                                     : SQLITE_OK;
    }
    static inline std::atomic<bool> refusing_{false};
    static inline int action_ = 0;
    static inline std::string table_;
};

} // namespace tolvane::test
