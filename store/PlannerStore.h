// Favourites, menu folders, folder membership and consumption rows, and the creation and seeding
// of their tables. A view on a Database: construct one where needed; it runs on the Database's
// connection and thread rules.
#pragma once

#include "store/Database.h"

namespace tolvane {

class PlannerStore {
public:
    explicit PlannerStore(Database& database) : db_(database) {}

    // --- Favourites ---

    std::vector<FavoriteRow> selectProductFavorite();
    static constexpr std::string_view selectProductFavoriteIdsSql =
        "select recordId from ProductsTable where favFlag = 1";
    std::vector<std::string> selectProductFavoriteIds();
    // Non-empty exactly when the product is a favourite.
    std::vector<ListRow> selectProductFavoriteId(ProductId productId);
    std::vector<FavoriteRow> selectProductFavoriteCategorywise();
    std::vector<FavoriteRow> selectProductFavoriteByCategoryid(CategoryId categoryId);
    std::vector<FavoriteRow> selectProductFavoriteFolderWise(ProductId productId);
    // Refills the Database's namesArr with the favFlag of each row of that product.
    void searchFavNameExist(ProductId productId);
    // The flag is bound as an integer.
    static constexpr std::string_view setFavoriteFormat =
        "UPDATE ProductsTable SET FavFlag = ?, sortOrder ='%s' where recordId ='%s'";
    static constexpr std::size_t setFavoriteLimit = 3000;
    void setFavorite(ProductId productId, int favorite, const std::string& sortOrder);
    void updateMainProductOrderForId(const std::string& sortOrder, ProductId productId);

    // --- Menu folders ---

    // Numerically by position.
    std::vector<FolderRow> selectMenuItemsSortByOrder();
    std::vector<FolderRow> selectMenuItemsSortByRecordID();
    void insertIntoMenuFolder(const std::string& sortOrder, const std::string& name,
                              const std::string& calory, FolderId recordId,
                              const std::string& localized);
    void updateMenuItemsSortByOrder(const std::string& sortOrder, FolderId folderId);
    void deleteMenuItemsSortByOrder(FolderId folderId);
    std::string selectCaloryValueForUpdation(FolderId folderId);
    void updateCaloryValueForUpdation(const std::string& calory, FolderId folderId);

    // --- Folder membership ---

    void insertIntoFavorite_Menulistfolder(ProductId productId, FolderId folderId);
    std::vector<std::string> selectProductsFavoriteExistToFolder(FolderId folderId,
                                                                 ProductId productId);
    std::vector<std::string> selectProductsAccordingToFolder(FolderId folderId);
    std::vector<std::string> selectFoldersAccordingToProduct(ProductId productId);
    std::vector<std::string> selectAllRecordIDFromFavoriteTable();
    void deleteFavoriteFromMenuFolder(ProductId productId, FolderId folderId);
    void deleteMenuFolderFavoriteItems(FolderId folderId);
    void deleteProductFromFavoriteMenuFolder(ProductId productId);

    // --- Consumption rows ---

    void newUpdateIntoEditConsumptionTable(ProductId recordId, const std::string& product_name,
                                           const std::string& manufactor_name,
                                           const std::string& category, const std::string& gm,
                                           const std::string& fat, const std::string& saturated,
                                           const std::string& sugar, const std::string& salt,
                                           const std::string& calory, FolderId menufolderid);
    void updateIntoEditConsumptionTable(const std::string& gm, const std::string& fat,
                                        const std::string& saturated, const std::string& sugar,
                                        const std::string& salt, const std::string& calory,
                                        ProductId recordId, FolderId folderid);
    std::vector<ConsumptionRow> selectProductDetailForEdit(ProductId productId, FolderId folderid);
    std::string selectCaloryForId(ProductId productId, FolderId folderid);
    std::string selectEinheitForId(ProductId productId, FolderId folderid);
    std::string selectCaloryValueFromEditConsumptionForUpdation(ProductId productId,
                                                                FolderId folderid);
    std::vector<std::string> selectFolderIdFromProductID(ProductId productId);
    void deleteFavoriteFromEditConsumptionAccordingtoItems(ProductId productId, FolderId folderid);
    void deleteFavoriteFromEditConsumptionAccordingtoFolder(FolderId folderId);
    void deleteProductFromEditConsumption(ProductId productId);

    // --- Tables (the migration) ---

    void createMenu_FolderTable();
    void insertIntoMenu_FolderTableStarted(const std::string& sortOrder, const std::string& name,
                                           const std::string& calory, FolderId recordId,
                                           const std::string& localized);
    void createFavorite_MenufolderTable();
    void createEdit_ConsumptionTable();

private:
    Database& db_;
};

} // namespace tolvane
