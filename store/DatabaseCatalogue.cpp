// Catalogue queries: list, search, counts, detail, categories and download bookkeeping.
#include "store/Database.h"
#include "store/FoldedSort.h"

namespace tolvane {

namespace {

std::string pattern(const std::string& text) {
    return text + "%";
}

} // namespace

std::vector<std::string> Database::selectProduct() {
    return queryList(compose("selectProduct", 0,
                             "select field01, field02, recordId from ProductsTable ORDER BY " //
                             TOLVANE_FOLDED_SORT),
                     "ttt");
}

std::vector<std::string> Database::Search(const std::string& name, const std::string& maker) {
    return queryList(compose("Search", 0,
                             "select field01, recordId, field02 from ProductsTable where field01 "
                             "like '%@' or field02 like '%@' ORDER BY " TOLVANE_FOLDED_SORT,
                             {pattern(name), pattern(maker)}),
                     "ttt");
}

std::vector<std::string> Database::Search(const std::string& name, const std::string& maker,
                                          const std::string& categoryId) {
    return queryList(compose("Search", 0,
                             "select field01, recordId, field02, field03 from ProductsTable where "
                             "field03 = '%@' and (field01 like '%@' or field02 like '%@') ORDER "
                             "BY " TOLVANE_FOLDED_SORT,
                             {categoryId, pattern(name), pattern(maker)}),
                     "ttt");
}

int Database::selectSearchCount(const std::string& name, const std::string& maker) {
    return queryCount(compose("selectSearchCount", 0,
                              "select count(*) from ProductsTable where field01 like '%@' or "
                              "field02 like '%@' ORDER BY UPPER( field01), UPPER (field02)",
                              {pattern(name), pattern(maker)}));
}

int Database::selectProductCount() {
    return queryCount(compose("selectProductCount", 5000, "SELECT count(*) FROM productstable"));
}

int Database::selectSearchCountForCategory(const std::string& name, const std::string& maker,
                                           const std::string& categoryId) {
    return queryCount(compose("selectSearchCountForCategory", 0,
                              "select count(*) from ProductsTable where field03 = '%@' AND "
                              "(field01 like '%@' or field02 like '%@') ORDER BY UPPER( field01), "
                              "UPPER (field02)",
                              {categoryId, pattern(name), pattern(maker)}));
}

int Database::selectProductCountForCategory(const std::string& categoryId) {
    return queryCount(compose("selectProductCountForCategory", 5000,
                              "SELECT count(*) FROM productstable  where field03 = '%s'",
                              {categoryId}));
}

std::vector<std::string> Database::selectProductsForCategory(const std::string& categoryId) {
    return queryList(compose("selectProductsForCategory", 0,
                             "select field01, recordId, field02, field03,'0',field13, field14, "
                             "field12, field15, field10, field08 from ProductsTable where field03 "
                             "like %s ORDER BY " TOLVANE_FOLDED_SORT,
                             {categoryId}),
                     "ttttttttttt");
}

std::vector<std::string> Database::selectProductDetail(const std::string& productId) {
    return queryList(compose("selectProductDetail", 0,
                             "select field01, recordId, field02, field03,favFlag,field13, "
                             "field14, field12, field15, field10, field08, field05 from "
                             "ProductsTable where recordId = %s",
                             {productId}),
                     "tttttttttttt");
}

std::vector<std::string> Database::selectProductDetailForCategory(const std::string& categoryId) {
    return queryList(compose("selectProductDetailForCategory", 0,
                             "select field13, field14, field12, field15, field10, field08, "
                             "field06 from ProductsTable where field03 like %s",
                             {categoryId}),
                     "ttttttt");
}

long Database::catalogueGeneration() const {
    std::lock_guard lock(figuresMutex_);
    return catalogueGeneration_;
}

std::optional<std::vector<double>> Database::categoryFigures(const std::string& categoryId) const {
    std::lock_guard lock(figuresMutex_);
    auto found = categoryFigures_.find(categoryId);
    if (found == categoryFigures_.end()) return std::nullopt;
    return found->second;
}

void Database::keepCategoryFigures(const std::string& categoryId, std::vector<double> figures,
                                   long generation) {
    std::lock_guard lock(figuresMutex_);
    // Worked out while the catalogue changed: may be of the old catalogue.
    if (generation != catalogueGeneration_) return;
    categoryFigures_[categoryId] = std::move(figures);
}

void Database::catalogueChanged() {
    std::lock_guard lock(figuresMutex_);
    ++catalogueGeneration_;
    categoryFigures_.clear();
}

std::vector<std::string> Database::selectAllRecordIDFromProductsTable() {
    return queryList(
        compose("selectAllRecordIDFromProductsTable", 0, "select recordId from ProductsTable"),
        "t");
}

std::vector<std::string> Database::selectCategories() {
    return queryList(compose("selectCategories", 0, "select Recordid, Category from Categories"),
                     "it");
}

std::vector<std::string> Database::selectCategoriesForCategoryScreen() {
    return queryList(compose("selectCategoriesForCategoryScreen", 0,
                             "SELECT Categories.Recordid, Categories.Category FROM Categories, "
                             "productstable  WHERE  productstable.field03 = Categories.RecordId "
                             "GROUP BY Categories.Category HAVING count(Categories.Recordid) >0"),
                     "it");
}

std::string Database::selectCategoryForId(const std::string& categoryId) {
    return queryLast(compose("selectCategoryForId", 0,
                             "select Category from Categories where Recordid = %d",
                             {integerValue(categoryId)}),
                     't');
}

std::vector<std::string> Database::selectTimestamp() {
    return queryList(
        compose("selectTimestamp", 0, "select rows, dtimestamp, utimestamp from Timestamp"), "ttt");
}

void Database::updateDTimestamp(const std::string& timestamp, const std::string& rows) {
    execute(compose("updateDTimestamp", 3000,
                    "UPDATE Timestamp SET dtimestamp = '%s' , rows = '%s' WHERE rowid = 1",
                    {timestamp, rows}));
}

void Database::updateDTimestampRows(const std::string& rows) {
    log_.write("Inside updateDTimestampRows");
    std::optional<std::string> sql = compose(
        "updateDTimestampRows", 3000, "UPDATE Timestamp SET rows = '%s' WHERE rowid = 1", {rows});
    executeTraced(sql, "Inside updateDTimestampRows");
}

std::string Database::selectMaxTimestamp() {
    return queryLast(compose("selectMaxTimestamp", 0, "SELECT MAX(field06) FROM ProductsTable"),
                     't');
}

void Database::insertIntoDatabase(const std::string& /*ignored*/,
                                  const std::vector<std::string>& fields, int recordId) {
    if (fields.size() != 24) {
        log_.write("insertIntoDatabase: " + decimalText(static_cast<long long>(fields.size())) +
                   " fields instead of 24, nothing inserted");
        return;
    }
    const auto& f = fields;
    execute(compose("insertIntoDatabase", insertIntoDatabaseLimit, insertIntoDatabaseFormat,
                    {f[0],  f[1],  f[2],  f[3],  f[4],  f[5],  f[6],    f[7],  f[8],
                     f[9],  f[10], f[11], f[12], f[13], f[14], f[15],   f[16], f[17],
                     f[18], f[19], f[20], f[21], f[22], f[23], recordId}));
}

void Database::deleteProductFromMainTable(const std::string& productId) {
    execute(compose("deleteProductFromMainTable", 100,
                    "Delete from ProductsTable where recordId = %d", {integerValue(productId)}));
}

} // namespace tolvane
