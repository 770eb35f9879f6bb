// A temporary database file with the shipped schema, filled by the test.
#pragma once

#include "tests/support/TempDir.h"

#include <string>

namespace tolvane::test {

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
inline TestProduct brezel() {
    return {.id = 1,
            .name = "Brezel",
            .maker = "Beck",
            .category = "1",
            .fat = "4",
            .satFat = "1",
            .sugar = "2",
            .salt = "2.1",
            .kcal = "380",
            .unit = "g",
            .portion = "80"};
}
inline TestProduct chips() {
    return {.id = 2,
            .name = "Chips",
            .maker = "Zweifel",
            .category = "1",
            .fat = "20",
            .satFat = "5",
            .sugar = "1",
            .salt = "1.5",
            .kcal = "500",
            .unit = "g",
            .portion = "150"};
}

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
    void addOwnProductToUpload(const std::string& name);
    void exec(const std::string& sql);
    // The first column of the first row, "" when none (NULL too).
    std::string value(const std::string& sql);
    int favFlag(int id);
    std::string sortOrder(int id);

private:
    TempDir dir_;
    std::string path_;
};

} // namespace tolvane::test
