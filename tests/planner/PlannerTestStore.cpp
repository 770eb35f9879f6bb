#include "PlannerTestStore.h"

#include "screens/filing/PlannerWrites.h"
#include "store/CatalogueStore.h"
#include "store/PlannerStore.h"
#include "store/SettingsStore.h"

namespace tolvane::test {

PlannerTestStore::PlannerTestStore(bool seedFolders) {
    SettingsStore(db).createPersonalProfileTable();
    SettingsStore(db).InsertIntoPersonalProfileTable();
    PlannerStore(db).createMenu_FolderTable();
    PlannerStore(db).createFavorite_MenufolderTable();
    PlannerStore(db).createEdit_ConsumptionTable();
    if (!seedFolders) return;
    const char* names[] = {"Menu List Item 2", "Menu List Item 3", "Menu List Item 4",
                           "Menu List Item 1"};
    for (int i = 0; i < 4; ++i)
        PlannerStore(db).insertIntoMenu_FolderTableStarted(std::to_string(i), names[i], "0",
                                                           FolderId{i + 1}, "1");
}

void PlannerTestStore::addFolder(int id, const std::string& name, const std::string& total,
                                 int sortOrder, const std::string& localized) {
    PlannerStore(db).insertIntoMenuFolder(std::to_string(sortOrder < 0 ? id - 1 : sortOrder), name,
                                          total, FolderId{id}, localized);
}

ProductRecord PlannerTestStore::product(int productId) {
    return CatalogueStore(db).selectProductDetail(ProductId{productId}).value();
}

void PlannerTestStore::file(int productId, int folderId) {
    PlannerWrites(db).fileProduct(product(productId), FolderId{folderId});
}

void PlannerTestStore::setDailyCalories(const std::string& calories) {
    catalogue.exec("UPDATE Personal_Profile SET Daily_Calories = '" + calories + "'");
}

std::string PlannerTestStore::total(int folderId) {
    return PlannerStore(db).selectCaloryValueForUpdation(FolderId{folderId});
}

bool PlannerTestStore::holds(int folderId, int productId) {
    return !PlannerStore(db)
                .selectProductsFavoriteExistToFolder(FolderId{folderId}, ProductId{productId})
                .empty();
}

std::optional<ConsumptionRow> PlannerTestStore::row(int productId, int folderId) {
    const auto rows =
        PlannerStore(db).selectProductDetailForEdit(ProductId{productId}, FolderId{folderId});
    if (rows.empty()) return std::nullopt;
    return rows.front();
}

int PlannerTestStore::rowCount(int productId, int folderId) {
    return static_cast<int>(
        PlannerStore(db)
            .selectProductDetailForEdit(ProductId{productId}, FolderId{folderId})
            .size());
}

std::vector<std::string> PlannerTestStore::folderIds() {
    std::vector<std::string> ids;
    for (const FolderRow& folder : PlannerStore(db).selectMenuItemsSortByOrder())
        ids.push_back(folder.folderId);
    return ids;
}

} // namespace tolvane::test
