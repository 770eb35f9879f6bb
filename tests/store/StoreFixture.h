// A per-test directory with a database file built like the shipped one, and direct SQLite
// access to check what the store really wrote.
#pragma once

#include "platform/Log.h"
#include "store/Database.h"
#include "tests/support/ShippedSchema.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tolvane::test {

using Rows = std::vector<std::vector<std::string>>;

// The store's tests start from one Timestamp row ('0', NULL, 'x').
inline ShippedSeed storeSeed(const std::string& favFlagType = "NUMERIC") {
    return {.favFlagType = favFlagType, .utimestamp = "'x'"};
}

// Every row, NULL as "<null>".
Rows sqlRows(const std::string& path, const std::string& sql);
long long sqlInt(const std::string& path, const std::string& sql);
std::string readFileBytes(const std::string& path);

// The nutrients of catalogueRecord.
inline const NutrientColumns fixtureNutrients{"3.1", "1.2", "5.5", "0.4", "120"};
// A catalogue record with name, maker, category, nutrients, unit "g" and portion "250" set, the
// other fields "f<column>".
CatalogueRecord catalogueRecord(long long id, const std::string& name, const std::string& maker,
                                const std::string& category = "1");

// The four folders a new file is seeded with, in position and identifier order.
inline const std::vector<FolderRow> seededFolders{{"Menu List Item 2", "0", "0", "1", "1"},
                                                  {"Menu List Item 3", "0", "1", "2", "1"},
                                                  {"Menu List Item 4", "0", "2", "3", "1"},
                                                  {"Menu List Item 1", "0", "3", "4", "1"}};

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override;
    // A fresh shipped file with the application's tables seeded, as after the first launch.
    void seedAppTables();
    // Inserts a catalogue row through the store.
    void addProduct(long long recordId, const std::string& name, const std::string& maker,
                    const std::string& category = "1");

    TempDir dir;
    std::string path;
    MemoryLog log;
    std::unique_ptr<Database> db;
};

} // namespace tolvane::test
