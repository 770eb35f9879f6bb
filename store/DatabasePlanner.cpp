// Favourites, menu folders, folder membership and consumption rows.
#include "store/Database.h"

namespace tolvane {

std::vector<std::string> Database::selectProductFavorite() {
    return queryList(compose("selectProductFavorite", 0,
                             "select field01, recordId,field02,field03 from ProductsTable where "
                             "favFlag = 1"),
                     "tttt");
}

std::vector<std::string> Database::selectProductFavoriteIds() {
    return queryList(compose("selectProductFavoriteIds", 0,
                             "select recordId from ProductsTable where favFlag = 1"),
                     "t");
}

std::vector<std::string> Database::selectProductFavoriteId(const std::string& productId) {
    return queryList(compose("selectProductFavoriteId", 0,
                             "select field01, recordId, field02 from ProductsTable where favFlag "
                             "= 1 and recordId = %s",
                             {productId}),
                     "ttt");
}

std::vector<std::string> Database::selectProductFavoriteCategorywise() {
    return queryList(compose("selectProductFavoriteCategorywise", 0,
                             "select field01, recordId, field02, field03, sortOrder from "
                             "ProductsTable where favFlag = 1 order by field01, field02"),
                     "ttttt");
}

std::vector<std::string>
Database::selectProductFavoriteByCategoryid(const std::string& categoryId) {
    return queryList(compose("selectProductFavoriteByCategoryid", 0,
                             "select field01, recordId, field02, field03 from ProductsTable where "
                             "favFlag = 1 and field03 = '%@' order by recordId",
                             {categoryId}),
                     "tttt");
}

std::vector<std::string> Database::selectProductFavoriteFolderWise(int productId) {
    return queryList(compose("selectProductFavoriteFolderWise", 0,
                             "select field01, recordId, field02, field03, sortOrder from "
                             "ProductsTable where recordId = '%d' order by field01, field02",
                             {productId}),
                     "ttttt");
}

void Database::searchFavNameExist(const std::string& productId) {
    std::lock_guard lock(mutex_);
    namesArr_ =
        queryList(compose("searchFavNameExist", 3000,
                          "SELECT favFlag FROM ProductsTable where recordId = '%s'", {productId}),
                  "t");
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

std::vector<std::string> Database::selectMenuItemsSortByOrder() {
    // By the position's number, so that folder 10 follows folder 9.
    return queryList(compose("selectMenuItemsSortByOrder", 0,
                             "select field1, field2, sort_order,recordId,islocalized from "
                             "Menu_Folder  order by CAST(sort_order AS INTEGER), sort_order"),
                     "ttttt");
}

std::vector<std::string> Database::selectMenuItemsSortByRecordID() {
    return queryList(compose("selectMenuItemsSortByRecordID", 0,
                             "select field1, field2, sort_order,recordId,islocalized from "
                             "Menu_Folder  order by recordId"),
                     "ttttt");
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
                             {integerValue(folderId)}),
                     't');
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
    return queryList(compose("selectProductsFavoriteExistToFolder", 0,
                             "select * from Favorite_Menufolder  where menufolderId= '%s' and "
                             "productId='%s'",
                             {folderId, productId}),
                     "t");
}

std::vector<std::string> Database::selectProductsAccordingToFolder(const std::string& folderId) {
    return queryList(compose("selectProductsAccordingToFolder", 0,
                             "select productId from Favorite_Menufolder  where menufolderId='%s'",
                             {folderId}),
                     "t");
}

std::vector<std::string> Database::selectFoldersAccordingToProduct(const std::string& productId) {
    return queryList(compose("selectFoldersAccordingToProduct", 0,
                             "select  menufolderId  from Favorite_Menufolder  where productId='%s'",
                             {productId}),
                     "t");
}

std::vector<std::string> Database::selectAllRecordIDFromFavoriteTable() {
    return queryList(compose("selectAllRecordIDFromFavoriteTable", 0,
                             "select productId from Favorite_Menufolder"),
                     "t");
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

std::vector<std::string> Database::selectProductDetailForEdit(const std::string& productId,
                                                              const std::string& folderid) {
    return queryList(compose("selectProductDetailForEdit", 0,
                             "select fat, saturated, sugar, salt, calory, gm,menu_folder_id from "
                             "edit_product_consumption where recordId='%s' and menu_folder_id='%s'",
                             {productId, folderid}),
                     "ttttttt");
}

std::string Database::selectCaloryForId(const std::string& productId, const std::string& folderid) {
    return queryLast(compose("selectCaloryForId", 0,
                             "select calory from edit_product_consumption where recordId = %s and "
                             "menu_folder_id='%s'",
                             {productId, folderid}),
                     't');
}

std::string Database::selectEinheitForId(const std::string& productId,
                                         const std::string& folderid) {
    return queryLast(compose("selectEinheitForId", 0,
                             "select gm from edit_product_consumption where recordId = %s and "
                             "menu_folder_id='%s'",
                             {productId, folderid}),
                     't');
}

std::string Database::selectCaloryValueFromEditConsumptionForUpdation(const std::string& productId,
                                                                      const std::string& folderid) {
    return queryLast(compose("selectCaloryValueFromEditConsumptionForUpdation", 0,
                             "select calory from edit_product_consumption where recordId = '%s' "
                             "and menu_folder_id= '%s'",
                             {productId, folderid}),
                     't');
}

std::vector<std::string> Database::selectFolderIdFromProductID(const std::string& productId) {
    return queryList(compose("selectFolderIdFromProductID", 0,
                             "select menu_folder_id from edit_product_consumption where "
                             "recordId='%s'",
                             {productId}),
                     "t");
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
