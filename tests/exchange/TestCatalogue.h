// Catalogue files for exchange tests: a client database with the shipped schema, and
// product lists in the server's TSV format.
#pragma once

#include "tests/support/TempDir.h"

#include <map>
#include <string>
#include <vector>

namespace tolvane::test {

// A fresh database file built like the shipped one, with three categories.
void createClientDatabase(const std::string& path);

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

// Runs a query on the file and gives the rows as record strings ("|" between columns).
std::vector<std::string> query(const std::string& dbPath, const std::string& sql);
std::string queryOne(const std::string& dbPath, const std::string& sql);

} // namespace tolvane::test
