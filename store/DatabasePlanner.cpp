// Favourites, menu folders, folder membership and consumption rows.
#include "store/Database.h"

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

std::vector<FavoriteRow> Database::selectProductFavorite() {
    return queryRows(compose("selectProductFavorite", 0,
                             "select field01, recordId,field02,field03 from ProductsTable where "
                             "favFlag = 1"),
                     [](const Columns& row) { return favoriteRow(row, false); });
}

std::vector<std::string> Database::selectProductFavoriteIds() {
    return queryTexts(compose("selectProductFavoriteIds", 0, selectProductFavoriteIdsSql));
}

std::vector<ListRow> Database::selectProductFavoriteId(const std::string& productId) {
    return queryRows(compose("selectProductFavoriteId", 0,
                             "select field01, recordId, field02 from ProductsTable where favFlag "
                             "= 1 and recordId = %s",
                             {productId}),
                     [](const Columns& row) {
                         return ListRow{row.text(0), row.text(2), row.text(1)};
                     });
}

std::vector<FavoriteRow> Database::selectProductFavoriteCategorywise() {
    return queryRows(compose("selectProductFavoriteCategorywise", 0,
                             "select field01, recordId, field02, field03, sortOrder from "
                             "ProductsTable where favFlag = 1 order by field01, field02"),
                     [](const Columns& row) { return favoriteRow(row, true); });
}

std::vector<FavoriteRow>
Database::selectProductFavoriteByCategoryid(const std::string& categoryId) {
    return queryRows(compose("selectProductFavoriteByCategoryid", 0,
                             "select field01, recordId, field02, field03 from ProductsTable where "
                             "favFlag = 1 and field03 = '%@' order by recordId",
                             {categoryId}),
                     [](const Columns& row) { return favoriteRow(row, false); });
}

std::vector<FavoriteRow> Database::selectProductFavoriteFolderWise(int productId) {
    return queryRows(compose("selectProductFavoriteFolderWise", 0,
                             "select field01, recordId, field02, field03, sortOrder from "
                             "ProductsTable where recordId = '%d' order by field01, field02",
                             {productId}),
                     [](const Columns& row) { return favoriteRow(row, true); });
}

void Database::searchFavNameExist(const std::string& productId) {
    std::lock_guard lock(mutex_);
    namesArr_ =
        queryTexts(compose("searchFavNameExist", 3000,
                           "SELECT favFlag FROM ProductsTable where recordId = '%s'", {productId}));
}

void Database::setFavorite(const std::string& productId, int favorite,
                           const std::string& sortOrder) {
    execute(compose("setFavorite", setFavoriteLimit, setFavoriteFormat, {sortOrder, productId}),
            favorite);
}

void Database::updateMainProductOrderForId(const std::string& sortOrder,
                                           const std::string& productId) {
    execute(compose("updateMainProductOrderForId", 5000,
                    "UPDATE ProductsTable SET sortOrder  = '%s' where recordId = '%s'",
                    {sortOrder, productId}));
}

std::vector<FolderRow> Database::selectMenuItemsSortByOrder() {
    // By the position's number, so that folder 10 follows folder 9.
    return queryRows(compose("selectMenuItemsSortByOrder", 0,
                             "select field1, field2, sort_order,recordId,islocalized from "
                             "Menu_Folder  order by CAST(sort_order AS INTEGER), sort_order"),
                     [](const Columns& row) { return folderRow(row); });
}

std::vector<FolderRow> Database::selectMenuItemsSortByRecordID() {
    return queryRows(compose("selectMenuItemsSortByRecordID", 0,
                             "select field1, field2, sort_order,recordId,islocalized from "
                             "Menu_Folder  order by recordId"),
                     [](const Columns& row) { return folderRow(row); });
}

void Database::insertIntoMenuFolder(const std::string& sortOrder, const std::string& name,
                                    const std::string& calory, int recordId,
                                    const std::string& localized) {
    execute(compose("insertIntoMenuFolder", 1000,
                    "Insert into Menu_Folder values ('%s', '%s','%s','%d','%s')",
                    {sortOrder, name, calory, recordId, localized}));
}

void Database::updateMenuItemsSortByOrder(const std::string& sortOrder,
                                          const std::string& folderId) {
    execute(compose("updateMenuItemsSortByOrder", 5000,
                    "UPDATE Menu_Folder SET sort_order  = '%s' where recordId = '%s'",
                    {sortOrder, folderId}));
}

void Database::deleteMenuItemsSortByOrder(const std::string& folderId) {
    execute(compose("deleteMenuItemsSortByOrder", 100,
                    "Delete from Menu_Folder where recordId = %d", {integerValue(folderId)}));
}

std::string Database::selectCaloryValueForUpdation(const std::string& folderId) {
    return queryLast(compose("selectCaloryValueForUpdation", 0,
                             "select field2 from Menu_Folder where recordId = '%d'",
                             {integerValue(folderId)}));
}

void Database::updateCaloryValueForUpdation(const std::string& calory,
                                            const std::string& folderId) {
    execute(compose("updateCaloryValueForUpdation", 1000,
                    "UPDATE Menu_Folder SET field2='%s' where recordId = '%d'",
                    {calory, integerValue(folderId)}));
}

void Database::insertIntoFavorite_Menulistfolder(const std::string& productId,
                                                 const std::string& folderId) {
    execute(compose("insertIntoFavorite_Menulistfolder", 1000,
                    "Insert into Favorite_Menufolder values ('%s', '%s')", {productId, folderId}));
}

std::vector<std::string>
Database::selectProductsFavoriteExistToFolder(const std::string& folderId,
                                              const std::string& productId) {
    return queryTexts(compose("selectProductsFavoriteExistToFolder", 0,
                              "select * from Favorite_Menufolder  where menufolderId= '%s' and "
                              "productId='%s'",
                              {folderId, productId}));
}

std::vector<std::string> Database::selectProductsAccordingToFolder(const std::string& folderId) {
    return queryTexts(compose("selectProductsAccordingToFolder", 0,
                              "select productId from Favorite_Menufolder  where menufolderId='%s'",
                              {folderId}));
}

std::vector<std::string> Database::selectFoldersAccordingToProduct(const std::string& productId) {
    return queryTexts(compose(
        "selectFoldersAccordingToProduct", 0,
        "select  menufolderId  from Favorite_Menufolder  where productId='%s'", {productId}));
}

std::vector<std::string> Database::selectAllRecordIDFromFavoriteTable() {
    return queryTexts(compose("selectAllRecordIDFromFavoriteTable", 0,
                              "select productId from Favorite_Menufolder"));
}

void Database::deleteFavoriteFromMenuFolder(const std::string& productId,
                                            const std::string& folderId) {
    execute(compose("deleteFavoriteFromMenuFolder", 100,
                    "Delete from Favorite_Menufolder where productId = '%s' and menufolderId= "
                    "'%s'",
                    {productId, folderId}));
}

void Database::deleteMenuFolderFavoriteItems(const std::string& folderId) {
    execute(compose("deleteMenuFolderFavoriteItems", 100,
                    "Delete from Favorite_Menufolder where  menufolderId= '%s'", {folderId}));
}

void Database::deleteProductFromFavoriteMenuFolder(const std::string& productId) {
    execute(compose("deleteProductFromFavoriteMenuFolder", 100,
                    "Delete from Favorite_Menufolder where productId = '%s'", {productId}));
}

void Database::newUpdateIntoEditConsumptionTable(
    const std::string& recordId, const std::string& product_name,
    const std::string& manufactor_name, const std::string& category, const std::string& gm,
    const std::string& fat, const std::string& saturated, const std::string& sugar,
    const std::string& salt, const std::string& calory, const std::string& menufolderid) {
    execute(compose("newUpdateIntoEditConsumptionTable", 3000,
                    "Insert into edit_product_consumption values "
                    "('%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s')",
                    {recordId, product_name, manufactor_name, category, gm, fat, saturated, sugar,
                     salt, calory, menufolderid}));
}

void Database::updateIntoEditConsumptionTable(const std::string& gm, const std::string& fat,
                                              const std::string& saturated,
                                              const std::string& sugar, const std::string& salt,
                                              const std::string& calory,
                                              const std::string& recordId,
                                              const std::string& folderid) {
    execute(compose("updateIntoEditConsumptionTable", 1000,
                    "UPDATE edit_product_consumption SET "
                    "gm='%s',fat='%s',saturated='%s',sugar='%s',salt='%s',calory='%s' where  "
                    "recordId= '%s' and menu_folder_id='%s'",
                    {gm, fat, saturated, sugar, salt, calory, recordId, folderid}));
}

std::vector<ConsumptionRow> Database::selectProductDetailForEdit(const std::string& productId,
                                                                 const std::string& folderid) {
    return queryRows(compose("selectProductDetailForEdit", 0,
                             "select fat, saturated, sugar, salt, calory, gm,menu_folder_id from "
                             "edit_product_consumption where recordId='%s' and menu_folder_id='%s'",
                             {productId, folderid}),
                     [](const Columns& row) {
                         return ConsumptionRow{
                             {row.text(0), row.text(1), row.text(2), row.text(3), row.text(4)},
                             row.text(5),
                             row.text(6)};
                     });
}

std::string Database::selectCaloryForId(const std::string& productId, const std::string& folderid) {
    return queryLast(compose("selectCaloryForId", 0,
                             "select calory from edit_product_consumption where recordId = %s and "
                             "menu_folder_id='%s'",
                             {productId, folderid}));
}

std::string Database::selectEinheitForId(const std::string& productId,
                                         const std::string& folderid) {
    return queryLast(compose("selectEinheitForId", 0,
                             "select gm from edit_product_consumption where recordId = %s and "
                             "menu_folder_id='%s'",
                             {productId, folderid}));
}

std::string Database::selectCaloryValueFromEditConsumptionForUpdation(const std::string& productId,
                                                                      const std::string& folderid) {
    return queryLast(compose("selectCaloryValueFromEditConsumptionForUpdation", 0,
                             "select calory from edit_product_consumption where recordId = '%s' "
                             "and menu_folder_id= '%s'",
                             {productId, folderid}));
}

std::vector<std::string> Database::selectFolderIdFromProductID(const std::string& productId) {
    return queryTexts(compose("selectFolderIdFromProductID", 0,
                              "select menu_folder_id from edit_product_consumption where "
                              "recordId='%s'",
                              {productId}));
}

void Database::deleteFavoriteFromEditConsumptionAccordingtoItems(const std::string& productId,
                                                                 const std::string& folderid) {
    execute(compose("deleteFavoriteFromEditConsumptionAccordingtoItems", 100,
                    "Delete from edit_product_consumption where recordId = '%s' and "
                    "menu_folder_id= '%s'",
                    {productId, folderid}));
}

void Database::deleteFavoriteFromEditConsumptionAccordingtoFolder(const std::string& folderId) {
    execute(compose("deleteFavoriteFromEditConsumptionAccordingtoFolder", 100,
                    "Delete from edit_product_consumption where  menu_folder_id= '%s'",
                    {folderId}));
}

void Database::deleteProductFromEditConsumption(const std::string& productId) {
    execute(compose("deleteProductFromEditConsumption", 100,
                    "Delete from edit_product_consumption where recordId = '%s'", {productId}));
}

} // namespace tolvane
