#include "screens/filing/PlannerWrites.h"
#include "PlannerTestStore.h"
#include "store/PlannerStore.h"

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class PlannerWritesTest : public ::testing::Test {
protected:
    PlannerWritesTest() {
        store.catalogue.add({.id = 10, .name = "Apfel", .kcal = "52.5", .unit = "g"});
        store.catalogue.add({.id = 11, .name = "Saft", .fat = "-1", .kcal = "-1", .unit = "ml"});
        store.catalogue.add({.id = 12, .name = "Riesig", .kcal = "99999999999"});
    }

    PlannerTestStore store;
    PlannerWrites writes{store.db};
};

} // namespace

TEST_F(PlannerWritesTest, CheckUncheckAndCheckAgain) {
    using F = PlannerWrites::Filing;
    EXPECT_EQ(writes.fileProduct(store.product(10), FolderId{2}), F::Filed);
    EXPECT_TRUE(store.holds(2, 10));
    EXPECT_EQ(store.total(2), "52"); // integer value of 52.5
    EXPECT_EQ(store.row(10, 2), (ConsumptionRow{{"1.0", "0.5", "2.0", "0.1", "52.5"}, "g", "2"}));

    // Already in the folder (filed elsewhere while a list was stale): nothing is written.
    EXPECT_EQ(writes.fileProduct(store.product(10), FolderId{2}), F::AlreadyFiled);
    EXPECT_EQ(store.total(2), "52");
    EXPECT_EQ(store.rowCount(10, 2), 1);

    EXPECT_TRUE(writes.unfileProduct(ProductId{10}, FolderId{2}));
    EXPECT_FALSE(store.holds(2, 10));
    EXPECT_FALSE(store.row(10, 2));
    EXPECT_EQ(store.total(2), "0");

    // Unchecking a folder that does not hold the product subtracts nothing.
    EXPECT_TRUE(writes.unfileProduct(ProductId{10}, FolderId{2}));
    EXPECT_EQ(store.total(2), "0");

    EXPECT_EQ(writes.fileProduct(store.product(10), FolderId{2}), F::Filed);
    EXPECT_EQ(store.total(2), "52");
    EXPECT_EQ(store.rowCount(10, 2), 1);
}

TEST_F(PlannerWritesTest, NegativeEnergyAddsNothingAndHugeEnergyDoesNotOverflow) {
    store.catalogue.exec("UPDATE Menu_Folder SET field2 = '2147483000' WHERE recordId = 3");
    writes.fileProduct(store.product(11), FolderId{1});
    EXPECT_EQ(store.total(1), "0");
    writes.fileProduct(store.product(12), FolderId{3});
    EXPECT_EQ(store.total(3), "102147482999");
    writes.unfileProduct(ProductId{12}, FolderId{3});
    EXPECT_EQ(store.total(3), "2147483000");
    writes.unfileProduct(ProductId{11}, FolderId{1});
    EXPECT_EQ(store.total(1), "0");
}

TEST_F(PlannerWritesTest, AFailureMidwayLeavesNothingHalfDone) {
    // The consumption row cannot be written: no membership and no raised total either.
    store.catalogue.exec("CREATE TRIGGER no_rows BEFORE INSERT ON edit_product_consumption "
                         "BEGIN SELECT RAISE(ABORT, 'full'); END");
    EXPECT_EQ(writes.fileProduct(store.product(10), FolderId{1}), PlannerWrites::Filing::Failed);
    EXPECT_FALSE(store.holds(1, 10));
    EXPECT_EQ(store.total(1), "0");
    store.catalogue.exec("DROP TRIGGER no_rows");
    ASSERT_EQ(writes.fileProduct(store.product(10), FolderId{1}), PlannerWrites::Filing::Filed);

    // The total cannot be written: the product stays in the folder with its row.
    store.catalogue.exec("CREATE TRIGGER no_totals BEFORE UPDATE ON Menu_Folder "
                         "BEGIN SELECT RAISE(ABORT, 'locked'); END");
    EXPECT_FALSE(writes.unfileProduct(ProductId{10}, FolderId{1}));
    EXPECT_TRUE(store.holds(1, 10));
    EXPECT_EQ(store.rowCount(10, 1), 1);
    EXPECT_EQ(store.total(1), "52");

    // A folder whose rows cannot go keeps its memberships as well.
    store.catalogue.exec("DROP TRIGGER no_totals");
    store.catalogue.exec("CREATE TRIGGER keep_rows BEFORE DELETE ON edit_product_consumption "
                         "BEGIN SELECT RAISE(ABORT, 'kept'); END");
    EXPECT_FALSE(writes.deleteFolder(FolderId{1}));
    EXPECT_TRUE(store.holds(1, 10));
    EXPECT_EQ(store.total(1), "52");
}

TEST_F(PlannerWritesTest, DeletingAFolderLeavesNothingForTheNextFolderWithItsId) {
    writes.fileProduct(store.product(10), FolderId{4});
    writes.fileProduct(store.product(10), FolderId{3});
    ASSERT_TRUE(writes.deleteFolder(FolderId{4}));
    EXPECT_EQ(store.folderIds(), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_FALSE(store.holds(4, 10));
    EXPECT_FALSE(store.row(10, 4));
    // The other folder keeps the product; the product keeps its favourite mark.
    EXPECT_TRUE(store.holds(3, 10));

    store.addFolder(4, "Neu");
    EXPECT_TRUE(PlannerStore(store.db).selectProductsAccordingToFolder(FolderId{4}).empty());
    EXPECT_EQ(store.total(4), "0");
}

TEST_F(PlannerWritesTest, OrphanCleanupOverTwoFolders) {
    store.catalogue.add({.id = 20, .name = "Bleibt", .kcal = "30"});
    writes.fileProduct(store.product(10), FolderId{1});
    writes.fileProduct(store.product(10), FolderId{3});
    writes.fileProduct(store.product(20), FolderId{3});
    ASSERT_EQ(store.total(3), "82");

    store.catalogue.remove(10);
    EXPECT_EQ(writes.cleanOrphans(), 1);
    EXPECT_FALSE(store.holds(1, 10));
    EXPECT_FALSE(store.holds(3, 10));
    EXPECT_FALSE(store.row(10, 1));
    EXPECT_FALSE(store.row(10, 3));
    EXPECT_EQ(store.total(1), "0");
    EXPECT_EQ(store.total(3), "30");
    EXPECT_TRUE(store.holds(3, 20));
    EXPECT_EQ(writes.cleanOrphans(), 0);
}

TEST_F(PlannerWritesTest, AnEmptyCatalogueReadNeverEmptiesThePlanner) {
    writes.fileProduct(store.product(10), FolderId{1});
    writes.fileProduct(store.product(11), FolderId{2});
    store.catalogue.exec("DELETE FROM ProductsTable");
    EXPECT_EQ(writes.cleanOrphans(), -1);
    EXPECT_TRUE(store.holds(1, 10));
    EXPECT_TRUE(store.holds(2, 11));
    EXPECT_EQ(store.total(1), "52");
}

TEST_F(PlannerWritesTest, LeftoversOfAFolderThatIsGoneAreCleanedWithoutATotal) {
    // Memberships left by a folder deleted half-way by an older version.
    writes.fileProduct(store.product(10), FolderId{2});
    store.catalogue.exec("DELETE FROM Menu_Folder WHERE recordId = 2");
    store.catalogue.remove(10);
    EXPECT_EQ(writes.cleanOrphans(), 1);
    EXPECT_FALSE(store.holds(2, 10));
    EXPECT_FALSE(store.row(10, 2));
}
