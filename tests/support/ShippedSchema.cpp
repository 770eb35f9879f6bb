#include "tests/support/ShippedSchema.h"

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
    std::string products =
        "CREATE TABLE ProductsTable (sortOrder TEXT, favFlag " + seed.favFlagType;
    for (int i = 1; i <= 24; ++i)
        products += std::string(", field") + (i < 10 ? "0" : "") + std::to_string(i) + " TEXT";
    products += ", recordId INTEGER);";
    execSql(path,
            products +
                "CREATE TABLE Products (RecordId INTEGER PRIMARY KEY AUTOINCREMENT, Produktname "
                "TEXT, Hersteller TEXT, Kategorie TEXT, Fett TEXT, GesFette TEXT, Zucker TEXT, "
                "Natrium TEXT, Energiewert TEXT, Sentfield TEXT, Sortorder INTEGER, Einheit TEXT, "
                "SalzOrNatrium TEXT, Produktmenge TEXT, MainTableRecordId TEXT);"
                "INSERT INTO sqlite_sequence (name, seq) VALUES ('Products', 900000000);"
                "CREATE TABLE Categories (Recordid INTEGER, Category TEXT);"
                "CREATE TABLE Timestamp (rows TEXT, dtimestamp TEXT, utimestamp TEXT);"
                "INSERT INTO Timestamp VALUES ('0', NULL, " +
                seed.utimestamp +
                ");"
                "CREATE TABLE Settings (LiveSuche TEXT, Lokalisierung TEXT, Metrisch TEXT);"
                "INSERT INTO Settings VALUES (" +
                seed.settings + ");");
}

} // namespace tolvane::test
