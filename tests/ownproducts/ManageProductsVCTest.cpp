#include "screens/ownproducts/ManageProductsVC.h"
#include "OwnProductsFixture.h"
#include "screens/detail/ProductDetail.h"
#include "screens/filing/PlannerWrites.h"
#include "store/CatalogueStore.h"
#include "store/PlannerStore.h"

using namespace tolvane;
using namespace tolvane::test;

namespace {

class ManageProductsTest : public OwnProductFormTest {
protected:
    std::shared_ptr<ManageProductsVC> openList() {
        auto list = std::make_shared<ManageProductsVC>(fake.platform(), shared, navigation,
                                                       DetailHost{}, [this] { ++listsToReread; });
        list->viewWillAppear();
        return list;
    }

    static std::vector<std::string> names(const ManageProductsVC& list) {
        std::vector<std::string> out;
        for (int i = 0; i < list.numberOfRows(); ++i)
            out.push_back(list.row(i).name);
        return out;
    }

    using Names = std::vector<std::string>;
};

TEST_F(ManageProductsTest, NameOrderUntilAMoveThenTheStoredOrder) {
    addProduct({.name = "Cola", .maker = "Getränke AG"}, 0);
    addProduct({.name = "Apfel"}, 1);
    addProduct({.name = "Brot"}, 2);

    auto list = openList();
    EXPECT_EQ(names(*list), (Names{"Apfel", "Brot", "Cola"}));
    EXPECT_EQ(list->row(2).maker, "Getränke AG");

    list->editButtonClicked();
    list->moveRow(2, 0);
    EXPECT_TRUE(fake.defaults.boolForKey("ManageProductsReArranged"));
    EXPECT_EQ(names(*list), (Names{"Cola", "Apfel", "Brot"}));
    list->viewWillDisappear();

    // A product added later goes to the end of the stored order.
    list = openList();
    EXPECT_EQ(names(*list), (Names{"Cola", "Apfel", "Brot"}));
    list->addButtonClicked(); // not in editing mode: nothing
    EXPECT_FALSE(fake.defaults.boolForKey("ManageProductAddBtnClicked"));
    list->editButtonClicked();
    list->addButtonClicked();
    EXPECT_TRUE(fake.defaults.boolForKey("ManageProductAddBtnClicked"));
    auto form = std::dynamic_pointer_cast<AddProductVC>(navigation.top());
    ASSERT_TRUE(form);
    EXPECT_EQ(form->productId(), "");
    EXPECT_EQ(navigation.backTitles().back(), "Zurück");
    list->viewWillDisappear();
    form->viewWillAppear();
    fill(*form, {.name = "Ananas"});
    form->saveRecord();
    list->viewWillAppear();
    EXPECT_FALSE(fake.defaults.boolForKey("ManageProductAddBtnClicked"));
    EXPECT_EQ(names(*list), (Names{"Cola", "Apfel", "Brot", "Ananas"}));
}

TEST_F(ManageProductsTest, DeletingTheLastProductReturnsToNameOrder) {
    addProduct({.name = "Brot"}, 0);
    addProduct({.name = "Apfel"}, 1);
    auto list = openList();
    list->moveRow(0, 1);
    EXPECT_EQ(names(*list), (Names{"Brot", "Apfel"}));

    shared.keepCategoryFigures("4", {1, 2, 3, 4, 5}, shared.catalogueGeneration());
    const int before = listsToReread;
    list->editButtonClicked();
    // Two steps: the delete key only reveals the row's Delete button, pressed again hides it.
    list->deleteRow(0);
    list->deleteKeyClicked(0);
    list->deleteKeyClicked(0);
    list->deleteRow(0);
    EXPECT_EQ(names(*list), (Names{"Brot", "Apfel"}));
    list->deleteKeyClicked(0);
    EXPECT_EQ(list->revealedRow(), 0);
    list->deleteRow(0);
    EXPECT_EQ(listsToReread, before + 1);
    EXPECT_FALSE(shared.categoryFigures("4")); // the detail's kept means are dropped
    EXPECT_EQ(names(*list), (Names{"Apfel"}));
    EXPECT_TRUE(fake.defaults.boolForKey("ManageProductsReArranged"));
    list->deleteKeyClicked(0);
    list->deleteRow(0);
    EXPECT_TRUE(list->helpTextShown());
    EXPECT_FALSE(fake.defaults.boolForKey("ManageProductsReArranged"));
    EXPECT_EQ(count("Products") + count("ProductsTable"), 0);
    list->viewWillDisappear();

    addProduct({.name = "Zwieback"}, 0);
    addProduct({.name = "Brezel"}, 1);
    list = openList();
    EXPECT_EQ(names(*list), (Names{"Brezel", "Zwieback"}));
}

TEST_F(ManageProductsTest, DeletingWithABrokenLinkRemovesTheCatalogueRow) {
    addProduct({.name = "Brot"}, 0);
    catalogue.exec("UPDATE Products SET MainTableRecordId = ''");
    catalogue.add({.id = 5, .name = "Fremd"});
    auto list = openList();
    list->editButtonClicked();
    list->deleteKeyClicked(0);
    list->deleteRow(0);
    EXPECT_EQ(count("Products"), 0);
    EXPECT_EQ(catalogue.value("SELECT group_concat(recordId) FROM ProductsTable"), "5");
}

TEST_F(ManageProductsTest, ADeleteRefusedAnywhereKeepsTheProductWholeAndSaysSo) {
    addProduct({.name = "Brot"}, 0);
    auto list = openList();
    list->editButtonClicked();
    for (const std::string table : {"ProductsTable", "Products"}) {
        catalogue.exec("CREATE TRIGGER refuse BEFORE DELETE ON " + table +
                       " BEGIN SELECT RAISE(ABORT, 'refused'); END");
        fake.alerts.clear();
        list->deleteKeyClicked(0);
        list->deleteRow(0);
        ASSERT_TRUE(fake.alerts.hasPending());
        EXPECT_EQ(fake.alerts.firstPending().message, ManageProductsVC::deleteFailedKey());
        EXPECT_EQ(names(*list), (Names{"Brot"}));
        EXPECT_EQ(count("Products") + count("ProductsTable"), 2) << table;
        catalogue.exec("DROP TRIGGER refuse");
    }
}

TEST_F(ManageProductsTest, ARowOpensTheDetailOutsideEditingAndTheFormInside) {
    const std::string id = addProduct({.name = "Brot", .energy = "250"}, 0);
    catalogue.exec("UPDATE Products SET MainTableRecordId = 0");
    auto list = openList();
    navigation.push(list);

    list->didSelectRow(0);
    EXPECT_EQ(fake.defaults.stringForKey("ManageProductProductId"), id);
    EXPECT_FALSE(fake.defaults.boolForKey("isEditing"));
    auto detail = std::dynamic_pointer_cast<ProductDetail>(navigation.top());
    ASSERT_TRUE(detail); // the widget test presses this road, the shell's road the form's
    detail->viewWillDisappear();
    EXPECT_EQ(fake.defaults.stringForKey("ProducteDetailFromScreen"), "ManageProducts");
    navigation.pop();

    list->editButtonClicked();
    EXPECT_FALSE(list->backButtonShown());
    list->didSelectRow(0);
    EXPECT_TRUE(fake.defaults.boolForKey("isEditing"));
    ASSERT_TRUE(std::dynamic_pointer_cast<AddProductVC>(navigation.top()));
    navigation.pop();

    // Without a catalogue row nothing is opened.
    list->editButtonClicked();
    catalogue.remove(std::stoi(id));
    const auto before = navigation.stack().size();
    list->didSelectRow(0);
    EXPECT_EQ(navigation.stack().size(), before);
}

// A filed own product is deleted only after a question naming its folders and their planned
// calories; then it leaves every folder with it, the totals following.
TEST_F(ManageProductsTest, DeletingAFiledProductAsksFirstAndEmptiesItsFolders) {
    fake.strings.set(ManageProductsVC::deleteFiledQuestionKey(), "%d folders, %@ kcal: delete?");
    const std::string id = addProduct({.name = "Brot", .energy = "250"}, 0);
    for (int folder : {1, 2})
        PlannerStore(shared).insertIntoMenuFolder(std::to_string(folder), "Ordner", "0",
                                                  FolderId{folder}, "0");
    for (const FolderId folder : {FolderId{1}, FolderId{2}})
        ASSERT_EQ(PlannerWrites(shared).fileProduct(
                      *CatalogueStore(shared).selectProductDetail(ProductId::of(id)), folder),
                  PlannerWrites::Filing::Filed);
    auto list = openList();
    list->editButtonClicked();
    list->deleteKeyClicked(0);
    list->deleteRow(0);
    ASSERT_TRUE(fake.alerts.hasPending());
    EXPECT_EQ(fake.alerts.firstPending().message, "2 folders, 500 kcal: delete?");
    fake.alerts.answer(1); // "Nein"
    EXPECT_EQ(names(*list), (Names{"Brot"}));
    EXPECT_EQ(PlannerStore(shared).selectFoldersAccordingToProduct(ProductId::of(id)).size(), 2u);

    list->deleteKeyClicked(0);
    list->deleteRow(0);
    fake.alerts.answer(0); // "Ja"
    EXPECT_TRUE(names(*list).empty());
    EXPECT_EQ(count("Products") + count("ProductsTable"), 0);
    EXPECT_TRUE(PlannerStore(shared).selectFoldersAccordingToProduct(ProductId::of(id)).empty());
    EXPECT_TRUE(
        PlannerStore(shared).selectProductDetailForEdit(ProductId::of(id), FolderId{1}).empty());
    EXPECT_EQ(PlannerStore(shared).selectCaloryValueForUpdation(FolderId{1}), "0");
    EXPECT_EQ(PlannerStore(shared).selectCaloryValueForUpdation(FolderId{2}), "0");
}

} // namespace
