// Catalogue queries: list, search, counts, detail, categories and download bookkeeping.
#include "store/Database.h"

#include "format/FoldedSort.h"
#include "store/Columns.h"

#include <climits>

namespace tolvane {

namespace {

constexpr std::string_view selectProductSql =
    "select field01, field02, recordId from ProductsTable ORDER BY " TOLVANE_FOLDED_SORT;

std::string pattern(const std::string& text) {
    return text + "%";
}

// Rows of the searches: name, recordId, maker.
ListRow nameIdMaker(const auto& row) {
    return {row.text(0), row.text(2), row.text(1)};
}

// The five judged nutrients from the columns fat, saturated fat, sugar, salt, kcal at first.
NutrientColumns nutrients(const auto& row, int first) {
    return {row.text(first), row.text(first + 1), row.text(first + 2), row.text(first + 3),
            row.text(first + 4)};
}

CategoryRow idAndCategory(const auto& row) {
    return {row.integer(0), row.text(1)};
}

} // namespace

std::vector<ListRow> Database::selectProduct() {
    return queryRows(compose("selectProduct", 0, selectProductSql), [](const Columns& row) {
        return ListRow{row.text(0), row.text(1), row.text(2)};
    });
}

bool Database::selectProduct(const std::function<void(const ListRowView&)>& visit) {
    return queryEach(compose("selectProduct", 0, selectProductSql), [&](const Columns& row) {
        visit(ListRowView{row.view(0), row.view(1), row.view(2)});
    });
}

bool Database::selectProductGtins(
    const std::function<void(std::string_view recordId, std::string_view gtin)>& visit) {
    return queryEach(compose("selectProductGtins", 0,
                             "select recordId, field24 from ProductsTable where field24 <> ''"),
                     [&](const Columns& row) { visit(row.view(0), row.view(1)); });
}

std::vector<ListRow> Database::Search(const std::string& name, const std::string& maker) {
    return queryRows(compose("Search", 0,
                             "select field01, recordId, field02 from ProductsTable where field01 "
                             "like '%@' or field02 like '%@' ORDER BY " TOLVANE_FOLDED_SORT,
                             {pattern(name), pattern(maker)}),
                     [](const Columns& row) { return nameIdMaker(row); });
}

std::vector<ListRow> Database::Search(const std::string& name, const std::string& maker,
                                      const std::string& categoryId) {
    return queryRows(compose("Search", 0,
                             "select field01, recordId, field02, field03 from ProductsTable where "
                             "field03 = '%@' and (field01 like '%@' or field02 like '%@') ORDER "
                             "BY " TOLVANE_FOLDED_SORT,
                             {categoryId, pattern(name), pattern(maker)}),
                     [](const Columns& row) { return nameIdMaker(row); });
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

std::vector<CategoryProductRow> Database::selectProductsForCategory(const std::string& categoryId) {
    return queryRows(compose("selectProductsForCategory", 0,
                             "select field01, recordId, field02, field03,'0',field13, field14, "
                             "field12, field15, field10, field08 from ProductsTable where field03 "
                             "like %s ORDER BY " TOLVANE_FOLDED_SORT,
                             {categoryId}),
                     [](const Columns& row) {
                         return CategoryProductRow{row.text(0), row.text(1), row.text(2),
                                                   row.text(3), row.text(4), nutrients(row, 5),
                                                   row.text(10)};
                     });
}

std::optional<ProductRecord> Database::selectProductDetail(const std::string& productId) {
    return queryFirst(compose("selectProductDetail", 0,
                              "select field01, recordId, field02, field03,favFlag,field13, "
                              "field14, field12, field15, field10, field08, field05 from "
                              "ProductsTable where recordId = %s",
                              {productId}),
                      [](const Columns& row) {
                          return ProductRecord{row.text(0),  row.text(1), row.text(2),
                                               row.text(3),  row.text(4), nutrients(row, 5),
                                               row.text(10), row.text(11)};
                      });
}

std::vector<CategoryValuesRow>
Database::selectProductDetailForCategory(const std::string& categoryId) {
    return queryRows(compose("selectProductDetailForCategory", 0,
                             "select field13, field14, field12, field15, field10, field08, "
                             "field06 from ProductsTable where field03 like %s",
                             {categoryId}),
                     [](const Columns& row) {
                         return CategoryValuesRow{nutrients(row, 0), row.text(5), row.text(6)};
                     });
}

std::optional<NutritionFactsRow> Database::selectNutritionFacts(const std::string& productId) {
    return queryFirst(compose("selectNutritionFacts", 0,
                              "select field09, field10, field11, field12, field13, field14, "
                              "field15, field16, field17, field18, field19, field20, field21, "
                              "field22, field23, field08 from ProductsTable where recordId = %s",
                              {productId}),
                      [](const Columns& row) {
                          return NutritionFactsRow{
                              row.text(0),  row.text(1),  row.text(2),  row.text(3),
                              row.text(4),  row.text(5),  row.text(6),  row.text(7),
                              row.text(8),  row.text(9),  row.text(10), row.text(11),
                              row.text(12), row.text(13), row.text(14), row.text(15)};
                      });
}

bool Database::selectChoiceValuesForCategory(
    const std::string& categoryId, const std::function<void(const ChoiceValuesView&)>& visit) {
    // Through the field03 index every product is a lookup of its row; for a category holding a
    // good part of the table one pass over the table is faster (the "+" keeps the index out).
    // The largest rowid stands for the table's size, and counting stops at a quarter of it.
    const bool large =
        queryCount(compose("selectChoiceCategoryIsLarge", 0,
                           "select count(*) * 4 > (select max(rowid) from ProductsTable) from "
                           "(select 1 from ProductsTable where field03 = '%s' limit (select "
                           "max(rowid) / 4 + 1 from ProductsTable))",
                           {categoryId})) == 1;
    return queryEach(large ? compose("selectChoiceValuesForLargeCategory", 0,
                                     "select recordId, field13, field14, field12, field15, "
                                     "field10, field08 from ProductsTable where +field03 = '%s'",
                                     {categoryId})
                           : compose("selectChoiceValuesForCategory", 0,
                                     "select recordId, field13, field14, field12, field15, "
                                     "field10, field08 from ProductsTable where field03 = '%s'",
                                     {categoryId}),
                     [&](const Columns& row) {
                         visit(ChoiceValuesView{row.view(0), row.view(1), row.view(2), row.view(3),
                                                row.view(4), row.view(5), row.view(6)});
                     });
}

long Database::catalogueGeneration() const {
    std::lock_guard lock(figuresMutex_);
    return catalogueGeneration_;
}

std::optional<std::vector<double>> Database::categoryFigures(const std::string& categoryId) const {
    std::lock_guard lock(figuresMutex_);
    auto found = categoryFigures_.find(categoryId);
    if (found == categoryFigures_.end()) return std::nullopt;
    return *found->second;
}

std::shared_ptr<const std::vector<double>>
Database::keptCategoryFigures(const std::string& categoryId) const {
    std::lock_guard lock(figuresMutex_);
    auto found = categoryFigures_.find(categoryId);
    return found == categoryFigures_.end() ? nullptr : found->second;
}

void Database::keepCategoryFigures(const std::string& categoryId, std::vector<double> figures,
                                   long generation) {
    std::lock_guard lock(figuresMutex_);
    // Worked out while the catalogue changed: may be of the old catalogue.
    if (generation != catalogueGeneration_) return;
    categoryFigures_[categoryId] = std::make_shared<const std::vector<double>>(std::move(figures));
}

long Database::workDoneAt(const std::string& work) const {
    std::lock_guard lock(figuresMutex_);
    auto found = workDoneAt_.find(work);
    return found == workDoneAt_.end() ? -1 : found->second;
}

void Database::keepWorkDoneAt(const std::string& work, long generation) {
    std::lock_guard lock(figuresMutex_);
    workDoneAt_[work] = generation;
}

void Database::catalogueChanged() {
    std::lock_guard lock(figuresMutex_);
    ++catalogueGeneration_;
    categoryFigures_.clear();
}

std::vector<std::string> Database::selectAllRecordIDFromProductsTable() {
    return queryTexts(
        compose("selectAllRecordIDFromProductsTable", 0, "select recordId from ProductsTable"));
}

std::vector<CategoryRow> Database::selectCategories() {
    return queryRows(compose("selectCategories", 0, "select Recordid, Category from Categories"),
                     [](const Columns& row) { return idAndCategory(row); });
}

std::vector<CategoryRow> Database::selectCategoriesForCategoryScreen() {
    return queryRows(compose("selectCategoriesForCategoryScreen", 0,
                             "SELECT Categories.Recordid, Categories.Category FROM Categories, "
                             "productstable  WHERE  productstable.field03 = Categories.RecordId "
                             "GROUP BY Categories.Category HAVING count(Categories.Recordid) >0"),
                     [](const Columns& row) { return idAndCategory(row); });
}

std::string Database::selectCategoryForId(const std::string& categoryId) {
    return queryLast(compose("selectCategoryForId", 0,
                             "select Category from Categories where Recordid = %d",
                             {integerValue(categoryId)}));
}

std::optional<TimestampRow> Database::selectTimestamp() {
    return queryFirst(
        compose("selectTimestamp", 0, "select rows, dtimestamp, utimestamp from Timestamp"),
        [](const Columns& row) {
            return TimestampRow{row.text(0), row.text(1), row.text(2)};
        });
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
    return queryLast(compose("selectMaxTimestamp", 0, "SELECT MAX(field06) FROM ProductsTable"));
}

std::string Database::selectMaxTimestampUpTo(const std::string& latest) {
    return queryLast(compose("selectMaxTimestampUpTo", 0,
                             "SELECT MAX(field06) FROM ProductsTable WHERE field06 <= '%s' AND "
                             "field06 GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] "
                             "[0-9][0-9]:[0-9][0-9]:[0-9][0-9]'",
                             {latest}));
}

void Database::insertIntoDatabase(const std::string& /*ignored*/, const CatalogueRecord& record) {
    if (record.id < INT_MIN || record.id > INT_MAX) {
        log_.write("insertIntoDatabase: identifier " + formatInt(record.id) +
                   " out of range, nothing inserted");
        noteFailedWrite();
        return;
    }
    // The statement's values are the fields in column order, then the identifier.
    std::vector<SqlArg> values(record.fields.begin(), record.fields.end());
    values.emplace_back(static_cast<int>(record.id));
    execute(
        compose("insertIntoDatabase", insertIntoDatabaseLimit, insertIntoDatabaseFormat, values));
}

void Database::deleteProductFromMainTable(const std::string& productId) {
    execute(compose("deleteProductFromMainTable", 100,
                    "Delete from ProductsTable where recordId = %d", {integerValue(productId)}));
}

} // namespace tolvane
