#include "store/CatalogueStore.h"

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

std::vector<ListRow> CatalogueStore::selectProduct() {
    return db_.queryRows(db_.compose("selectProduct", 0, selectProductSql),
                         [](const Database::Columns& row) {
                             return ListRow{row.text(0), row.text(1), row.text(2)};
                         });
}

bool CatalogueStore::selectProduct(const std::function<void(const ListRowView&)>& visit) {
    return db_.queryEach(db_.compose("selectProduct", 0, selectProductSql),
                         [&](const Database::Columns& row) {
                             visit(ListRowView{row.view(0), row.view(1), row.view(2)});
                         });
}

bool CatalogueStore::selectProductGtins(
    const std::function<void(std::string_view recordId, std::string_view gtin)>& visit) {
    return db_.queryEach(
        db_.compose("selectProductGtins", 0,
                    "select recordId, field24 from ProductsTable where field24 <> ''"),
        [&](const Database::Columns& row) { visit(row.view(0), row.view(1)); });
}

std::vector<ListRow> CatalogueStore::Search(const std::string& name, const std::string& maker) {
    return db_.queryRows(
        db_.compose("Search", 0,
                    "select field01, recordId, field02 from ProductsTable where field01 "
                    "like '%@' or field02 like '%@' ORDER BY " TOLVANE_FOLDED_SORT,
                    {pattern(name), pattern(maker)}),
        [](const Database::Columns& row) { return nameIdMaker(row); });
}

std::vector<ListRow> CatalogueStore::Search(const std::string& name, const std::string& maker,
                                            CategoryId categoryId) {
    return db_.queryRows(
        db_.compose("Search", 0,
                    "select field01, recordId, field02, field03 from ProductsTable where "
                    "field03 = '%@' and (field01 like '%@' or field02 like '%@') ORDER "
                    "BY " TOLVANE_FOLDED_SORT,
                    {categoryId.text(), pattern(name), pattern(maker)}),
        [](const Database::Columns& row) { return nameIdMaker(row); });
}

int CatalogueStore::selectSearchCount(const std::string& name, const std::string& maker) {
    return db_.queryCount(
        db_.compose("selectSearchCount", 0,
                    "select count(*) from ProductsTable where field01 like '%@' or "
                    "field02 like '%@' ORDER BY UPPER( field01), UPPER (field02)",
                    {pattern(name), pattern(maker)}));
}

int CatalogueStore::selectProductCount() {
    return db_.queryCount(
        db_.compose("selectProductCount", 5000, "SELECT count(*) FROM productstable"));
}

int CatalogueStore::selectSearchCountForCategory(const std::string& name, const std::string& maker,
                                                 CategoryId categoryId) {
    return db_.queryCount(
        db_.compose("selectSearchCountForCategory", 0,
                    "select count(*) from ProductsTable where field03 = '%@' AND "
                    "(field01 like '%@' or field02 like '%@') ORDER BY UPPER( field01), "
                    "UPPER (field02)",
                    {categoryId.text(), pattern(name), pattern(maker)}));
}

int CatalogueStore::selectProductCountForCategory(CategoryId categoryId) {
    return db_.queryCount(db_.compose("selectProductCountForCategory", 5000,
                                      "SELECT count(*) FROM productstable  where field03 = '%s'",
                                      {categoryId.text()}));
}

std::vector<CategoryProductRow> CatalogueStore::selectProductsForCategory(CategoryId categoryId) {
    return db_.queryRows(
        db_.compose("selectProductsForCategory", 0,
                    "select field01, recordId, field02, field03,'0',field13, field14, "
                    "field12, field15, field10, field08 from ProductsTable where field03 "
                    "like %s ORDER BY " TOLVANE_FOLDED_SORT,
                    {categoryId.text()}),
        [](const Database::Columns& row) {
            return CategoryProductRow{row.text(0), row.text(1),       row.text(2), row.text(3),
                                      row.text(4), nutrients(row, 5), row.text(10)};
        });
}

std::optional<ProductRecord> CatalogueStore::selectProductDetail(ProductId productId) {
    return db_.queryFirst(db_.compose("selectProductDetail", 0,
                                      "select field01, recordId, field02, field03,favFlag,field13, "
                                      "field14, field12, field15, field10, field08, field05 from "
                                      "ProductsTable where recordId = %s",
                                      {productId.text()}),
                          [](const Database::Columns& row) {
                              return ProductRecord{row.text(0),  row.text(1), row.text(2),
                                                   row.text(3),  row.text(4), nutrients(row, 5),
                                                   row.text(10), row.text(11)};
                          });
}

std::vector<CategoryValuesRow>
CatalogueStore::selectProductDetailForCategory(CategoryId categoryId) {
    return db_.queryRows(db_.compose("selectProductDetailForCategory", 0,
                                     "select field13, field14, field12, field15, field10, field08, "
                                     "field06 from ProductsTable where field03 like %s",
                                     {categoryId.text()}),
                         [](const Database::Columns& row) {
                             return CategoryValuesRow{nutrients(row, 0), row.text(5), row.text(6)};
                         });
}

std::optional<NutritionFactsRow> CatalogueStore::selectNutritionFacts(ProductId productId) {
    return db_.queryFirst(
        db_.compose("selectNutritionFacts", 0,
                    "select field09, field10, field11, field12, field13, field14, "
                    "field15, field16, field17, field18, field19, field20, field21, "
                    "field22, field23, field08 from ProductsTable where recordId = %s",
                    {productId.text()}),
        [](const Database::Columns& row) {
            return NutritionFactsRow{row.text(0),  row.text(1),  row.text(2),  row.text(3),
                                     row.text(4),  row.text(5),  row.text(6),  row.text(7),
                                     row.text(8),  row.text(9),  row.text(10), row.text(11),
                                     row.text(12), row.text(13), row.text(14), row.text(15)};
        });
}

std::optional<CatalogueRecord> CatalogueStore::selectRecord(ProductId productId) {
    return db_.queryFirst(
        db_.compose("selectRecord", 0,
                    "select field01, field02, field03, field04, field05, field06, field07, "
                    "field08, field09, field10, field11, field12, field13, field14, field15, "
                    "field16, field17, field18, field19, field20, field21, field22, field23, "
                    "field24 from ProductsTable where recordId = %s",
                    {productId.text()}),
        [&](const Database::Columns& row) {
            CatalogueRecord record;
            for (std::size_t i = 0; i < catalogueFieldCount; ++i)
                record.fields[i] = row.text(static_cast<int>(i));
            record.id = productId.value;
            return record;
        });
}

bool CatalogueStore::selectChoiceValuesForCategory(
    CategoryId categoryId, const std::function<void(const ChoiceValuesView&)>& visit) {
    // Through the field03 index every product is a lookup of its row; for a category holding a
    // good part of the table one pass over the table is faster (the "+" keeps the index out).
    // The largest rowid stands for the table's size, and counting stops at a quarter of it.
    const bool large = db_.queryCount(db_.compose(
                           "selectChoiceCategoryIsLarge", 0,
                           "select count(*) * 4 > (select max(rowid) from ProductsTable) from "
                           "(select 1 from ProductsTable where field03 = '%s' limit (select "
                           "max(rowid) / 4 + 1 from ProductsTable))",
                           {categoryId.text()})) == 1;
    return db_.queryEach(
        large ? db_.compose("selectChoiceValuesForLargeCategory", 0,
                            "select recordId, field13, field14, field12, field15, "
                            "field10, field08 from ProductsTable where +field03 = '%s'",
                            {categoryId.text()})
              : db_.compose("selectChoiceValuesForCategory", 0,
                            "select recordId, field13, field14, field12, field15, "
                            "field10, field08 from ProductsTable where field03 = '%s'",
                            {categoryId.text()}),
        [&](const Database::Columns& row) {
            visit(ChoiceValuesView{row.view(0), row.view(1), row.view(2), row.view(3), row.view(4),
                                   row.view(5), row.view(6)});
        });
}

std::vector<std::string> CatalogueStore::selectAllRecordIDFromProductsTable() {
    return db_.queryTexts(
        db_.compose("selectAllRecordIDFromProductsTable", 0, "select recordId from ProductsTable"));
}

std::vector<CategoryRow> CatalogueStore::selectCategories() {
    return db_.queryRows(
        db_.compose("selectCategories", 0, "select Recordid, Category from Categories"),
        [](const Database::Columns& row) { return idAndCategory(row); });
}

std::vector<CategoryRow> CatalogueStore::selectCategoriesForCategoryScreen() {
    return db_.queryRows(
        db_.compose("selectCategoriesForCategoryScreen", 0,
                    "SELECT Categories.Recordid, Categories.Category FROM Categories, "
                    "productstable  WHERE  productstable.field03 = Categories.RecordId "
                    "GROUP BY Categories.Category HAVING count(Categories.Recordid) >0"),
        [](const Database::Columns& row) { return idAndCategory(row); });
}

std::string CatalogueStore::selectCategoryForId(CategoryId categoryId) {
    return db_.queryLast(db_.compose("selectCategoryForId", 0,
                                     "select Category from Categories where Recordid = %d",
                                     {categoryId.value}));
}

std::optional<TimestampRow> CatalogueStore::selectTimestamp() {
    return db_.queryFirst(
        db_.compose("selectTimestamp", 0, "select rows, dtimestamp, utimestamp from Timestamp"),
        [](const Database::Columns& row) {
            return TimestampRow{row.text(0), row.text(1), row.text(2)};
        });
}

void CatalogueStore::updateDTimestamp(const std::string& timestamp, const std::string& rows) {
    db_.execute(db_.compose("updateDTimestamp", 3000,
                            "UPDATE Timestamp SET dtimestamp = '%s' , rows = '%s' WHERE rowid = 1",
                            {timestamp, rows}));
}

void CatalogueStore::updateDTimestampRows(const std::string& rows) {
    db_.log_.write("Inside updateDTimestampRows");
    std::optional<std::string> sql = db_.compose(
        "updateDTimestampRows", 3000, "UPDATE Timestamp SET rows = '%s' WHERE rowid = 1", {rows});
    db_.executeTraced(sql, "Inside updateDTimestampRows");
}

std::string CatalogueStore::selectMaxTimestamp() {
    return db_.queryLast(
        db_.compose("selectMaxTimestamp", 0, "SELECT MAX(field06) FROM ProductsTable"));
}

std::string CatalogueStore::selectMaxTimestampUpTo(const std::string& latest) {
    return db_.queryLast(
        db_.compose("selectMaxTimestampUpTo", 0,
                    "SELECT MAX(field06) FROM ProductsTable WHERE field06 <= '%s' AND "
                    "field06 GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] "
                    "[0-9][0-9]:[0-9][0-9]:[0-9][0-9]'",
                    {latest}));
}

void CatalogueStore::insertIntoDatabase(const std::string& /*ignored*/,
                                        const CatalogueRecord& record) {
    if (record.id < INT_MIN || record.id > INT_MAX) {
        db_.log_.write("insertIntoDatabase: identifier " + formatInt(record.id) +
                       " out of range, nothing inserted");
        db_.noteFailedWrite();
        return;
    }
    // The statement's values are the fields in column order, then the identifier.
    std::vector<SqlArg> values(record.fields.begin(), record.fields.end());
    values.emplace_back(static_cast<int>(record.id));
    db_.execute(db_.compose("insertIntoDatabase", insertIntoDatabaseLimit, insertIntoDatabaseFormat,
                            values));
}

void CatalogueStore::deleteProductFromMainTable(ProductId productId) {
    db_.execute(db_.compose("deleteProductFromMainTable", 100,
                            "Delete from ProductsTable where recordId = %d", {productId.value}));
}

} // namespace tolvane
