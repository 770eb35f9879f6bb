// What the documents copy of the database holds, read without changing its content. Tells a file
// that cannot be read (locked, corrupt) apart from one that lacks a table, so that no doubt
// about a file ever counts as "missing" and gets it replaced.
#pragma once

#include <chrono>
#include <set>
#include <string>

namespace tolvane {

struct DatabaseFileCheck {
    enum class State {
        Missing,  // no file at the path
        Readable, // tables read; an empty file reads as holding none
        Locked,   // another connection kept it locked for the whole wait
        Corrupt,  // not a database, or its pages fail the quick check
        // A journal left beside the file by a writer that was stopped, which SQLite must finish
        // before the file can be read, and cannot: the folder (or the file) is read-only. The
        // file itself is whole.
        JournalBlocked,
    };
    State state = State::Missing;
    std::set<std::string> tables;
    // SQLite's description of the failure, for the log.
    std::string error;

    bool has(const std::string& table) const { return tables.contains(table); }

    // Reads the table names of the file; a lock is waited out for up to lockWait, retrying.
    static DatabaseFileCheck of(const std::string& path, std::chrono::milliseconds lockWait);
};

// Whether new files can be made in the folder and the file (when present) can be written.
bool databaseWritable(const std::string& folder, const std::string& file);

} // namespace tolvane
