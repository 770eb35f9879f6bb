#include "TestCatalogue.h"

#include "format/CatalogueRecord.h"
#include "tests/support/ShippedSchema.h"

#include <sqlite3.h>

#include <fstream>
#include <stdexcept>

namespace tolvane::test {

namespace {

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
    createShippedFile(path, {.utimestamp = "''"});
    execSql(path, "INSERT INTO Categories VALUES (1, 'Getränke'), (2, 'Käse'), (3, 'Snacks')");
}

std::vector<std::string> productValues(const TsvProduct& p) {
    std::string id = std::to_string(p.id);
    return {p.name, p.maker, "3",   "0",   "250", p.date,         "0",   "g",   "1000",
            "239",  "12.5",  "4.2", p.fat, "1.1", "0.8",          "2.0", "7.5", "0.1",
            "3.0",  "0.0",   "1.2", "0.9", "5",   "7610000" + id, id};
}

void writeTsv(const std::string& path, const std::vector<TsvProduct>& products) {
    std::ofstream out(path, std::ios::binary);
    for (std::size_t i = 0; i < catalogueRecordKeys.size(); ++i)
        out << (i ? "\t" : "") << catalogueRecordKeys[i];
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

} // namespace tolvane::test
