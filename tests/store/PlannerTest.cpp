#include "StoreFixture.h"

namespace tolvane::test {

using List = std::vector<std::string>;

class PlannerTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        seedAppTables();
    }
};

TEST_F(PlannerTest, FavouriteFlagAndPosition) {
    addProduct(5, "Zucker", "Z", "2");
    addProduct(6, "apple", "A", "2");
    addProduct(7, "Brot", "B", "3");
    db->setFavorite("5", 1, "3");
    db->setFavorite("6", 1, "4");
    EXPECT_EQ(db->selectProductFavoriteId("5"), List{"Zucker|5|Z"});
    EXPECT_EQ(db->selectProductFavoriteIds(), (List{"5", "6"}));
    EXPECT_EQ(db->selectProductFavorite(), (List{"Zucker|5|Z|2", "apple|6|A|2"}));
    // Plain byte order: upper case first.
    EXPECT_EQ(db->selectProductFavoriteCategorywise(), (List{"Zucker|5|Z|2|3", "apple|6|A|2|4"}));
    EXPECT_EQ(db->selectProductFavoriteByCategoryid("2"), (List{"Zucker|5|Z|2", "apple|6|A|2"}));
    EXPECT_EQ(db->selectProductFavoriteFolderWise(6), List{"apple|6|A|2|4"});
    db->searchFavNameExist("5");
    EXPECT_EQ(db->namesArr(), List{"1"});
    db->updateMainProductOrderForId("0", "6");
    EXPECT_EQ(db->selectProductFavoriteFolderWise(6), List{"apple|6|A|2|0"});

    db->setFavorite("5", 0, "");
    EXPECT_TRUE(db->selectProductFavoriteId("5").empty());
    db->searchFavNameExist("5");
    EXPECT_EQ(db->namesArr(), List{"0"});
    db->searchFavNameExist("999");
    EXPECT_TRUE(db->namesArr().empty());
}

TEST(FavouriteBindingTest, FlagIsBoundAsAnInteger) {
    // Without column affinity a flag bound as text '1' would not compare equal to 1.
    TempDir dir;
    const std::string path = dir.path() + "/Tolvane.db";
    createShippedFile(path, storeSeed("BLOB"));
    NullLog log;
    Database db(path, log);
    db.insertIntoDatabase("", catalogueFields("Brot", "B"), 3);
    db.setFavorite("3", 1, "0");
    EXPECT_EQ(sqlRows(path, "SELECT typeof(favFlag) FROM ProductsTable"), (Rows{{"integer"}}));
    EXPECT_EQ(db.selectProductFavoriteIds(), List{"3"});
    EXPECT_EQ(db.selectProductDetail("3")[0].substr(0, 11), "Brot|3|B|1|");
}

TEST_F(PlannerTest, MenuFoldersOrderedByPositionNumber) {
    EXPECT_EQ(db->selectMenuItemsSortByOrder(),
              (List{"Menu List Item 2|0|0|1|1", "Menu List Item 3|0|1|2|1",
                    "Menu List Item 4|0|2|3|1", "Menu List Item 1|0|3|4|1"}));
    for (int i = 5; i <= 11; ++i)
        db->insertIntoMenuFolder(std::to_string(15 - i), "Ordner " + std::to_string(i), "0", i,
                                 "0");
    db->insertIntoMenuFolder("11", "Peter's Menü", "120", 12, "0");
    const List folders = db->selectMenuItemsSortByOrder();
    ASSERT_EQ(folders.size(), 12u);
    List positions;
    for (const std::string& f : folders)
        positions.push_back(f.substr(0, f.find('|', f.find('|') + 1)));
    EXPECT_EQ(positions,
              (List{"Menu List Item 2|0", "Menu List Item 3|0", "Menu List Item 4|0",
                    "Menu List Item 1|0", "Ordner 11|0", "Ordner 10|0", "Ordner 9|0", "Ordner 8|0",
                    "Ordner 7|0", "Ordner 6|0", "Ordner 5|0", "Peter's Menü|120"}));
    EXPECT_EQ(db->selectMenuItemsSortByRecordID().back(), "Peter's Menü|120|11|12|0");

    db->updateMenuItemsSortByOrder("-1", "12");
    EXPECT_EQ(db->selectMenuItemsSortByOrder().front(), "Peter's Menü|120|-1|12|0");
    db->deleteMenuItemsSortByOrder("12");
    EXPECT_EQ(db->selectMenuItemsSortByOrder().size(), 11u);
    EXPECT_EQ(db->selectCaloryValueForUpdation("12"), "");
}

TEST_F(PlannerTest, MembershipsKeepDuplicatesAndDeleteTogether) {
    db->insertIntoFavorite_Menulistfolder("7", "1");
    db->insertIntoFavorite_Menulistfolder("7", "1");
    db->insertIntoFavorite_Menulistfolder("7", "2");
    db->insertIntoFavorite_Menulistfolder("8", "1");
    EXPECT_EQ(db->selectAllRecordIDFromFavoriteTable(), (List{"7", "7", "7", "8"}));
    EXPECT_EQ(db->selectProductsFavoriteExistToFolder("1", "7"), (List{"7", "7"}));
    EXPECT_TRUE(db->selectProductsFavoriteExistToFolder("3", "7").empty());
    EXPECT_EQ(db->selectProductsAccordingToFolder("1"), (List{"7", "7", "8"}));
    EXPECT_EQ(db->selectFoldersAccordingToProduct("7"), (List{"1", "1", "2"}));

    db->deleteFavoriteFromMenuFolder("7", "1");
    EXPECT_EQ(db->selectAllRecordIDFromFavoriteTable(), (List{"7", "8"}));
    db->deleteMenuFolderFavoriteItems("1");
    EXPECT_EQ(db->selectAllRecordIDFromFavoriteTable(), List{"7"});
    db->deleteProductFromFavoriteMenuFolder("7");
    EXPECT_TRUE(db->selectAllRecordIDFromFavoriteTable().empty());
}

TEST_F(PlannerTest, ShortDeletesRefuseOverlongIdentifiersAtTheBoundary) {
    // "Delete from Favorite_Menufolder where productId = '' and menufolderId= ''" is 73 bytes;
    // with the terminating zero the statement may hold 26 bytes of identifiers.
    const std::string product(20, '1');
    db->insertIntoFavorite_Menulistfolder(product, "123456");
    db->insertIntoFavorite_Menulistfolder(product, "1234567");
    db->deleteFavoriteFromMenuFolder(product, "1234567");
    EXPECT_EQ(db->selectFoldersAccordingToProduct(product), (List{"123456", "1234567"}));
    EXPECT_EQ(log.lines().size(), 1u);
    db->deleteFavoriteFromMenuFolder(product, "123456");
    EXPECT_EQ(db->selectFoldersAccordingToProduct(product), List{"1234567"});
}

TEST_F(PlannerTest, ConsumptionRows) {
    db->newUpdateIntoEditConsumptionTable("5", "Müsli", "Kellogg's", "2", "g", "3.1", "1.2", "5.5",
                                          "0.4", "120", "1");
    db->newUpdateIntoEditConsumptionTable("5", "Müsli", "Kellogg's", "2", "g", "3.1", "1.2", "5.5",
                                          "0.4", "120", "2");
    EXPECT_EQ(db->selectProductDetailForEdit("5", "1"), List{"3.1|1.2|5.5|0.4|120|g|1"});
    db->updateIntoEditConsumptionTable("50g", "1.55", "0.6", "2.75", "0.2", "60", "5", "1");
    EXPECT_EQ(db->selectProductDetailForEdit("5", "1"), List{"1.55|0.6|2.75|0.2|60|50g|1"});
    EXPECT_EQ(db->selectCaloryForId("5", "1"), "60");
    EXPECT_EQ(db->selectEinheitForId("5", "1"), "50g");
    EXPECT_EQ(db->selectEinheitForId("5 or 1", "1"), "");
    EXPECT_EQ(db->selectCaloryValueFromEditConsumptionForUpdation("5", "2"), "120");
    EXPECT_EQ(db->selectFolderIdFromProductID("5"), (List{"1", "2"}));
    EXPECT_EQ(sqlRows(path, "SELECT manufactor_name FROM edit_product_consumption LIMIT 1"),
              (Rows{{"Kellogg's"}}));

    db->deleteFavoriteFromEditConsumptionAccordingtoItems("5", "1");
    EXPECT_EQ(db->selectFolderIdFromProductID("5"), List{"2"});
    db->newUpdateIntoEditConsumptionTable("6", "A", "B", "2", "g", "1", "1", "1", "1", "1", "2");
    db->deleteFavoriteFromEditConsumptionAccordingtoFolder("2");
    EXPECT_TRUE(db->selectFolderIdFromProductID("5").empty());
    EXPECT_TRUE(db->selectFolderIdFromProductID("6").empty());
    EXPECT_EQ(db->selectCaloryForId("5", "2"), "");
}

} // namespace tolvane::test
