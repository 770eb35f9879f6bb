#include "TestCatalogue.h"

#include "tests/support/ShippedSchema.h"

#include <sqlite3.h>

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

} // namespace

TestCatalogue::TestCatalogue() : path_(dir_.file("Tolvane.db")) {
    createShippedFile(path_, {.settings = "'NO', 'YES', 'YES'"});
}

TestCatalogue::~TestCatalogue() = default;

void TestCatalogue::exec(const std::string& sql) {
    execSql(path_, sql);
}

void TestCatalogue::add(const TestProduct& p) {
    // Column order: sortOrder, favFlag, field01 .. field24, recordId.
    std::string values = "''," + std::to_string(p.favFlag);
    const std::string fields[24] = {
        p.name, p.maker,  p.category, "0",    p.portion, "2017-01-01 10:00:00",
        "0",    p.unit,   "",         p.kcal, "",        p.sugar,
        p.fat,  p.satFat, p.salt};
    for (const auto& f : fields)
        values += "," + quoted(f);
    values += "," + std::to_string(p.id);
    exec("INSERT INTO ProductsTable VALUES (" + values + ")");
}

void TestCatalogue::addMany(int count, int firstId, const std::string& category) {
    std::string sql = "BEGIN;";
    for (int i = 0; i < count; ++i) {
        const std::string name = std::string(1, static_cast<char>('A' + i % 26)) + "rodukt " +
                                 std::to_string(firstId + i);
        std::string values = "'',0," + quoted(name) + ",'Hersteller'," + quoted(category) +
                             ",'0','','2017-01-01 10:00:00','0','g','','100','','5','3','1','0.2'";
        for (int f = 16; f <= 24; ++f)
            values += ",''";
        values += "," + std::to_string(firstId + i);
        sql += "INSERT INTO ProductsTable VALUES (" + values + ");";
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

void TestCatalogue::addOwnProductToUpload(const std::string& name) {
    exec("INSERT INTO Products (Produktname, Hersteller, Kategorie, Fett, GesFette, Zucker, "
         "Natrium, Energiewert, Sentfield, Sortorder, Einheit, SalzOrNatrium, Produktmenge) "
         "VALUES (" +
         quoted(name) + ", 'Ich', '1', '1', '1', '1', '1', '100', '0', 0, 'g', 'Salz', '')");
}

namespace {
std::string single(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_stmt* st = nullptr;
    std::string out;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW) {
        const auto* text = sqlite3_column_text(st, 0);
        out = text ? reinterpret_cast<const char*>(text) : "";
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return out;
}
} // namespace

std::string TestCatalogue::value(const std::string& sql) {
    return single(path_, sql);
}

int TestCatalogue::favFlag(int id) {
    return std::stoi("0" + single(path_, "SELECT favFlag FROM ProductsTable WHERE recordId = " +
                                             std::to_string(id)));
}

std::string TestCatalogue::sortOrder(int id) {
    return single(path_,
                  "SELECT sortOrder FROM ProductsTable WHERE recordId = " + std::to_string(id));
}

} // namespace tolvane::test
