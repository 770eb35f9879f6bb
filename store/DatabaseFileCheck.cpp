#include "store/DatabaseFileCheck.h"

#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

namespace tolvane {

namespace {

namespace fs = std::filesystem;

bool busy(int rc) {
    const int primary = rc & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

// One attempt; rc is SQLite's result of the first failing step. Opened for writing (never
// created) so that a journal left by a killed writer is rolled back rather than read as damage.
int readTables(const std::string& path, DatabaseFileCheck& check) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(db, 250);
        check.tables.clear();
        sqlite3_stmt* statement = nullptr;
        rc = sqlite3_prepare_v2(db, "select name from sqlite_master where type = 'table'", -1,
                                &statement, nullptr);
        while (rc == SQLITE_OK || rc == SQLITE_ROW) {
            rc = sqlite3_step(statement);
            if (rc == SQLITE_ROW)
                check.tables.insert(
                    reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        }
        sqlite3_finalize(statement);
        if (rc == SQLITE_DONE) {
            // The table list can be fine while pages further in are not.
            rc = sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &statement, nullptr);
            if (rc == SQLITE_OK) rc = sqlite3_step(statement);
            if (rc == SQLITE_ROW) {
                const auto* answer =
                    reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
                rc = answer != nullptr && std::string(answer) == "ok" ? SQLITE_OK : SQLITE_CORRUPT;
            }
            sqlite3_finalize(statement);
        }
        // An update killed midway leaves the file in write-ahead mode, which a read-only
        // folder could not open later. Best effort: a file that stays so still works.
        if (rc == SQLITE_OK)
            sqlite3_exec(db, "PRAGMA journal_mode = DELETE", nullptr, nullptr, nullptr);
    }
    check.error = rc == SQLITE_OK ? std::string() : sqlite3_errstr(rc);
    sqlite3_close(db);
    return rc;
}

// What a writer stopped midway leaves beside the file: a rollback journal, or the write-ahead
// log of an update.
bool journalLeft(const std::string& path) {
    std::error_code ec;
    return fs::exists(path + "-journal", ec) || fs::exists(path + "-wal", ec);
}

} // namespace

DatabaseFileCheck DatabaseFileCheck::of(const std::string& path,
                                        std::chrono::milliseconds lockWait) {
    DatabaseFileCheck check;
    std::error_code ec;
    if (!fs::exists(path, ec)) return check;
    const auto until = std::chrono::steady_clock::now() + lockWait;
    while (true) {
        const int rc = readTables(path, check);
        if (rc == SQLITE_OK) {
            check.state = State::Readable;
            return check;
        }
        if (!busy(rc)) {
            check.state = journalLeft(path) && !databaseWritable(fs::path(path).parent_path(), path)
                              ? State::JournalBlocked
                              : State::Corrupt;
            return check;
        }
        if (std::chrono::steady_clock::now() >= until) {
            check.state = State::Locked;
            return check;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

bool databaseWritable(const std::string& folder, const std::string& file) {
    // SQLite writes its journal next to the file, so the folder must take new files too.
    if (::access(folder.c_str(), W_OK) != 0) return false;
    std::error_code ec;
    return !fs::exists(file, ec) || ::access(file.c_str(), W_OK) == 0;
}

} // namespace tolvane
