#include "StoreFixture.h"
#include "store/CatalogueStore.h"
#include "store/PlannerStore.h"

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
    PlannerStore(*db).setFavorite(ProductId{5}, 1, "3");
    PlannerStore(*db).setFavorite(ProductId{6}, 1, "4");
    EXPECT_EQ(PlannerStore(*db).selectProductFavoriteIds(), (List{"5", "6"}));
    // Plain byte order: upper case first.
    EXPECT_EQ(PlannerStore(*db).selectProductFavoriteCategorywise(),
              (Favourites{{"Zucker", "5", "Z", "2", "3"}, {"apple", "6", "A", "2", "4"}}));
    EXPECT_EQ(PlannerStore(*db).selectProductFavoriteFolderWise(ProductId{6}),
              (Favourites{{"apple", "6", "A", "2", "4"}}));
    PlannerStore(*db).searchFavNameExist(ProductId{5});
    EXPECT_EQ(db->namesArr(), List{"1"});
    PlannerStore(*db).updateMainProductOrderForId("0", ProductId{6});
    EXPECT_EQ(PlannerStore(*db).selectProductFavoriteFolderWise(ProductId{6})[0].sortOrder, "0");

    PlannerStore(*db).setFavorite(ProductId{5}, 0, "");
    EXPECT_EQ(PlannerStore(*db).selectProductFavoriteIds(), List{"6"});
    PlannerStore(*db).searchFavNameExist(ProductId{5});
    EXPECT_EQ(db->namesArr(), List{"0"});
    PlannerStore(*db).searchFavNameExist(ProductId{999});
    EXPECT_TRUE(db->namesArr().empty());
}

TEST(FavouriteBindingTest, FlagIsBoundAsAnInteger) {
    // Without column affinity a flag bound as text '1' would not compare equal to 1.
    TempDir dir;
    const std::string path = dir.path() + "/Tolvane.db";
    createShippedFile(path, storeSeed("BLOB"));
    NullLog log;
    Database db(path, log);
    CatalogueStore(db).insertIntoDatabase("", catalogueRecord(3, "Brot", "B"));
    PlannerStore(db).setFavorite(ProductId{3}, 1, "0");
    EXPECT_EQ(sqlRows(path, "SELECT typeof(favFlag) FROM ProductsTable"), (Rows{{"integer"}}));
    EXPECT_EQ(PlannerStore(db).selectProductFavoriteIds(), List{"3"});
    EXPECT_TRUE(CatalogueStore(db).selectProductDetail(ProductId{3})->favourite());
}

TEST_F(PlannerTest, MenuFoldersOrderedByPositionNumber) {
    EXPECT_EQ(PlannerStore(*db).selectMenuItemsSortByOrder(), seededFolders);
    for (int i = 5; i <= 11; ++i)
        PlannerStore(*db).insertIntoMenuFolder(
            std::to_string(15 - i), "Ordner " + std::to_string(i), "0", FolderId{i}, "0");
    PlannerStore(*db).insertIntoMenuFolder("11", "Peter's Menü", "120", FolderId{12}, "0");
    List names;
    for (const FolderRow& folder : PlannerStore(*db).selectMenuItemsSortByOrder())
        names.push_back(folder.name);
    EXPECT_EQ(names, (List{"Menu List Item 2", "Menu List Item 3", "Menu List Item 4",
                           "Menu List Item 1", "Ordner 11", "Ordner 10", "Ordner 9", "Ordner 8",
                           "Ordner 7", "Ordner 6", "Ordner 5", "Peter's Menü"}));
    const FolderRow peters{"Peter's Menü", "120", "11", "12", "0"};
    EXPECT_EQ(PlannerStore(*db).selectMenuItemsSortByRecordID().back(), peters);

    PlannerStore(*db).updateMenuItemsSortByOrder("-1", FolderId{12});
    EXPECT_EQ(PlannerStore(*db).selectMenuItemsSortByOrder().front(),
              (FolderRow{"Peter's Menü", "120", "-1", "12", "0"}));
    PlannerStore(*db).deleteMenuItemsSortByOrder(FolderId{12});
    EXPECT_EQ(PlannerStore(*db).selectMenuItemsSortByOrder().size(), 11u);
    EXPECT_EQ(PlannerStore(*db).selectCaloryValueForUpdation(FolderId{12}), "");
}

TEST_F(PlannerTest, MembershipsKeepDuplicatesAndDeleteTogether) {
    PlannerStore(*db).insertIntoFavorite_Menulistfolder(ProductId{7}, FolderId{1});
    PlannerStore(*db).insertIntoFavorite_Menulistfolder(ProductId{7}, FolderId{1});
    PlannerStore(*db).insertIntoFavorite_Menulistfolder(ProductId{7}, FolderId{2});
    PlannerStore(*db).insertIntoFavorite_Menulistfolder(ProductId{8}, FolderId{1});
    EXPECT_EQ(PlannerStore(*db).selectAllRecordIDFromFavoriteTable(), (List{"7", "7", "7", "8"}));
    EXPECT_EQ(PlannerStore(*db).selectProductsFavoriteExistToFolder(FolderId{1}, ProductId{7}),
              (List{"7", "7"}));
    EXPECT_TRUE(
        PlannerStore(*db).selectProductsFavoriteExistToFolder(FolderId{3}, ProductId{7}).empty());
    EXPECT_EQ(PlannerStore(*db).selectProductsAccordingToFolder(FolderId{1}),
              (List{"7", "7", "8"}));
    EXPECT_EQ(PlannerStore(*db).selectFoldersAccordingToProduct(ProductId{7}),
              (List{"1", "1", "2"}));

    PlannerStore(*db).deleteFavoriteFromMenuFolder(ProductId{7}, FolderId{1});
    EXPECT_EQ(PlannerStore(*db).selectAllRecordIDFromFavoriteTable(), (List{"7", "8"}));
    PlannerStore(*db).deleteMenuFolderFavoriteItems(FolderId{1});
    EXPECT_EQ(PlannerStore(*db).selectAllRecordIDFromFavoriteTable(), List{"7"});
    PlannerStore(*db).deleteProductFromFavoriteMenuFolder(ProductId{7});
    EXPECT_TRUE(PlannerStore(*db).selectAllRecordIDFromFavoriteTable().empty());
}

TEST_F(PlannerTest, ShortDeletesRefuseOverlongIdentifiersAtTheBoundary) {
    // "Delete from Favorite_Menufolder where productId = '' and menufolderId= ''" is 73 bytes;
    // with the terminating zero the statement may hold 26 bytes of identifiers.
    const ProductId product{1111111111111111111}; // 19 digits
    PlannerStore(*db).insertIntoFavorite_Menulistfolder(product, FolderId{1234567});
    PlannerStore(*db).insertIntoFavorite_Menulistfolder(product, FolderId{12345678});
    PlannerStore(*db).deleteFavoriteFromMenuFolder(product, FolderId{12345678});
    EXPECT_EQ(PlannerStore(*db).selectFoldersAccordingToProduct(product),
              (List{"1234567", "12345678"}));
    PlannerStore(*db).deleteFavoriteFromMenuFolder(product, FolderId{1234567});
    EXPECT_EQ(PlannerStore(*db).selectFoldersAccordingToProduct(product), List{"12345678"});
}

TEST_F(PlannerTest, ConsumptionRows) {
    PlannerStore(*db).newUpdateIntoEditConsumptionTable(ProductId{5}, "Müsli", "Kellogg's", "2",
                                                        "g", "3.1", "1.2", "5.5", "0.4", "120",
                                                        FolderId{1});
    PlannerStore(*db).newUpdateIntoEditConsumptionTable(ProductId{5}, "Müsli", "Kellogg's", "2",
                                                        "g", "3.1", "1.2", "5.5", "0.4", "120",
                                                        FolderId{2});
    EXPECT_EQ(PlannerStore(*db).selectProductDetailForEdit(ProductId{5}, FolderId{1}),
              (std::vector<ConsumptionRow>{{{"3.1", "1.2", "5.5", "0.4", "120"}, "g", "1"}}));
    PlannerStore(*db).updateIntoEditConsumptionTable("50g", "1.55", "0.6", "2.75", "0.2", "60",
                                                     ProductId{5}, FolderId{1});
    EXPECT_EQ(PlannerStore(*db).selectProductDetailForEdit(ProductId{5}, FolderId{1}),
              (std::vector<ConsumptionRow>{{{"1.55", "0.6", "2.75", "0.2", "60"}, "50g", "1"}}));
    EXPECT_EQ(PlannerStore(*db).selectCaloryValueFromEditConsumptionForUpdation(ProductId{5},
                                                                                FolderId{2}),
              "120");
    EXPECT_EQ(PlannerStore(*db).selectFolderIdFromProductID(ProductId{5}), (List{"1", "2"}));
    EXPECT_EQ(sqlRows(path, "SELECT manufactor_name FROM edit_product_consumption LIMIT 1"),
              (Rows{{"Kellogg's"}}));

    PlannerStore(*db).deleteFavoriteFromEditConsumptionAccordingtoItems(ProductId{5}, FolderId{1});
    EXPECT_EQ(PlannerStore(*db).selectFolderIdFromProductID(ProductId{5}), List{"2"});
    PlannerStore(*db).newUpdateIntoEditConsumptionTable(ProductId{6}, "A", "B", "2", "g", "1", "1",
                                                        "1", "1", "1", FolderId{2});
    PlannerStore(*db).deleteFavoriteFromEditConsumptionAccordingtoFolder(FolderId{2});
    EXPECT_TRUE(PlannerStore(*db).selectFolderIdFromProductID(ProductId{5}).empty());
    EXPECT_TRUE(PlannerStore(*db).selectFolderIdFromProductID(ProductId{6}).empty());
    EXPECT_EQ(PlannerStore(*db).selectCaloryValueFromEditConsumptionForUpdation(ProductId{5},
                                                                                FolderId{2}),
              "");
}

} // namespace tolvane::test
