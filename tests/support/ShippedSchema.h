// Database files built like the shipped Tolvane.db, for tests of everything that reads it.
#pragma once

#include <string>

struct sqlite3;

namespace tolvane::test {

// What differs between the tests' starting files; SQL literals.
struct ShippedSeed {
    std::string favFlagType = "INTEGER"; // a test may drop the column's affinity
    std::string utimestamp = "NULL";     // of the one Timestamp row ('0', NULL, utimestamp)
    std::string settings = "'YES', 'YES', 'YES'"; // the one Settings row
};

// Creates the shipped tables (catalogue, own products numbered from 900000001, categories,
// timestamp, settings) in a new file and seeds their rows.
void createShippedFile(const std::string& path, const ShippedSeed& seed = {});

// Runs statements on the file; throws with SQLite's message when one fails.
void execSql(const std::string& path, const std::string& sql);

// Another program's connection on the file, in the middle of a transaction begun by `begin`
// (a read, or BEGIN IMMEDIATE or EXCLUSIVE) until it is released.
class OtherConnection {
public:
    OtherConnection(const std::string& path, const std::string& begin);
    ~OtherConnection() { release(); }
    OtherConnection(const OtherConnection&) = delete;
    OtherConnection& operator=(const OtherConnection&) = delete;
    bool holding() const { return holding_; }
    void release();

private:
    sqlite3* db_ = nullptr;
    bool holding_ = false;
};

} // namespace tolvane::test
