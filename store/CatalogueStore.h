// The catalogue: the product list, searches, counts, a product's detail, categories and the
// download bookkeeping. A view on a Database: construct one where needed; it runs on the
// Database's connection and thread rules (a worker uses its own Database, see Database.h).
#pragma once

#include "store/Database.h"

namespace tolvane {

class CatalogueStore {
public:
    explicit CatalogueStore(Database& database) : db_(database) {}

    // In folded order (umlauts folded, upper case; name, then maker).
    std::vector<ListRow> selectProduct();
    // The same rows handed to visit one by one as they are read, without copying them (the
    // held product list packs them). False, with nothing more visited, when the query fails.
    bool selectProduct(const std::function<void(const ListRowView&)>& visit);
    // Every product's identifier and barcode number (field24) where it has one, in no order.
    bool selectProductGtins(
        const std::function<void(std::string_view recordId, std::string_view gtin)>& visit);
    // Patterns get "%" appended; the caller supplies any leading "%".
    std::vector<ListRow> Search(const std::string& name, const std::string& maker);
    std::vector<ListRow> Search(const std::string& name, const std::string& maker,
                                CategoryId categoryId);
    int selectSearchCount(const std::string& name, const std::string& maker);
    int selectProductCount();
    int selectSearchCountForCategory(const std::string& name, const std::string& maker,
                                     CategoryId categoryId);
    int selectProductCountForCategory(CategoryId categoryId);
    std::vector<CategoryProductRow> selectProductsForCategory(CategoryId categoryId);
    // The first row; nothing when the product is not in the catalogue.
    std::optional<ProductRecord> selectProductDetail(ProductId productId);
    std::vector<CategoryValuesRow> selectProductDetailForCategory(CategoryId categoryId);
    // Nothing when the product is not in the catalogue.
    std::optional<NutritionFactsRow> selectNutritionFacts(ProductId productId);
    // The product's 24 field texts and identifier, as an update would store them again.
    std::optional<CatalogueRecord> selectRecord(ProductId productId);
    // The category's products handed to visit one by one as they are read,
    // in no order; false, with nothing more visited, when the query fails.
    bool selectChoiceValuesForCategory(CategoryId categoryId,
                                       const std::function<void(const ChoiceValuesView&)>& visit);
    std::vector<std::string> selectAllRecordIDFromProductsTable();
    std::vector<CategoryRow> selectCategories();
    std::vector<CategoryRow> selectCategoriesForCategoryScreen();
    // The name, or "" when none.
    std::string selectCategoryForId(CategoryId categoryId);

    // Row 1; nothing when the table has no row or cannot be read.
    std::optional<TimestampRow> selectTimestamp();
    void updateDTimestamp(const std::string& timestamp, const std::string& rows);
    void updateDTimestampRows(const std::string& rows);
    std::string selectMaxTimestamp();
    // The largest field06 of the form "YYYY-MM-DD HH:MM:SS" not after latest; "" when none.
    std::string selectMaxTimestampUpTo(const std::string& latest);
    // The record's 24 fields and its identifier; the first parameter is not used.
    static constexpr std::string_view insertIntoDatabaseFormat =
        "Insert into ProductsTable values ('','0', '%s', "
        "'%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s', "
        "'%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%d')";
    static constexpr std::size_t insertIntoDatabaseLimit = 1000;
    void insertIntoDatabase(const std::string& ignored, const CatalogueRecord& record);
    void deleteProductFromMainTable(ProductId productId);

private:
    Database& db_;
};

} // namespace tolvane
