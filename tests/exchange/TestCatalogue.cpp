#include "TestCatalogue.h"

#include "exchange/PageRecordKeys.h"

#include <sqlite3.h>

#include <atomic>
#include <fstream>
#include <stdexcept>

#include <unistd.h>

namespace tolvane::test {

namespace {

const char* schema = R"(
CREATE TABLE ProductsTable (sortOrder TEXT, favFlag INTEGER, field01 TEXT, field02 TEXT,
  field03 TEXT, field04 TEXT, field05 TEXT, field06 TEXT, field07 TEXT, field08 TEXT,
  field09 TEXT, field10 TEXT, field11 TEXT, field12 TEXT, field13 TEXT, field14 TEXT,
  field15 TEXT, field16 TEXT, field17 TEXT, field18 TEXT, field19 TEXT, field20 TEXT,
  field21 TEXT, field22 TEXT, field23 TEXT, field24 TEXT, recordId INTEGER);
CREATE TABLE Products (RecordId INTEGER PRIMARY KEY AUTOINCREMENT, Produktname, Hersteller,
  Kategorie, Fett, GesFette, Zucker, Natrium, Energiewert, Sentfield, Sortorder INTEGER, Einheit,
  SalzOrNatrium, Produktmenge, MainTableRecordId);
INSERT INTO sqlite_sequence (name, seq) VALUES ('Products', 900000000);
CREATE TABLE Categories (Recordid INTEGER, Category TEXT);
INSERT INTO Categories VALUES (1, 'Getränke'), (2, 'Käse'), (3, 'Snacks');
CREATE TABLE Timestamp (rows, dtimestamp, utimestamp);
INSERT INTO Timestamp VALUES ('0', NULL, '');
CREATE TABLE Settings (LiveSuche, Lokalisierung, Metrisch);
INSERT INTO Settings VALUES ('YES', 'YES', 'YES');
)";

struct Connection {
    sqlite3* db = nullptr;
    explicit Connection(const std::string& path) {
        if (sqlite3_open(path.c_str(), &db) != SQLITE_OK)
            throw std::runtime_error("cannot open " + path);
        sqlite3_busy_timeout(db, 5000);
    }
    ~Connection() { sqlite3_close(db); }
};

} // namespace

void createClientDatabase(const std::string& path) {
    Connection c(path);
    char* error = nullptr;
    if (sqlite3_exec(c.db, schema, nullptr, nullptr, &error) != SQLITE_OK) {
        std::string text = error ? error : "?";
        sqlite3_free(error);
        throw std::runtime_error("schema: " + text);
    }
}

std::vector<std::string> productValues(const TsvProduct& p) {
    std::string id = std::to_string(p.id);
    return {p.name, p.maker, "3",   "0",   "250", p.date,         "0",   "g",   "1000",
            "239",  "12.5",  "4.2", p.fat, "1.1", "0.8",          "2.0", "7.5", "0.1",
            "3.0",  "0.0",   "1.2", "0.9", "5",   "7610000" + id, id};
}

void writeTsv(const std::string& path, const std::vector<TsvProduct>& products) {
    std::ofstream out(path, std::ios::binary);
    for (std::size_t i = 0; i < pageRecordKeys.size(); ++i)
        out << (i ? "\t" : "") << pageRecordKeys[i];
    out << "\n";
    for (const auto& product : products) {
        auto values = productValues(product);
        for (std::size_t i = 0; i < values.size(); ++i)
            out << (i ? "\t" : "") << values[i];
        out << "\n";
    }
}

std::vector<TsvProduct> someProducts(int first, int count, const std::string& day) {
    std::vector<TsvProduct> products;
    for (int i = 0; i < count; ++i) {
        TsvProduct p;
        p.id = first + i;
        p.name = "Produkt " + std::to_string(p.id);
        int seconds = i % 86400;
        char time[16];
        std::snprintf(time, sizeof time, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60,
                      seconds % 60);
        p.date = day + " " + time;
        products.push_back(p);
    }
    return products;
}

std::vector<std::string> query(const std::string& dbPath, const std::string& sql) {
    Connection c(dbPath);
    sqlite3_stmt* statement = nullptr;
    std::vector<std::string> rows;
    if (sqlite3_prepare_v2(c.db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        throw std::runtime_error("query: " + std::string(sqlite3_errmsg(c.db)));
    while (sqlite3_step(statement) == SQLITE_ROW) {
        std::string row;
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            if (i) row += '|';
            auto text = sqlite3_column_text(statement, i);
            if (text) row += reinterpret_cast<const char*>(text);
        }
        rows.push_back(row);
    }
    sqlite3_finalize(statement);
    return rows;
}

std::string queryOne(const std::string& dbPath, const std::string& sql) {
    auto rows = query(dbPath, sql);
    return rows.empty() ? std::string() : rows.front();
}

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("tolvane-exchange-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

} // namespace tolvane::test
