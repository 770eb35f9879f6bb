#include "StoreFixture.h"

namespace tolvane::test {

using List = std::vector<std::string>;
using Favourites = std::vector<FavoriteRow>;

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
    EXPECT_EQ(db->selectProductFavoriteId("5"), (std::vector<ListRow>{{"Zucker", "Z", "5"}}));
    EXPECT_EQ(db->selectProductFavoriteIds(), (List{"5", "6"}));
    const Favourites unordered{{"Zucker", "5", "Z", "2", ""}, {"apple", "6", "A", "2", ""}};
    EXPECT_EQ(db->selectProductFavorite(), unordered);
    EXPECT_EQ(db->selectProductFavoriteByCategoryid("2"), unordered);
    // Plain byte order: upper case first.
    EXPECT_EQ(db->selectProductFavoriteCategorywise(),
              (Favourites{{"Zucker", "5", "Z", "2", "3"}, {"apple", "6", "A", "2", "4"}}));
    EXPECT_EQ(db->selectProductFavoriteFolderWise(6), (Favourites{{"apple", "6", "A", "2", "4"}}));
    db->searchFavNameExist("5");
    EXPECT_EQ(db->namesArr(), List{"1"});
    db->updateMainProductOrderForId("0", "6");
    EXPECT_EQ(db->selectProductFavoriteFolderWise(6)[0].sortOrder, "0");

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
    db.insertIntoDatabase("", catalogueRecord(3, "Brot", "B"));
    db.setFavorite("3", 1, "0");
    EXPECT_EQ(sqlRows(path, "SELECT typeof(favFlag) FROM ProductsTable"), (Rows{{"integer"}}));
    EXPECT_EQ(db.selectProductFavoriteIds(), List{"3"});
    EXPECT_TRUE(db.selectProductDetail("3")->favourite());
}

TEST_F(PlannerTest, MenuFoldersOrderedByPositionNumber) {
    EXPECT_EQ(db->selectMenuItemsSortByOrder(), seededFolders);
    for (int i = 5; i <= 11; ++i)
        db->insertIntoMenuFolder(std::to_string(15 - i), "Ordner " + std::to_string(i), "0", i,
                                 "0");
    db->insertIntoMenuFolder("11", "Peter's Menü", "120", 12, "0");
    List names;
    for (const FolderRow& folder : db->selectMenuItemsSortByOrder())
        names.push_back(folder.name);
    EXPECT_EQ(names, (List{"Menu List Item 2", "Menu List Item 3", "Menu List Item 4",
                           "Menu List Item 1", "Ordner 11", "Ordner 10", "Ordner 9", "Ordner 8",
                           "Ordner 7", "Ordner 6", "Ordner 5", "Peter's Menü"}));
    const FolderRow peters{"Peter's Menü", "120", "11", "12", "0"};
    EXPECT_EQ(db->selectMenuItemsSortByRecordID().back(), peters);

    db->updateMenuItemsSortByOrder("-1", "12");
    EXPECT_EQ(db->selectMenuItemsSortByOrder().front(),
              (FolderRow{"Peter's Menü", "120", "-1", "12", "0"}));
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
    db->deleteFavoriteFromMenuFolder(product, "123456");
    EXPECT_EQ(db->selectFoldersAccordingToProduct(product), List{"1234567"});
}

TEST_F(PlannerTest, ConsumptionRows) {
    db->newUpdateIntoEditConsumptionTable("5", "Müsli", "Kellogg's", "2", "g", "3.1", "1.2", "5.5",
                                          "0.4", "120", "1");
    db->newUpdateIntoEditConsumptionTable("5", "Müsli", "Kellogg's", "2", "g", "3.1", "1.2", "5.5",
                                          "0.4", "120", "2");
    EXPECT_EQ(db->selectProductDetailForEdit("5", "1"),
              (std::vector<ConsumptionRow>{{{"3.1", "1.2", "5.5", "0.4", "120"}, "g", "1"}}));
    db->updateIntoEditConsumptionTable("50g", "1.55", "0.6", "2.75", "0.2", "60", "5", "1");
    EXPECT_EQ(db->selectProductDetailForEdit("5", "1"),
              (std::vector<ConsumptionRow>{{{"1.55", "0.6", "2.75", "0.2", "60"}, "50g", "1"}}));
    EXPECT_EQ((std::vector{db->selectCaloryForId("5", "1"), db->selectEinheitForId("5", "1"),
                           db->selectEinheitForId("5 or 1", "1"),
                           db->selectCaloryValueFromEditConsumptionForUpdation("5", "2")}),
              (List{"60", "50g", "", "120"}));
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
