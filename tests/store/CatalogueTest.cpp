#include "StoreFixture.h"

namespace tolvane::test {

using List = std::vector<std::string>;

class CatalogueTest : public StoreTest {};

TEST_F(CatalogueTest, RecordStringsRenderNullsAndIntegerColumns) {
    addProduct(7, "Milch", "Aldi", "3");
    execSql(path, "UPDATE ProductsTable SET field05 = NULL, field13 = '' WHERE recordId = 7");
    EXPECT_EQ(db->selectProductDetail("7"), List{"Milch|7|Aldi|3|0||1.2|5.5|0.4|120|g|"});

    execSql(path, "INSERT INTO Categories VALUES (3, 'Milchprodukte'), (NULL, 'Ohne'), "
                  "('12abc', 'Text')");
    // Recordid is read as an integer: NULL and text give their integer value.
    EXPECT_EQ(db->selectCategories(), (List{"3|Milchprodukte", "0|Ohne", "12|Text"}));
    EXPECT_EQ(db->selectCategoriesForCategoryScreen(), List{"3|Milchprodukte"});
    EXPECT_EQ(db->selectCategoryForId("3.9"), "Milchprodukte");
    EXPECT_EQ(db->selectCategoryForId("99"), "");
}

TEST_F(CatalogueTest, SelectProductFoldsUmlautsForTheOrder) {
    addProduct(1, "Zwieback", "Brandt");
    addProduct(2, "Éclair", "Migros");
    addProduct(3, "Apfelmus", "Coop");
    addProduct(4, "Äpfel", "Bio");
    addProduct(5, "Milch", "Öko");
    addProduct(6, "Milch", "Aldi");
    EXPECT_EQ(db->selectProduct(), (List{"Äpfel|Bio|4", "Apfelmus|Coop|3", "Milch|Aldi|6",
                                         "Milch|Öko|5", "Zwieback|Brandt|1", "Éclair|Migros|2"}));
}

TEST_F(CatalogueTest, SearchAppendsPercentAndUsesLikeRules) {
    addProduct(1, "Joghurt", "Müller");
    addProduct(2, "Quark", "MÜLLER");
    addProduct(3, "milchreis", "Emmi");
    addProduct(4, "Milchbrötchen", "Coop");
    addProduct(5, "Vollmilch", "Coop");

    EXPECT_EQ(db->Search("%müller", "%müller"), List{"Joghurt|1|Müller"});
    EXPECT_EQ(db->selectSearchCount("%müller", "%müller"), 1);
    // Prefix match, ASCII letters regardless of case.
    EXPECT_EQ(db->Search("MILCH", "MILCH"), (List{"Milchbrötchen|4|Coop", "milchreis|3|Emmi"}));
    EXPECT_EQ(db->selectSearchCount("%milch", "xyz"), 3);
    EXPECT_TRUE(db->Search("Käse", "Käse").empty());
    EXPECT_EQ(db->selectSearchCount("Käse", "Käse"), 0);
}

TEST_F(CatalogueTest, MakerWithApostropheIsStoredMatchedAndSearchedExactly) {
    addProduct(1, "Big Mac", "McDonald's", "4");
    addProduct(2, "Cheeseburger", "McDonalds", "4");
    EXPECT_EQ(db->selectProductDetail("1")[0].substr(0, 21), "Big Mac|1|McDonald's|");
    EXPECT_EQ(db->Search("%McDonald's", "%McDonald's"), List{"Big Mac|1|McDonald's"});
    EXPECT_EQ(db->Search("x", "McDonald's", "4"), List{"Big Mac|1|McDonald's"});
    EXPECT_EQ(db->selectSearchCountForCategory("x", "McDonald's", "4"), 1);
    EXPECT_EQ(db->selectSearchCountForCategory("x", "McDonald's", "5"), 0);
    // The category is compared as quoted text, so a quote in it cannot widen the match.
    EXPECT_TRUE(db->Search("%", "%", "4' or '1'='1").empty());
}

TEST_F(CatalogueTest, IdentifiersThatAreNotDigitsNeverReachSqlite) {
    addProduct(1, "Brot", "Bäcker", "2");
    addProduct(2, "Butter", "Emmi", "2");
    // Run as SQL, each of these would match every row.
    EXPECT_TRUE(db->selectProductDetail("1 or 1=1").empty());
    EXPECT_TRUE(db->selectProductsForCategory("field03").empty());
    EXPECT_TRUE(db->selectProductDetailForCategory("2 or 1").empty());
    EXPECT_TRUE(db->selectProductFavoriteId("1 or favFlag=0").empty());
    EXPECT_TRUE(db->selectProductForId("RecordId").empty());
    EXPECT_TRUE(log.containsPrefix("selectProductDetail:"));
    // Digits still work.
    EXPECT_EQ(db->selectProductsForCategory("2").size(), 2u);
    EXPECT_EQ(db->selectProductsForCategory("2")[0], "Brot|1|Bäcker|2|0|3.1|1.2|5.5|0.4|120|g");
    EXPECT_EQ(db->selectProductDetailForCategory("2")[0], "3.1|1.2|5.5|0.4|120|g|2012-01-01");
}

TEST_F(CatalogueTest, OverlongStatementIsRefusedAndLogged) {
    std::vector<std::string> fields = catalogueFields("Langer Name", "Hersteller");
    for (int i = 15; i < 24; ++i)
        fields[i] = std::string(100, 'x');
    db->insertIntoDatabase("", fields, 40);
    EXPECT_EQ(db->selectProductCount(), 0);
    EXPECT_EQ(log.lines().size(), 1u);
    EXPECT_TRUE(log.containsPrefix("insertIntoDatabase:"));

    // updateDTimestamp: the statement of 3000 bytes including the zero is the largest allowed.
    const std::string format = "UPDATE Timestamp SET dtimestamp = '' , rows = '' WHERE rowid = 1";
    const std::string fits(2999 - format.size() - 1, '9');
    db->updateDTimestamp(fits, "1");
    EXPECT_EQ(db->selectTimestamp(), List{"1|" + fits + "|x"});
    db->updateDTimestamp(fits + "9", "2");
    EXPECT_EQ(db->selectTimestamp(), List{"1|" + fits + "|x"});
}

TEST_F(CatalogueTest, RecordLongerThanItsLimitIsLeftOutWhole) {
    // "name|maker|id" of exactly 349,999 bytes is the longest record a caller receives.
    const auto insert = [this](int id, const std::string& name) {
        execSql(path, "INSERT INTO ProductsTable (field01, field02, recordId) VALUES ('" + name +
                          "', 'M', " + std::to_string(id) + ")");
    };
    insert(1, std::string(349999 - std::string("|M|1").size(), 'a'));
    insert(2, std::string(349999 - std::string("|M|2").size() + 1, 'b'));
    insert(3, "Brot");
    const List rows = db->selectProduct();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].size(), 349999u);
    EXPECT_EQ(rows[1], "Brot|M|3");
    EXPECT_TRUE(log.containsPrefix("record of 350000 bytes left out"));
}

TEST_F(CatalogueTest, TimestampBookkeeping) {
    EXPECT_EQ(db->selectTimestamp(), List{"0||x"});
    EXPECT_EQ(db->selectMaxTimestamp(), "");
    db->updateDTimestampRows("250");
    EXPECT_EQ(log.lines(), (List{"Inside updateDTimestampRows", "Inside updateDTimestampRows1",
                                 "Inside updateDTimestampRows2"}));
    db->updateDTimestamp("2013-05-02 10:00:00", "0");
    EXPECT_EQ(db->selectTimestamp(), List{"0|2013-05-02 10:00:00|x"});
    addProduct(1, "A", "B");
    execSql(path, "UPDATE ProductsTable SET field06 = '2013-06-01' WHERE recordId = 1");
    addProduct(2, "C", "D");
    EXPECT_EQ(db->selectMaxTimestamp(), "2013-06-01");
}

TEST_F(CatalogueTest, InsertDeleteAndCounts) {
    addProduct(11, "Brot", "Bäcker", "2");
    EXPECT_EQ(db->selectProductDetail("11"), List{"Brot|11|Bäcker|2|0|3.1|1.2|5.5|0.4|120|g|250"});
    addProduct(11, "Brot", "Bäcker", "2");
    EXPECT_EQ(db->selectProductCount(), 2);
    EXPECT_EQ(db->selectProductCountForCategory("2"), 2);
    db->deleteProductFromMainTable("11 kcal");
    EXPECT_EQ(db->selectProductCount(), 0);
    // Anything but exactly 24 fields inserts nothing.
    db->insertIntoDatabase("", std::vector<std::string>(23, "x"), 12);
    db->insertIntoDatabase("", std::vector<std::string>(25, "x"), 12);
    EXPECT_EQ(db->selectProductCount(), 0);
    addProduct(12, "A", "B");
    addProduct(13, "C", "D");
    EXPECT_EQ(db->selectAllRecordIDFromProductsTable(), (List{"12", "13"}));
}

TEST_F(CatalogueTest, MissingFileGivesEmptyResultsAndIsNotCreated) {
    MemoryLog otherLog;
    const std::string missing = dir.path() + "/none.db";
    Database other(missing, otherLog);
    EXPECT_TRUE(other.selectProduct().empty());
    EXPECT_EQ(other.selectProductCount(), 0);
    EXPECT_EQ(other.selectMaxTimestamp(), "");
    other.updateDTimestamp("1", "2");
    EXPECT_FALSE(other.OpenDB());
    EXPECT_FALSE(other.NameDBConnect());
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_EQ(other.GetDatabasePath(), missing);
}

} // namespace tolvane::test
