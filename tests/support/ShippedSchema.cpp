#include "tests/support/ShippedSchema.h"

#include "tools/catalogue/CatalogueWriter.h"

#include <sqlite3.h>

#include <stdexcept>

namespace tolvane::test {

void execSql(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + path);
    }
    sqlite3_busy_timeout(db, 10000);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    std::string message = error ? error : "?";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error(message + " in " + sql);
}

void createShippedFile(const std::string& path, const ShippedSeed& seed) {
    std::string schema = shippedSchemaSql();
    const std::string favFlag = "favFlag INTEGER";
    schema.replace(schema.find(favFlag), favFlag.size(), "favFlag " + seed.favFlagType);
    execSql(path, schema +
                      "INSERT INTO sqlite_sequence (name, seq) VALUES ('Products', 900000000);"
                      "INSERT INTO Timestamp VALUES ('0', NULL, " +
                      seed.utimestamp + ");INSERT INTO Settings VALUES (" + seed.settings + ");");
}

OtherConnection::OtherConnection(const std::string& path, const std::string& begin) {
    sqlite3_open(path.c_str(), &db_);
    holding_ = sqlite3_exec(db_, begin.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

void OtherConnection::release() {
    if (db_ == nullptr) return;
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db_);
    db_ = nullptr;
}

} // namespace tolvane::test
