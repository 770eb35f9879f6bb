// The store's operations that nothing in the application calls (the screens search the held
// list, not the file), run together on one file so that their statements keep doing what their
// names say.
#include "StoreFixture.h"
#include "store/CatalogueStore.h"
#include "store/PlannerStore.h"

namespace tolvane::test {

using Names = std::vector<ListRow>;
using Favourites = std::vector<FavoriteRow>;

class UncalledOperationsTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        seedAppTables();
    }
};

TEST_F(UncalledOperationsTest, EachStatementReadsWhatItsNameSays) {
    CatalogueStore catalogue(*db);
    PlannerStore planner(*db);
    EXPECT_EQ(catalogue.selectMaxTimestamp(), "");
    addProduct(1, "Joghurt", "Müller", "2");
    addProduct(2, "Quark", "MÜLLER", "2");
    addProduct(3, "milchreis", "Emmi", "3");
    addProduct(4, "Milchbrötchen", "Coop", "3");
    addProduct(5, "Vollmilch", "Coop", "3");
    addProduct(6, "Big Mac", "McDonald's", "4");

    // Patterns get "%" appended; LIKE folds ASCII letters only.
    EXPECT_EQ(catalogue.Search("%müller", "%müller"), (Names{{"Joghurt", "Müller", "1"}}));
    EXPECT_EQ(catalogue.Search("MILCH", "MILCH"),
              (Names{{"Milchbrötchen", "Coop", "4"}, {"milchreis", "Emmi", "3"}}));
    EXPECT_TRUE(catalogue.Search("Käse", "Käse").empty());
    EXPECT_EQ(catalogue.Search("%McDonald's", "%McDonald's"),
              (Names{{"Big Mac", "McDonald's", "6"}}));
    EXPECT_EQ(catalogue.Search("x", "McDonald's", CategoryId{4}),
              (Names{{"Big Mac", "McDonald's", "6"}}));
    EXPECT_TRUE(catalogue.Search("MILCH", "MILCH", CategoryId{2}).empty());
    EXPECT_EQ((std::vector{catalogue.selectSearchCount("%müller", "%müller"),
                           catalogue.selectSearchCount("%milch", "xyz"),
                           catalogue.selectSearchCount("Käse", "Käse"),
                           catalogue.selectSearchCountForCategory("x", "McDonald's", CategoryId{4}),
                           catalogue.selectSearchCountForCategory("x", "McDonald's", CategoryId{5}),
                           catalogue.selectSearchCountForCategory("%milch", "x", CategoryId{3})}),
              (std::vector{1, 3, 0, 1, 0, 3}));

    execSql(path, "UPDATE ProductsTable SET field06 = '2013-06-01' WHERE recordId = 3");
    EXPECT_EQ(catalogue.selectMaxTimestamp(), "2013-06-01");

    planner.setFavorite(ProductId{1}, 1, "3");
    planner.setFavorite(ProductId{3}, 1, "4");
    EXPECT_EQ(planner.selectProductFavorite(), (Favourites{{"Joghurt", "1", "Müller", "2", ""},
                                                           {"milchreis", "3", "Emmi", "3", ""}}));
    EXPECT_EQ(planner.selectProductFavoriteByCategoryid(CategoryId{3}),
              (Favourites{{"milchreis", "3", "Emmi", "3", ""}}));
    EXPECT_EQ(planner.selectProductFavoriteId(ProductId{1}), (Names{{"Joghurt", "Müller", "1"}}));
    EXPECT_TRUE(planner.selectProductFavoriteId(ProductId{2}).empty());

    planner.newUpdateIntoEditConsumptionTable(ProductId{1}, "Joghurt", "Müller", "2", "50g", "1",
                                              "1", "1", "1", "60", FolderId{1});
    EXPECT_EQ((std::vector{planner.selectCaloryForId(ProductId{1}, FolderId{1}),
                           planner.selectEinheitForId(ProductId{1}, FolderId{1}),
                           planner.selectCaloryForId(ProductId{1}, FolderId{2}),
                           planner.selectEinheitForId(ProductId{2}, FolderId{1})}),
              (std::vector<std::string>{"60", "50g", "", ""}));
}

} // namespace tolvane::test
