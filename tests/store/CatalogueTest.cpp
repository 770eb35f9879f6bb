#include "StoreFixture.h"
#include "store/CatalogueStore.h"
#include "store/OwnProductStore.h"
#include "store/PlannerStore.h"

namespace tolvane::test {

using List = std::vector<std::string>;
using Names = std::vector<ListRow>;

class CatalogueTest : public StoreTest {};

TEST_F(CatalogueTest, RowsCarryNullsAndIntegerColumns) {
    addProduct(7, "Milch", "Aldi", "3");
    execSql(path, "UPDATE ProductsTable SET field05 = NULL, field13 = '' WHERE recordId = 7");
    EXPECT_EQ(
        CatalogueStore(*db).selectProductDetail(ProductId{7}),
        (ProductRecord{"Milch", "7", "Aldi", "3", "0", {"", "1.2", "5.5", "0.4", "120"}, "g", ""}));

    execSql(path, "INSERT INTO Categories VALUES (3, 'Milchprodukte'), (NULL, 'Ohne'), "
                  "('12abc', 'Text')");
    // Recordid is read as an integer: NULL and text give their integer value.
    EXPECT_EQ(CatalogueStore(*db).selectCategories(),
              (std::vector<CategoryRow>{{"3", "Milchprodukte"}, {"0", "Ohne"}, {"12", "Text"}}));
    EXPECT_EQ(CatalogueStore(*db).selectCategoriesForCategoryScreen(),
              (std::vector<CategoryRow>{{"3", "Milchprodukte"}}));
    EXPECT_EQ(CatalogueStore(*db).selectCategoryForId(CategoryId{3}), "Milchprodukte");
    EXPECT_EQ(CatalogueStore(*db).selectCategoryForId(CategoryId{99}), "");
}

TEST_F(CatalogueTest, EveryReadKeepsValuesWithSeparatorsAndOfAnyLengthWhole) {
    const std::string name = "PIPE A|B|C Schoko", maker = "pipe|maker";
    addProduct(5, name, maker, "2");
    PlannerStore(*db).setFavorite(ProductId{5}, 1, "0");
    // No row buffer: a value far longer than any statement is read back whole.
    const std::string longName = "PIPE " + std::string(400000, 'x');
    execSql(path, "INSERT INTO ProductsTable (field01, field02, field03, recordId) VALUES ('" +
                      longName + "', '|', '2', 6)");
    const Names both{{name, maker, "5"}, {longName, "|", "6"}};
    Names visited;
    EXPECT_TRUE(CatalogueStore(*db).selectProduct([&](const ListRowView& row) {
        visited.push_back(
            {std::string(row.name), std::string(row.maker), std::string(row.recordId)});
    }));
    for (const Names& rows :
         {CatalogueStore(*db).selectProduct(), visited, CatalogueStore(*db).Search("PIPE", "x"),
          CatalogueStore(*db).Search("PIPE", "x", CategoryId{2})})
        EXPECT_EQ(rows, both);
    EXPECT_EQ(CatalogueStore(*db).selectProductsForCategory(CategoryId{2}).at(0),
              (CategoryProductRow{name, "5", maker, "2", "0", fixtureNutrients, "g"}));
    EXPECT_EQ(CatalogueStore(*db).selectProductDetail(ProductId{5}),
              (ProductRecord{name, "5", maker, "2", "1", fixtureNutrients, "g", "250"}));
    EXPECT_EQ(PlannerStore(*db).selectProductFavorite(),
              (std::vector<FavoriteRow>{{name, "5", maker, "2", ""}}));
}

TEST_F(CatalogueTest, SelectProductFoldsUmlautsForTheOrder) {
    const Names folded{{"Äpfel", "Bio", "4"},       {"Apfelmus", "Coop", "3"},
                       {"Milch", "Aldi", "6"},      {"Milch", "Öko", "5"},
                       {"Zwieback", "Brandt", "1"}, {"Éclair", "Migros", "2"}};
    for (auto row = folded.rbegin(); row != folded.rend(); ++row)
        addProduct(integerValue(row->recordId), row->name, row->maker);
    EXPECT_EQ(CatalogueStore(*db).selectProduct(), folded);
}

TEST_F(CatalogueTest, MakerWithApostropheIsStoredExactly) {
    addProduct(1, "Big Mac", "McDonald's", "4");
    EXPECT_EQ(CatalogueStore(*db).selectProductDetail(ProductId{1})->maker, "McDonald's");
}

TEST_F(CatalogueTest, ACategorysProductsAndValues) {
    addProduct(1, "Brot", "Bäcker", "2");
    addProduct(2, "Butter", "Emmi", "2");
    addProduct(3, "Milch", "Emmi", "3");
    EXPECT_EQ(CatalogueStore(*db).selectProductsForCategory(CategoryId{2}).size(), 2u);
    EXPECT_EQ(CatalogueStore(*db).selectProductDetailForCategory(CategoryId{2})[0],
              (CategoryValuesRow{fixtureNutrients, "g", "2012-01-01"}));
}

TEST_F(CatalogueTest, OverlongStatementIsRefused) {
    CatalogueRecord record = catalogueRecord(40, "Langer Name", "Hersteller");
    for (std::size_t i = 15; i < record.fields.size(); ++i)
        record.fields[i] = std::string(100, 'x');
    CatalogueStore(*db).insertIntoDatabase("", record);
    EXPECT_EQ(CatalogueStore(*db).selectProductCount(), 0);

    // updateDTimestamp: the statement of 3000 bytes including the zero is the largest allowed.
    const std::string format = "UPDATE Timestamp SET dtimestamp = '' , rows = '' WHERE rowid = 1";
    const std::string fits(2999 - format.size() - 1, '9');
    CatalogueStore(*db).updateDTimestamp(fits, "1");
    EXPECT_EQ(CatalogueStore(*db).selectTimestamp(), (TimestampRow{"1", fits, "x"}));
    CatalogueStore(*db).updateDTimestamp(fits + "9", "2");
    EXPECT_EQ(CatalogueStore(*db).selectTimestamp(), (TimestampRow{"1", fits, "x"}));
}

TEST_F(CatalogueTest, TimestampBookkeeping) {
    EXPECT_EQ(CatalogueStore(*db).selectTimestamp(), (TimestampRow{"0", "", "x"}));
    CatalogueStore(*db).updateDTimestampRows("250");
    EXPECT_EQ(CatalogueStore(*db).selectTimestamp(), (TimestampRow{"250", "", "x"}));
    CatalogueStore(*db).updateDTimestamp("2013-05-02 10:00:00", "0");
    EXPECT_EQ(CatalogueStore(*db).selectTimestamp(),
              (TimestampRow{"0", "2013-05-02 10:00:00", "x"}));
}

TEST_F(CatalogueTest, InsertDeleteAndCounts) {
    addProduct(11, "Brot", "Bäcker", "2");
    addProduct(11, "Brot", "Bäcker", "2");
    EXPECT_EQ(CatalogueStore(*db).selectProductCount(), 2);
    EXPECT_EQ(CatalogueStore(*db).selectProductCountForCategory(CategoryId{2}), 2);
    CatalogueStore(*db).deleteProductFromMainTable(ProductId{11});
    EXPECT_EQ(CatalogueStore(*db).selectProductCount(), 0);
    addProduct(12, "A", "B");
    addProduct(13, "C", "D");
    EXPECT_EQ(CatalogueStore(*db).selectAllRecordIDFromProductsTable(), (List{"12", "13"}));
}

TEST_F(CatalogueTest, ChoiceValuesOfALargeAndASmallCategoryAreAllOfTheirProducts) {
    // Category 2 holds most of the table (read in one pass), 3 and 4 few (read by the index).
    for (long long id : {21, 31, 22, 23, 41, 24, 25})
        addProduct(id, "P", "M", std::to_string(id / 10));
    execSql(path, "UPDATE ProductsTable SET field13 = '9,5', field08 = 'ml' WHERE recordId = 23");
    for (const auto& [category, ids] : std::vector<std::pair<std::string, List>>{
             {"2", {"21", "22", "23", "24", "25"}}, {"3", {"31"}}, {"4", {"41"}}, {"5", {}}}) {
        List read;
        EXPECT_TRUE(CatalogueStore(*db).selectChoiceValuesForCategory(
            CategoryId::of(category), [&](const ChoiceValuesView& row) {
                read.push_back(std::string(row.recordId));
                EXPECT_TRUE(row.recordId != "23" || (row.fat == "9,5" && row.unit == "ml"));
            }));
        EXPECT_EQ(read, ids) << category;
    }
}

TEST_F(CatalogueTest, MissingFileGivesEmptyResultsAndIsNotCreated) {
    MemoryLog otherLog;
    const std::string missing = dir.path() + "/none.db";
    Database other(missing, otherLog);
    EXPECT_TRUE(CatalogueStore(other).selectProduct().empty() &&
                CatalogueStore(other).selectMaxTimestamp().empty());
    EXPECT_FALSE(CatalogueStore(other).selectProduct([](const ListRowView&) {}));
    EXPECT_EQ(CatalogueStore(other).selectProductCount(), 0);
    CatalogueStore(other).updateDTimestamp("1", "2");
    EXPECT_FALSE(other.OpenDB() || other.NameDBConnect());
    EXPECT_FALSE(std::filesystem::exists(missing));
}

} // namespace tolvane::test
