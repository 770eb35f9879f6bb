#include "PlannerTestStore.h"
#include "screens/planner/FavoriteVCFolderNew.h"
#include "screens/planner/NewEditConsumptionVC.h"

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class FolderContentsTest : public ::testing::Test {
protected:
    FolderContentsTest() {
        fake.strings.set("%@ kcal", "%@ kcal");
        fake.strings.set("Snacks", "Knabbereien");
        store.catalogue.addCategory(3, "Snacks");
        store.catalogue.add(
            {.id = 10, .name = "Chips", .maker = "Zweifel", .category = "3", .kcal = "530.5"});
        store.catalogue.add({.id = 11, .name = "Saft", .kcal = "45", .unit = "ml"});
        store.catalogue.add({.id = 12, .name = "Brot", .kcal = "250"});
        store.file(11, 1);
        store.file(10, 1);
        store.file(12, 1);
        store.file(10, 2);
    }

    std::shared_ptr<FavoriteVCFolderNew> open(const std::string& folder = "1") {
        auto vc = std::make_shared<FavoriteVCFolderNew>(fake.platform(), store.db, navigation,
                                                        folder, "Mittag");
        vc->viewDidLoad();
        vc->viewWillAppear();
        return vc;
    }

    FakePlatform fake;
    PlannerTestStore store;
    FakeNavigation navigation;
};

} // namespace

TEST_F(FolderContentsTest, ProductsInFilingOrderWithAmountsAndCalories) {
    store.catalogue.exec("UPDATE edit_product_consumption SET gm = '150g', calory = '795.75' "
                         "WHERE recordId = '12' AND menu_folder_id = '1'");
    const auto vc = open();
    ASSERT_EQ(vc->numberOfRows(), 3);
    EXPECT_EQ(vc->row(0).name, "Saft");
    EXPECT_EQ(vc->row(0).amount, "100\u00A0ml");
    EXPECT_EQ(vc->row(1).name, "Chips");
    EXPECT_EQ(vc->row(1).maker, "Zweifel");
    EXPECT_EQ(vc->row(1).calories, "531\u00A0kcal"); // energy whole everywhere
    EXPECT_EQ(vc->row(1).amount, "100\u00A0g");
    EXPECT_EQ(vc->row(2).amount, "150\u00A0g");
    EXPECT_EQ(vc->row(2).calories, "796\u00A0kcal");
    // Leaving writes the favourites' sort orders in the folder's order.
    vc->viewWillDisappear();
    EXPECT_EQ(store.catalogue.sortOrder(11), "0");
    EXPECT_EQ(store.catalogue.sortOrder(10), "1");
    EXPECT_EQ(store.catalogue.sortOrder(12), "2");

    // A product gone from the catalogue is not listed.
    store.catalogue.remove(11);
    vc->viewWillAppear();
    EXPECT_EQ(vc->numberOfRows(), 2);
}

TEST_F(FolderContentsTest, DeletingARowTakesTheProductOutOfThisFolderOnlyAndATapEditsIt) {
    const auto vc = open();
    vc->didSelectRow(1);
    const auto editor = std::dynamic_pointer_cast<NewEditConsumptionVC>(navigation.top());
    ASSERT_TRUE(editor);
    EXPECT_EQ(navigation.backTitles().back(), "Zurück");
    const ConsumptionInputs& in = editor->inputs();
    EXPECT_EQ((std::vector{in.productName, in.manufactorName, in.categoryName, in.productID,
                           in.folderID}),
              (std::vector<std::string>{"Chips", "Zweifel", "Knabbereien", "10", "1"}));

    ASSERT_EQ(store.total(1), "825");
    vc->deleteRow(1); // Chips
    EXPECT_EQ(vc->numberOfRows(), 2);
    EXPECT_EQ(vc->row(1).name, "Brot");
    EXPECT_EQ(store.total(1), "295");
    EXPECT_FALSE(store.holds(1, 10));
    EXPECT_FALSE(store.row(10, 1));
    // Still in folder 2, but no longer a favourite.
    EXPECT_TRUE(store.holds(2, 10));
    EXPECT_TRUE(store.row(10, 2));
    EXPECT_EQ(store.catalogue.favFlag(10), 0);
}
