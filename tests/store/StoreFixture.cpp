#include "StoreFixture.h"

#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tolvane::test {

namespace {

struct Handle {
    sqlite3* db = nullptr;
    explicit Handle(const std::string& path) {
        if (sqlite3_open(path.c_str(), &db) != SQLITE_OK)
            throw std::runtime_error("cannot open " + path);
        sqlite3_busy_timeout(db, 10000);
    }
    ~Handle() { sqlite3_close(db); }
};

} // namespace

void sqlExec(const std::string& path, const std::string& sql) {
    Handle h(path);
    char* error = nullptr;
    if (sqlite3_exec(h.db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : "?";
        sqlite3_free(error);
        throw std::runtime_error(message + " in " + sql);
    }
}

Rows sqlRows(const std::string& path, const std::string& sql) {
    Handle h(path);
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(h.db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(h.db)) + " in " + sql);
    Rows rows;
    while (sqlite3_step(st) == SQLITE_ROW) {
        std::vector<std::string> row;
        for (int i = 0; i < sqlite3_column_count(st); ++i) {
            const auto* text = sqlite3_column_text(st, i);
            row.push_back(text ? reinterpret_cast<const char*>(text) : "<null>");
        }
        rows.push_back(row);
    }
    sqlite3_finalize(st);
    return rows;
}

long long sqlInt(const std::string& path, const std::string& sql) {
    Rows rows = sqlRows(path, sql);
    return rows.empty() ? -1 : std::atoll(rows[0][0].c_str());
}

std::string readFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void createShippedFile(const std::string& path, const std::string& favFlagType) {
    std::string products = "CREATE TABLE ProductsTable (sortOrder TEXT, favFlag " + favFlagType;
    for (int i = 1; i <= 24; ++i)
        products += std::string(", field") + (i < 10 ? "0" : "") + std::to_string(i) + " TEXT";
    products += ", recordId INTEGER);";
    sqlExec(path,
            products +
                "CREATE TABLE Products (RecordId INTEGER PRIMARY KEY AUTOINCREMENT, Produktname "
                "TEXT, Hersteller TEXT, Kategorie TEXT, Fett TEXT, GesFette TEXT, Zucker TEXT, "
                "Natrium TEXT, Energiewert TEXT, Sentfield TEXT, Sortorder INTEGER, Einheit TEXT, "
                "SalzOrNatrium TEXT, Produktmenge TEXT, MainTableRecordId TEXT);"
                "INSERT INTO sqlite_sequence (name, seq) VALUES ('Products', 900000000);"
                "CREATE TABLE Categories (Recordid INTEGER, Category TEXT);"
                "CREATE TABLE Timestamp (rows TEXT, dtimestamp TEXT, utimestamp TEXT);"
                "INSERT INTO Timestamp VALUES ('0', NULL, 'x');"
                "CREATE TABLE Settings (LiveSuche TEXT, Lokalisierung TEXT, Metrisch TEXT);"
                "INSERT INTO Settings VALUES ('YES', 'YES', 'YES');");
}

std::vector<std::string> catalogueFields(const std::string& name, const std::string& maker,
                                         const std::string& category) {
    std::vector<std::string> f;
    for (int i = 1; i <= 24; ++i)
        f.push_back("f" + std::to_string(i));
    f[0] = name;
    f[1] = maker;
    f[2] = category;
    f[4] = "250";        // portion
    f[5] = "2012-01-01"; // record date
    f[7] = "g";
    f[9] = "120";  // kcal
    f[11] = "5.5"; // sugar
    f[12] = "3.1"; // fat
    f[13] = "1.2"; // saturated fat
    f[14] = "0.4"; // salt
    return f;
}

TempDir::TempDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tolvane-store-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void StoreTest::SetUp() {
    path = dir.path() + "/Tolvane.db";
    createShippedFile(path);
    db = std::make_unique<Database>(path, log);
}

void StoreTest::seedAppTables() {
    db->createPersonalProfileTable();
    db->InsertIntoPersonalProfileTable();
    db->createMenu_FolderTable();
    db->insertIntoMenu_FolderTableStarted("0", "Menu List Item 2", "0", 1, "1");
    db->insertIntoMenu_FolderTableStarted("1", "Menu List Item 3", "0", 2, "1");
    db->insertIntoMenu_FolderTableStarted("2", "Menu List Item 4", "0", 3, "1");
    db->insertIntoMenu_FolderTableStarted("3", "Menu List Item 1", "0", 4, "1");
    db->createFavorite_MenufolderTable();
    db->createEdit_ConsumptionTable();
}

void StoreTest::addProduct(int recordId, const std::string& name, const std::string& maker,
                           const std::string& category) {
    db->insertIntoDatabase("", catalogueFields(name, maker, category), recordId);
}

} // namespace tolvane::test
