#include "tests/support/TestCatalogue.h"

#include "format/CatalogueRecord.h"
#include "tests/support/ShippedSchema.h"

#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace tolvane::test {
namespace {

std::string quoted(const std::string& s) {
    std::string out = "'";
    for (char c : s) {
        if (c == '\'') out += '\'';
        out += c;
    }
    return out + "'";
}

std::string insertStatement(const TestProduct& p) {
    // Column order: sortOrder, favFlag, field01 .. field24, recordId.
    std::string values = "''," + std::to_string(p.favFlag);
    const std::string fields[24] = {
        p.name, p.maker,  p.category, "0",    p.portion, "2017-01-01 10:00:00",
        "0",    p.unit,   "",         p.kcal, "",        p.sugar,
        p.fat,  p.satFat, p.salt};
    for (const auto& f : fields)
        values += "," + quoted(f);
    return "INSERT INTO ProductsTable VALUES (" + values + "," + std::to_string(p.id) + ");";
}

struct Connection {
    sqlite3* db = nullptr;
    explicit Connection(const std::string& path) {
        if (sqlite3_open(path.c_str(), &db) != SQLITE_OK)
            throw std::runtime_error("cannot open " + path);
        sqlite3_busy_timeout(db, 10000);
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

std::vector<std::vector<std::string>>
queryColumns(const std::string& dbPath, const std::string& sql, const std::string& null) {
    Connection c(dbPath);
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(c.db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(c.db)) + " in " + sql);
    std::vector<std::vector<std::string>> rows;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        auto& row = rows.emplace_back();
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            const auto* text = sqlite3_column_text(statement, i);
            row.push_back(text ? reinterpret_cast<const char*>(text) : null);
        }
    }
    sqlite3_finalize(statement);
    return rows;
}

std::vector<std::string> query(const std::string& dbPath, const std::string& sql) {
    std::vector<std::string> joined;
    for (const auto& columns : queryColumns(dbPath, sql)) {
        std::string row;
        for (std::size_t i = 0; i < columns.size(); ++i)
            row += (i ? "|" : "") + columns[i];
        joined.push_back(std::move(row));
    }
    return joined;
}

std::string queryOne(const std::string& dbPath, const std::string& sql) {
    auto rows = query(dbPath, sql);
    return rows.empty() ? std::string() : rows.front();
}

TestCatalogue::TestCatalogue() : path_(dir_.file("Tolvane.db")) {
    createShippedFile(path_, {.settings = "'NO', 'YES', 'YES'"});
}

TestCatalogue::~TestCatalogue() = default;

void TestCatalogue::exec(const std::string& sql) {
    execSql(path_, sql);
}

void TestCatalogue::add(const TestProduct& p) {
    exec(insertStatement(p));
}

void TestCatalogue::addMany(int count, int firstId, const std::string& category) {
    std::string sql = "BEGIN;";
    for (int id = firstId; id < firstId + count; ++id) {
        const char initial = char('A' + (id - firstId) % 26);
        // id, name, maker, category, fat, satFat, sugar, salt
        sql += insertStatement({id, initial + ("rodukt " + std::to_string(id)), "Hersteller",
                                category, "3", "1", "5", "0.2"});
    }
    exec(sql + "COMMIT;");
}

void TestCatalogue::addCategory(int id, const std::string& name) {
    exec("INSERT INTO Categories VALUES (" + std::to_string(id) + "," + quoted(name) + ")");
}

void TestCatalogue::remove(int id) {
    exec("DELETE FROM ProductsTable WHERE recordId = " + std::to_string(id));
}

void TestCatalogue::setSettings(const std::string& liveSearch, const std::string& metric) {
    exec("UPDATE Settings SET LiveSuche = " + quoted(liveSearch) +
         ", Metrisch = " + quoted(metric));
}

std::string TestCatalogue::value(const std::string& sql) {
    return queryOne(path_, sql);
}

int TestCatalogue::favFlag(int id) {
    return std::stoi(
        "0" + value("SELECT favFlag FROM ProductsTable WHERE recordId = " + std::to_string(id)));
}

std::string TestCatalogue::sortOrder(int id) {
    return value("SELECT sortOrder FROM ProductsTable WHERE recordId = " + std::to_string(id));
}

} // namespace tolvane::test
