#include "store/PlannerStore.h"

#include "store/Columns.h"

namespace tolvane {

namespace {

// name, recordId, maker, category and, when selected, sortOrder.
FavoriteRow favoriteRow(const auto& row, bool withSortOrder) {
    return {row.text(0), row.text(1), row.text(2), row.text(3),
            withSortOrder ? row.text(4) : std::string()};
}

FolderRow folderRow(const auto& row) {
    return {row.text(0), row.text(1), row.text(2), row.text(3), row.text(4)};
}

} // namespace

std::vector<FavoriteRow> PlannerStore::selectProductFavorite() {
    return db_.queryRows(
        db_.compose("selectProductFavorite", 0,
                    "select field01, recordId,field02,field03 from ProductsTable where "
                    "favFlag = 1"),
        [](const Database::Columns& row) { return favoriteRow(row, false); });
}

std::vector<std::string> PlannerStore::selectProductFavoriteIds() {
    return db_.queryTexts(db_.compose("selectProductFavoriteIds", 0, selectProductFavoriteIdsSql));
}

std::vector<ListRow> PlannerStore::selectProductFavoriteId(ProductId productId) {
    return db_.queryRows(
        db_.compose("selectProductFavoriteId", 0,
                    "select field01, recordId, field02 from ProductsTable where favFlag "
                    "= 1 and recordId = %s",
                    {productId.text()}),
        [](const Database::Columns& row) {
            return ListRow{row.text(0), row.text(2), row.text(1)};
        });
}

std::vector<FavoriteRow> PlannerStore::selectProductFavoriteCategorywise() {
    return db_.queryRows(db_.compose("selectProductFavoriteCategorywise", 0,
                                     "select field01, recordId, field02, field03, sortOrder from "
                                     "ProductsTable where favFlag = 1 order by field01, field02"),
                         [](const Database::Columns& row) { return favoriteRow(row, true); });
}

std::vector<FavoriteRow> PlannerStore::selectProductFavoriteByCategoryid(CategoryId categoryId) {
    return db_.queryRows(
        db_.compose("selectProductFavoriteByCategoryid", 0,
                    "select field01, recordId, field02, field03 from ProductsTable where "
                    "favFlag = 1 and field03 = '%@' order by recordId",
                    {categoryId.text()}),
        [](const Database::Columns& row) { return favoriteRow(row, false); });
}

std::vector<FavoriteRow> PlannerStore::selectProductFavoriteFolderWise(ProductId productId) {
    return db_.queryRows(
        db_.compose("selectProductFavoriteFolderWise", 0,
                    "select field01, recordId, field02, field03, sortOrder from "
                    "ProductsTable where recordId = '%d' order by field01, field02",
                    {productId.value}),
        [](const Database::Columns& row) { return favoriteRow(row, true); });
}

void PlannerStore::searchFavNameExist(ProductId productId) {
    std::lock_guard lock(db_.mutex_);
    db_.namesArr_ = db_.queryTexts(
        db_.compose("searchFavNameExist", 3000,
                    "SELECT favFlag FROM ProductsTable where recordId = '%s'", {productId.text()}));
}

void PlannerStore::setFavorite(ProductId productId, int favorite, const std::string& sortOrder) {
    db_.execute(db_.compose("setFavorite", setFavoriteLimit, setFavoriteFormat,
                            {sortOrder, productId.text()}),
                favorite);
}

void PlannerStore::updateMainProductOrderForId(const std::string& sortOrder, ProductId productId) {
    db_.execute(db_.compose("updateMainProductOrderForId", 5000,
                            "UPDATE ProductsTable SET sortOrder  = '%s' where recordId = '%s'",
                            {sortOrder, productId.text()}));
}

std::vector<FolderRow> PlannerStore::selectMenuItemsSortByOrder() {
    // By the position's number, so that folder 10 follows folder 9.
    return db_.queryRows(
        db_.compose("selectMenuItemsSortByOrder", 0,
                    "select field1, field2, sort_order,recordId,islocalized from "
                    "Menu_Folder  order by CAST(sort_order AS INTEGER), sort_order"),
        [](const Database::Columns& row) { return folderRow(row); });
}

std::vector<FolderRow> PlannerStore::selectMenuItemsSortByRecordID() {
    return db_.queryRows(db_.compose("selectMenuItemsSortByRecordID", 0,
                                     "select field1, field2, sort_order,recordId,islocalized from "
                                     "Menu_Folder  order by recordId"),
                         [](const Database::Columns& row) { return folderRow(row); });
}

void PlannerStore::insertIntoMenuFolder(const std::string& sortOrder, const std::string& name,
                                        const std::string& calory, FolderId recordId,
                                        const std::string& localized) {
    db_.execute(db_.compose("insertIntoMenuFolder", 1000,
                            "Insert into Menu_Folder values ('%s', '%s','%s','%d','%s')",
                            {sortOrder, name, calory, recordId.value, localized}));
}

void PlannerStore::updateMenuItemsSortByOrder(const std::string& sortOrder, FolderId folderId) {
    db_.execute(db_.compose("updateMenuItemsSortByOrder", 5000,
                            "UPDATE Menu_Folder SET sort_order  = '%s' where recordId = '%s'",
                            {sortOrder, folderId.text()}));
}

void PlannerStore::deleteMenuItemsSortByOrder(FolderId folderId) {
    db_.execute(db_.compose("deleteMenuItemsSortByOrder", 100,
                            "Delete from Menu_Folder where recordId = %d", {folderId.value}));
}

std::string PlannerStore::selectCaloryValueForUpdation(FolderId folderId) {
    return db_.queryLast(db_.compose("selectCaloryValueForUpdation", 0,
                                     "select field2 from Menu_Folder where recordId = '%d'",
                                     {folderId.value}));
}

void PlannerStore::updateCaloryValueForUpdation(const std::string& calory, FolderId folderId) {
    db_.execute(db_.compose("updateCaloryValueForUpdation", 1000,
                            "UPDATE Menu_Folder SET field2='%s' where recordId = '%d'",
                            {calory, folderId.value}));
}

void PlannerStore::insertIntoFavorite_Menulistfolder(ProductId productId, FolderId folderId) {
    db_.execute(db_.compose("insertIntoFavorite_Menulistfolder", 1000,
                            "Insert into Favorite_Menufolder values ('%s', '%s')",
                            {productId.text(), folderId.text()}));
}

std::vector<std::string> PlannerStore::selectProductsFavoriteExistToFolder(FolderId folderId,
                                                                           ProductId productId) {
    return db_.queryTexts(
        db_.compose("selectProductsFavoriteExistToFolder", 0,
                    "select * from Favorite_Menufolder  where menufolderId= '%s' and "
                    "productId='%s'",
                    {folderId.text(), productId.text()}));
}

std::vector<std::string> PlannerStore::selectProductsAccordingToFolder(FolderId folderId) {
    return db_.queryTexts(db_.compose(
        "selectProductsAccordingToFolder", 0,
        "select productId from Favorite_Menufolder  where menufolderId='%s'", {folderId.text()}));
}

std::vector<std::string> PlannerStore::selectFoldersAccordingToProduct(ProductId productId) {
    return db_.queryTexts(
        db_.compose("selectFoldersAccordingToProduct", 0,
                    "select  menufolderId  from Favorite_Menufolder  where productId='%s'",
                    {productId.text()}));
}

std::vector<std::string> PlannerStore::selectAllRecordIDFromFavoriteTable() {
    return db_.queryTexts(db_.compose("selectAllRecordIDFromFavoriteTable", 0,
                                      "select productId from Favorite_Menufolder"));
}

void PlannerStore::deleteFavoriteFromMenuFolder(ProductId productId, FolderId folderId) {
    db_.execute(
        db_.compose("deleteFavoriteFromMenuFolder", 100,
                    "Delete from Favorite_Menufolder where productId = '%s' and menufolderId= "
                    "'%s'",
                    {productId.text(), folderId.text()}));
}

void PlannerStore::deleteMenuFolderFavoriteItems(FolderId folderId) {
    db_.execute(db_.compose("deleteMenuFolderFavoriteItems", 100,
                            "Delete from Favorite_Menufolder where  menufolderId= '%s'",
                            {folderId.text()}));
}

void PlannerStore::deleteProductFromFavoriteMenuFolder(ProductId productId) {
    db_.execute(db_.compose("deleteProductFromFavoriteMenuFolder", 100,
                            "Delete from Favorite_Menufolder where productId = '%s'",
                            {productId.text()}));
}

void PlannerStore::newUpdateIntoEditConsumptionTable(
    ProductId recordId, const std::string& product_name, const std::string& manufactor_name,
    const std::string& category, const std::string& gm, const std::string& fat,
    const std::string& saturated, const std::string& sugar, const std::string& salt,
    const std::string& calory, FolderId menufolderid) {
    db_.execute(db_.compose("newUpdateIntoEditConsumptionTable", 3000,
                            "Insert into edit_product_consumption values "
                            "('%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s')",
                            {recordId.text(), product_name, manufactor_name, category, gm, fat,
                             saturated, sugar, salt, calory, menufolderid.text()}));
}

void PlannerStore::updateIntoEditConsumptionTable(const std::string& gm, const std::string& fat,
                                                  const std::string& saturated,
                                                  const std::string& sugar, const std::string& salt,
                                                  const std::string& calory, ProductId recordId,
                                                  FolderId folderid) {
    db_.execute(
        db_.compose("updateIntoEditConsumptionTable", 1000,
                    "UPDATE edit_product_consumption SET "
                    "gm='%s',fat='%s',saturated='%s',sugar='%s',salt='%s',calory='%s' where  "
                    "recordId= '%s' and menu_folder_id='%s'",
                    {gm, fat, saturated, sugar, salt, calory, recordId.text(), folderid.text()}));
}

std::vector<ConsumptionRow> PlannerStore::selectProductDetailForEdit(ProductId productId,
                                                                     FolderId folderid) {
    return db_.queryRows(
        db_.compose("selectProductDetailForEdit", 0,
                    "select fat, saturated, sugar, salt, calory, gm,menu_folder_id from "
                    "edit_product_consumption where recordId='%s' and menu_folder_id='%s'",
                    {productId.text(), folderid.text()}),
        [](const Database::Columns& row) {
            return ConsumptionRow{{row.text(0), row.text(1), row.text(2), row.text(3), row.text(4)},
                                  row.text(5),
                                  row.text(6)};
        });
}

std::string PlannerStore::selectCaloryForId(ProductId productId, FolderId folderid) {
    return db_.queryLast(
        db_.compose("selectCaloryForId", 0,
                    "select calory from edit_product_consumption where recordId = %s and "
                    "menu_folder_id='%s'",
                    {productId.text(), folderid.text()}));
}

std::string PlannerStore::selectEinheitForId(ProductId productId, FolderId folderid) {
    return db_.queryLast(
        db_.compose("selectEinheitForId", 0,
                    "select gm from edit_product_consumption where recordId = %s and "
                    "menu_folder_id='%s'",
                    {productId.text(), folderid.text()}));
}

std::string PlannerStore::selectCaloryValueFromEditConsumptionForUpdation(ProductId productId,
                                                                          FolderId folderid) {
    return db_.queryLast(
        db_.compose("selectCaloryValueFromEditConsumptionForUpdation", 0,
                    "select calory from edit_product_consumption where recordId = '%s' "
                    "and menu_folder_id= '%s'",
                    {productId.text(), folderid.text()}));
}

std::vector<std::string> PlannerStore::selectFolderIdFromProductID(ProductId productId) {
    return db_.queryTexts(db_.compose("selectFolderIdFromProductID", 0,
                                      "select menu_folder_id from edit_product_consumption where "
                                      "recordId='%s'",
                                      {productId.text()}));
}

void PlannerStore::deleteFavoriteFromEditConsumptionAccordingtoItems(ProductId productId,
                                                                     FolderId folderid) {
    db_.execute(db_.compose("deleteFavoriteFromEditConsumptionAccordingtoItems", 100,
                            "Delete from edit_product_consumption where recordId = '%s' and "
                            "menu_folder_id= '%s'",
                            {productId.text(), folderid.text()}));
}

void PlannerStore::deleteFavoriteFromEditConsumptionAccordingtoFolder(FolderId folderId) {
    db_.execute(db_.compose("deleteFavoriteFromEditConsumptionAccordingtoFolder", 100,
                            "Delete from edit_product_consumption where  menu_folder_id= '%s'",
                            {folderId.text()}));
}

void PlannerStore::deleteProductFromEditConsumption(ProductId productId) {
    db_.execute(db_.compose("deleteProductFromEditConsumption", 100,
                            "Delete from edit_product_consumption where recordId = '%s'",
                            {productId.text()}));
}

void PlannerStore::createMenu_FolderTable() {
    db_.execute(
        db_.compose("createMenu_FolderTable", 0,
                    "CREATE TABLE Menu_Folder (sort_order TEXT, field1 VARCHAR, field2 VARCHAR, "
                    "recordId INTEGER, islocalized VARCHAR)"));
}

void PlannerStore::insertIntoMenu_FolderTableStarted(const std::string& sortOrder,
                                                     const std::string& name,
                                                     const std::string& calory, FolderId recordId,
                                                     const std::string& localized) {
    db_.execute(db_.compose("insertIntoMenu_FolderTableStarted", 0,
                            "Insert into Menu_Folder values ('%s', '%s','%s','%d','%s')",
                            {sortOrder, name, calory, recordId.value, localized}));
}

void PlannerStore::createFavorite_MenufolderTable() {
    db_.execute(
        db_.compose("createFavorite_MenufolderTable", 0,
                    "CREATE TABLE Favorite_Menufolder (productId VARCHAR, menufolderId VARCHAR)"));
}

void PlannerStore::createEdit_ConsumptionTable() {
    db_.execute(
        db_.compose("createEdit_ConsumptionTable", 0,
                    "CREATE TABLE edit_product_consumption (recordId TEXT, product_name TEXT, "
                    "manufactor_name TEXT, category TEXT, gm TEXT, fat TEXT, saturated TEXT, "
                    "sugar TEXT, salt TEXT, calory TEXT,menu_folder_id TEXT)"));
}

} // namespace tolvane
