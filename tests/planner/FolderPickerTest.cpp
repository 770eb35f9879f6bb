#include "PlannerTestStore.h"
#include "screens/detail/ProductDetail.h"
#include "screens/filing/CheckPickerModel.h"
#include "store/CatalogueStore.h"
#include "store/PlannerStore.h"
#include "tests/support/RefusedStatements.h"

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class FolderPickerTest : public ::testing::Test {
protected:
    FolderPickerTest() {
        fake.strings.set("Menu List Item 2", "Mittagessen");
        store.catalogue.add({.id = 10,
                             .name = "Apfel",
                             .maker = "Hof",
                             .category = "3",
                             .kcal = "52.5",
                             .unit = "g"});
        store.catalogue.add({.id = 11, .name = "Fav", .favFlag = 1});
    }

    std::shared_ptr<ProductDetail> open(int id) {
        auto d = std::make_shared<ProductDetail>(fake.platform(), store.db);
        d->viewDidLoad();
        d->drawData(CatalogueStore(store.db).selectProductDetail(ProductId{id}));
        d->viewWillAppear();
        return d;
    }

    FakePlatform fake;
    PlannerTestStore store;
};

} // namespace

TEST_F(FolderPickerTest, FoldersInTheUsersOrderWithTheProductsFoldersChecked) {
    // The user's order puts folder 3 first, as the folder list shows it.
    PlannerStore(store.db).updateMenuItemsSortByOrder("0", FolderId{3});
    PlannerStore(store.db).updateMenuItemsSortByOrder("1", FolderId{1});
    store.file(10, 1);
    store.file(10, 3);
    const auto d = open(10);
    EXPECT_EQ(d->folderIDarray(), store.folderIds());
    EXPECT_EQ(d->folderIDarray().front(), "3");
    EXPECT_EQ(d->pickerViewTextForRow(1), "Mittagessen");
    EXPECT_EQ(
        (std::vector{d->pickerViewSelectionStateForRow(0), d->pickerViewSelectionStateForRow(1),
                     d->pickerViewSelectionStateForRow(2), d->pickerViewSelectionStateForRow(7)}),
        (std::vector{true, true, false, false}));

    // Lists are rebuilt on every appearance: a folder deleted elsewhere is gone.
    PlannerStore(store.db).deleteMenuItemsSortByOrder(FolderId{2});
    d->viewWillAppear();
    EXPECT_EQ(d->numberOfRowsForPickerView(), 3);
}

TEST_F(FolderPickerTest, TheFavouritesButtonAlwaysOpensThePicker) {
    // For a favourite too; the browse road presses the button and "Done".
    const auto d = open(11);
    ASSERT_TRUE(d->isFavorite());
    EXPECT_EQ(d->favoriteButtonKey(), "Zu Favoriten hinzufügen");
    d->favoriteButtonClicked();
    EXPECT_TRUE(d->pickerShown());
    EXPECT_FALSE(fake.alerts.hasPending());
    // Leaving the screen puts the picker away as "Done" does.
    d->viewWillDisappear();
    EXPECT_FALSE(d->pickerShown());
    EXPECT_TRUE(d->showsFavoriteButton());
}

TEST_F(FolderPickerTest, ChecksAndUnchecksWriteAtOnce) {
    const auto d = open(10);
    d->addToFav();
    EXPECT_EQ(store.catalogue.favFlag(10), 1);
    EXPECT_EQ(store.catalogue.sortOrder(10), "1"); // one favourite before it

    CheckPickerModel picker(d.get());
    ASSERT_EQ(picker.numberOfRows(), 8);
    picker.touchRow(2); // folder 1
    picker.touchRow(4); // folder 3
    EXPECT_EQ(d->productIdForFolderAdd(), "10");
    EXPECT_EQ(store.total(1), "52");
    EXPECT_EQ(store.total(3), "52");
    EXPECT_EQ(store.row(10, 1), (ConsumptionRow{{"1.0", "0.5", "2.0", "0.1", "52.5"}, "g", "1"}));
    EXPECT_TRUE(picker.row(2).checked);
    EXPECT_TRUE(picker.row(4).checked);

    picker.touchRow(2);
    EXPECT_FALSE(store.holds(1, 10));
    EXPECT_EQ(store.total(1), "0");
    EXPECT_FALSE(picker.row(2).checked);

    // A favourite is a product in a folder: "Done" with none ticked takes the mark away.
    d->doneButtonClick();
    EXPECT_EQ(store.catalogue.favFlag(10), 1);
    d->addToFav();
    picker.touchRow(4);
    d->doneButtonClick();
    EXPECT_EQ(store.catalogue.favFlag(10), 0);
    EXPECT_FALSE(d->canRemoveFavorite());
}

TEST_F(FolderPickerTest, AFailedWriteShowsAsNotMade) {
    const auto d = open(10);
    store.catalogue.exec("CREATE TRIGGER full BEFORE INSERT ON Favorite_Menufolder "
                         "BEGIN SELECT RAISE(ABORT, 'full'); END");
    CheckPickerModel picker(d.get());
    picker.touchRow(3);
    EXPECT_FALSE(picker.row(3).checked);
    EXPECT_FALSE(d->pickerViewSelectionStateForRow(1));
    EXPECT_EQ(store.total(2), "0");
}

TEST_F(FolderPickerTest, TheFavouriteMarkIsReadAgainOnEveryAppearance) {
    store.file(11, 2);
    store.file(11, 3);
    const auto d = open(11);
    ASSERT_TRUE(d->canRemoveFavorite());
    // Taken out of its folders' contents meanwhile: a favourite while any folder holds it.
    PlannerWrites(store.db).removeFromFolder(ProductId{11}, FolderId{2});
    d->viewWillAppear();
    EXPECT_TRUE(d->canRemoveFavorite());
    PlannerWrites(store.db).removeFromFolder(ProductId{11}, FolderId{3});
    d->viewWillAppear();
    EXPECT_FALSE(d->canRemoveFavorite());
}

// A favourite is a product in at least one folder: removing it takes it out of every one of
// them, after a question that names how many and the calories they plan of it.
TEST_F(FolderPickerTest, RemovingTheFavouriteTakesItOutOfEveryFolder) {
    fake.strings.set(ProductDetail::removeFavoriteQuestionKey(), "In %d folders, %@ kcal.");
    store.catalogue.add({.id = 12, .name = "Brot", .kcal = "250"});
    store.file(11, 2);
    store.file(11, 3);
    store.file(12, 3);
    const auto d = open(11);
    CheckPickerModel picker(d.get());
    ASSERT_TRUE(d->canRemoveFavorite());
    d->editButton();
    ASSERT_TRUE(fake.alerts.hasPending());
    EXPECT_EQ(fake.alerts.firstPending().message, "In 2 folders, 200 kcal.");
    fake.alerts.answer(1); // "Nein"
    EXPECT_TRUE(store.holds(2, 11) && store.holds(3, 11));

    d->editButton();
    fake.alerts.answer(0); // "Ja"
    EXPECT_FALSE(store.holds(2, 11) || store.holds(3, 11));
    EXPECT_FALSE(store.row(11, 2) || store.row(11, 3));
    EXPECT_EQ(store.total(2), "0");
    EXPECT_EQ(store.total(3), "250"); // the other product stays
    EXPECT_EQ(store.catalogue.favFlag(11), 0);
    EXPECT_FALSE(d->canRemoveFavorite());
    for (int row = 0; row < picker.numberOfRows(); ++row)
        EXPECT_FALSE(picker.row(row).checked) << row;
}

// An own product deleted in another tab while its detail stays open: the detail says it is
// gone, and filing it is refused with an alert instead of counting calories no list shows.
TEST_F(FolderPickerTest, AProductTheFileCannotReadJustNowIsNotTakenForDeleted) {
    const auto d = open(10);
    d->addToFav();
    ASSERT_TRUE(d->pickerShown());
    CheckPickerModel picker(d.get());
    {
        RefusedStatements refused(SQLITE_READ, "ProductsTable");
        picker.touchRow(2); // folder 1
        d->viewWillAppear();
    }
    EXPECT_FALSE(d->gone());
    EXPECT_FALSE(store.holds(1, 10));
    EXPECT_GT(d->numberOfRows(), 0);
    EXPECT_FALSE(fake.alerts.hasPending());
    // Readable again, the same tap files it.
    picker.touchRow(2);
    EXPECT_TRUE(store.holds(1, 10));
}

TEST_F(FolderPickerTest, AProductDeletedMeanwhileIsNeitherFiledNorMarked) {
    const auto d = open(10);
    d->addToFav();
    ASSERT_TRUE(d->pickerShown());
    CatalogueStore(store.db).deleteProductFromMainTable(ProductId{10});
    CheckPickerModel picker(d.get());
    picker.touchRow(2); // folder 1
    ASSERT_TRUE(fake.alerts.hasPending());
    EXPECT_EQ(fake.alerts.firstPending().message, ProductDetail::goneKey());
    EXPECT_FALSE(store.holds(1, 10));
    EXPECT_EQ(store.total(1), "0");
    EXPECT_TRUE(d->gone());
    EXPECT_FALSE(d->pickerShown() || d->showsFavoriteButton() || d->canRemoveFavorite());
    EXPECT_EQ(d->numberOfRows(), 0);
    fake.alerts.clear();
    d->favoriteButtonClicked();
    EXPECT_FALSE(d->pickerShown());

    // Seen again after a tab switch, a detail of a product deleted meanwhile says so at once.
    store.catalogue.add({.id = 13, .name = "Eigen", .kcal = "90"});
    const auto other = open(13);
    CatalogueStore(store.db).deleteProductFromMainTable(ProductId{13});
    other->viewWillAppear();
    EXPECT_TRUE(other->gone());
    EXPECT_FALSE(other->showsFavoriteButton());
    EXPECT_FALSE(fake.alerts.hasPending());
}
