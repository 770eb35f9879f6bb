#include "PlannerTestStore.h"

#include "screens/filing/PlannerWrites.h"

namespace tolvane::test {

PlannerTestStore::PlannerTestStore(bool seedFolders) {
    db.createPersonalProfileTable();
    db.InsertIntoPersonalProfileTable();
    db.createMenu_FolderTable();
    db.createFavorite_MenufolderTable();
    db.createEdit_ConsumptionTable();
    if (!seedFolders) return;
    const char* names[] = {"Menu List Item 2", "Menu List Item 3", "Menu List Item 4",
                           "Menu List Item 1"};
    for (int i = 0; i < 4; ++i)
        db.insertIntoMenu_FolderTableStarted(std::to_string(i), names[i], "0", i + 1, "1");
}

void PlannerTestStore::addFolder(int id, const std::string& name, const std::string& total,
                                 int sortOrder, const std::string& localized) {
    db.insertIntoMenuFolder(std::to_string(sortOrder < 0 ? id - 1 : sortOrder), name, total, id,
                            localized);
}

ProductRecord PlannerTestStore::product(int productId) {
    return db.selectProductDetail(std::to_string(productId)).value();
}

void PlannerTestStore::file(int productId, int folderId) {
    PlannerWrites(db).fileProduct(product(productId), std::to_string(folderId));
}

void PlannerTestStore::setDailyCalories(const std::string& calories) {
    catalogue.exec("UPDATE Personal_Profile SET Daily_Calories = '" + calories + "'");
}

std::string PlannerTestStore::total(int folderId) {
    return db.selectCaloryValueForUpdation(std::to_string(folderId));
}

bool PlannerTestStore::holds(int folderId, int productId) {
    return !db.selectProductsFavoriteExistToFolder(std::to_string(folderId),
                                                   std::to_string(productId))
                .empty();
}

std::optional<ConsumptionRow> PlannerTestStore::row(int productId, int folderId) {
    const auto rows =
        db.selectProductDetailForEdit(std::to_string(productId), std::to_string(folderId));
    if (rows.empty()) return std::nullopt;
    return rows.front();
}

int PlannerTestStore::rowCount(int productId, int folderId) {
    return static_cast<int>(
        db.selectProductDetailForEdit(std::to_string(productId), std::to_string(folderId)).size());
}

std::vector<std::string> PlannerTestStore::folderIds() {
    std::vector<std::string> ids;
    for (const FolderRow& folder : db.selectMenuItemsSortByOrder())
        ids.push_back(folder.folderId);
    return ids;
}

} // namespace tolvane::test
