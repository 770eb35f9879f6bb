// A test catalogue with the planner's tables, and short reads of what the planner stored.
#pragma once

#include "platform/Log.h"
#include "screens/filing/PlannerWrites.h"
#include "store/Database.h"
#include "tests/support/TestCatalogue.h"

#include <optional>
#include <string>
#include <vector>

namespace tolvane::test {

class PlannerTestStore {
public:
    // With the four seed folders unless told otherwise.
    explicit PlannerTestStore(bool seedFolders = true);

    TestCatalogue catalogue;
    MemoryLog log;
    Database db{catalogue.path(), log};

    void addFolder(int id, const std::string& name, const std::string& total = "0",
                   int sortOrder = -1, const std::string& localized = "0");
    // The product as the detail screen hands it to filing.
    ProductRecord product(int productId);
    // Files a product the way the picker does: membership, total, default row.
    void file(int productId, int folderId);
    void setDailyCalories(const std::string& calories);

    std::string total(int folderId);
    bool holds(int folderId, int productId);
    // The first consumption row; none without a row.
    std::optional<ConsumptionRow> row(int productId, int folderId);
    int rowCount(int productId, int folderId);
    std::vector<std::string> folderIds(); // in list order
};

} // namespace tolvane::test
