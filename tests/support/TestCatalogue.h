// Catalogue files for tests: database files built like the shipped one, filled and read back
// with plain SQL, and catalogue sources in the reference server's tab-separated format.
#pragma once

#include "tests/support/TempDir.h"

#include <string>
#include <vector>

namespace tolvane::test {

// Runs a query on the file: each row's columns as texts, NULL as the text given.
std::vector<std::vector<std::string>>
queryColumns(const std::string& dbPath, const std::string& sql, const std::string& null = "");
// The same, each row's columns joined with "|" (NULL as "").
std::vector<std::string> query(const std::string& dbPath, const std::string& sql);
// The first row, "" when there is none.
std::string queryOne(const std::string& dbPath, const std::string& sql);

// A fresh database file built like the shipped one, with three categories.
void createClientDatabase(const std::string& path);

// A product line of a catalogue source.
struct TsvProduct {
    int id = 0;
    std::string name;
    std::string maker = "Maker";
    std::string date = "2017-01-01 00:00:00";
    std::string fat = "3.5";
};
// The 25 values of a product in column order (field01..field24, ID).
std::vector<std::string> productValues(const TsvProduct& product);
void writeTsv(const std::string& path, const std::vector<TsvProduct>& products);
// count products with ids first..first+count-1, dated one second apart from the date given.
std::vector<TsvProduct> someProducts(int first, int count, const std::string& day = "2017-01-01");

// A row of the catalogue table, written straight into a TestCatalogue's file.
struct TestProduct {
    int id = 0;
    std::string name;
    std::string maker = "Maker";
    std::string category = "1";
    std::string fat = "1.0";
    std::string satFat = "0.5";
    std::string sugar = "2.0";
    std::string salt = "0.1";
    std::string kcal = "100";
    std::string unit = "g";
    std::string portion = "";
    int favFlag = 0;
};

// Products the road tests share: a salty snack with a sales portion, and a fatty one.
// id, name, maker, category, fat, satFat, sugar, salt, kcal, unit, portion
inline TestProduct brezel() {
    return {1, "Brezel", "Beck", "1", "4", "1", "2", "2.1", "380", "g", "80"};
}
inline TestProduct chips() {
    return {2, "Chips", "Zweifel", "1", "20", "5", "1", "1.5", "500", "g", "150"};
}

// A database file built like the shipped one in a folder of its own, with live search off.
class TestCatalogue {
public:
    TestCatalogue();
    ~TestCatalogue();
    TestCatalogue(const TestCatalogue&) = delete;
    TestCatalogue& operator=(const TestCatalogue&) = delete;

    const std::string& path() const { return path_; }
    void add(const TestProduct& p);
    // Products "<prefix>0001" ... with ids from firstId.
    void addMany(int count, int firstId, const std::string& category = "1");
    void addCategory(int id, const std::string& name);
    void remove(int id);
    void setSettings(const std::string& liveSearch, const std::string& metric);
    void exec(const std::string& sql);
    // The first row of a query, "" when none.
    std::string value(const std::string& sql);
    int favFlag(int id);
    std::string sortOrder(int id);

private:
    TempDir dir_;
    std::string path_;
};

} // namespace tolvane::test
