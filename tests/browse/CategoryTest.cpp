#include "catalogue/CatalogueService.h"
#include "screens/browse/CategoryVC.h"
#include "screens/browse/ProductsForCategoriesVC.h"
#include "screens/detail/ProductDetail.h"
#include "store/Database.h"
#include "tests/support/TestCatalogue.h"

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

using Texts = std::vector<std::string>;

class CategoryTest : public ::testing::Test {
protected:
    CategoryTest() {
        fake.strings.set("Snacks", "Knabbereien");
        catalogue.addCategory(1, "Snacks");
        catalogue.addCategory(2, "Getränke");
        catalogue.addCategory(3, "Fisch");
        catalogue.add({.id = 1, .name = "Chips", .maker = "Zweifel", .category = "1"});
        catalogue.add({.id = 2, .name = "", .maker = "Ohne Namen", .category = "1"});
        catalogue.add({.id = 3, .name = " Brezel", .maker = "Beck", .category = "1"});
        catalogue.add({.id = 4, .name = "1-2-3 Cracker", .maker = "Zweifel", .category = "1"});
        catalogue.add({.id = 5, .name = "Cola", .maker = "Zweifel", .category = "2"});
    }

    std::shared_ptr<ProductsForCategoriesVC> open(const std::string& id) {
        auto vc = std::make_shared<ProductsForCategoriesVC>(fake.platform(), shared, navigation, id,
                                                            "Knabbereien");
        vc->viewDidLoad();
        return vc;
    }

    FakePlatform fake;
    TestCatalogue catalogue;
    Database shared{catalogue.path(), fake.log};
    FakeNavigation navigation;
};

} // namespace

TEST_F(CategoryTest, ListsOnlyCategoriesWithProductsChoosingOneOpensItAndShownAgainReadsThem) {
    CategoryVC categories(fake.platform(), shared, navigation);
    categories.viewWillAppear();
    EXPECT_EQ(categories.numberOfRows(), 0); // read on the next turn
    fake.dispatcher.runPending();
    ASSERT_EQ(categories.numberOfRows(), 2);
    EXPECT_EQ(categories.rowTitle(0), "Getränke");
    EXPECT_EQ(categories.rowTitle(1), "Knabbereien");
    // Sorted by the names shown: an accent counts as its base letter, Cyrillic after Latin.
    for (const auto& [snacks, drinks] : {std::pair{"Zuppe", "Éau"}, {"Напитки", "Zuppe"}}) {
        fake.strings.set("Snacks", snacks);
        fake.strings.set("Getränke", drinks);
        categories.viewWillAppear();
        fake.dispatcher.runPending();
        EXPECT_EQ(categories.rowTitle(0), drinks);
        EXPECT_EQ(categories.rowTitle(1), snacks);
    }

    catalogue.remove(5);
    categories.viewWillAppear();
    fake.dispatcher.runPending();
    ASSERT_EQ(categories.numberOfRows(), 1);
    EXPECT_EQ(categories.rowTitle(0), "Напитки");
}

TEST_F(CategoryTest, ChoosingACategoryLogsItsKeyAndOpensItsProducts) {
    CategoryVC categories(fake.platform(), shared, navigation);
    categories.reloadCategories();
    categories.didSelectRow(1);
    const auto events = fake.analytics.events();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].name, "Category Selected");
    EXPECT_EQ(events[0].parameters.at("Categories Screen"), "Snacks");
    auto products = std::dynamic_pointer_cast<ProductsForCategoriesVC>(navigation.top());
    ASSERT_TRUE(products);
    EXPECT_EQ(products->categoryId(), "1");
    EXPECT_EQ(products->myTitle(), "Knabbereien");
    EXPECT_EQ(navigation.backTitles().back(), "Zurück");

    catalogue.remove(5);
    categories.viewWillAppear();
    fake.dispatcher.runPending();
    ASSERT_EQ(categories.numberOfRows(), 1);
    EXPECT_EQ(categories.rowTitle(0), "Knabbereien");
}

TEST_F(CategoryTest, BlankNamesAreListedUnderHash) {
    const auto vc = open("1");
    EXPECT_EQ(vc->sideIndex(), (Texts{"C", "#"}));
    ASSERT_EQ(vc->numberOfRows(1), 3);
    EXPECT_EQ(vc->rowMaker(1, 0), "Ohne Namen"); // "" sorts first, then " Brezel", then "1-2-3"
    EXPECT_EQ(vc->rowName(1, 1), " Brezel");
}

TEST_F(CategoryTest, SearchStaysInsideTheCategory) {
    const auto vc = open("1");
    vc->searchBarSearchButtonClicked("Zweifel");
    fake.dispatcher.runPending();
    EXPECT_EQ(vc->rowCount(), 2u);            // not the Cola of another category
    EXPECT_EQ(vc->rowMaker(0, 0), "Zweifel"); // same column order as the whole list
    const auto events = fake.analytics.events();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().name, "Category Search Terms");
    EXPECT_EQ(events.back().parameters.at("Search Screen"), "%Zweifel%");
    vc->searchBarCancelButtonClicked(); // regroups the category's list
    fake.dispatcher.runPending();
    EXPECT_FALSE(vc->search());
    EXPECT_EQ(vc->sideIndex(), (Texts{"C", "#"}));

    vc->searchBarSearchButtonClicked("Cola");
    fake.dispatcher.runPending();
    ASSERT_TRUE(fake.alerts.hasPending());
    EXPECT_EQ(fake.alerts.firstPending().title, "Keine Treffer");
    fake.dispatcher.runPending();
    EXPECT_EQ(vc->rowCount(), 4u);

    // An empty category refuses to search with the "no data" message, as the whole list does.
    fake.alerts.answer(0);
    const auto empty = open("3");
    EXPECT_TRUE(empty->tableHidden());
    empty->searchBarSearchButtonClicked("x");
    EXPECT_TRUE(fake.alerts.hasPending());
}

TEST_F(CategoryTest, ChoosingAProductOpensItsDetailAndLeavingRemembersTheCategory) {
    const auto vc = open("1");
    vc->didSelectRow(0, 0);
    auto detail = std::dynamic_pointer_cast<ProductDetail>(navigation.top());
    ASSERT_TRUE(detail);
    EXPECT_EQ(detail->productName(), "Chips");
    detail->viewWillDisappear();
    EXPECT_EQ(fake.defaults.stringForKey("ProducteDetailFromScreen"), "ProductsForCategory");
    EXPECT_EQ(navigation.backTitles().back(), "Zurück");
    EXPECT_EQ(fake.defaults.stringForKey("ProductsForCategoroesProductId"), "1");

    vc->viewWillDisappear();
    EXPECT_EQ(fake.defaults.stringForKey("categoryId"), "1");
    EXPECT_EQ(fake.defaults.stringForKey("ProductsForCategoryTitle"), "Knabbereien");
}

TEST_F(CategoryTest, AnOwnProductDeletedLeavesTheCategorysListAndItsSearchAtOnce) {
    CatalogueService service(fake.platform(), shared);
    catalogue.add({.id = 900000001, .name = "Cracker Eigen", .maker = "Ich", .category = "1"});
    CategoryVC categories(fake.platform(), shared, navigation, {}, &service);
    categories.viewWillAppear();
    fake.dispatcher.runPending();
    categories.didSelectRow(1); // the snacks
    auto products = std::dynamic_pointer_cast<ProductsForCategoriesVC>(navigation.top());
    ASSERT_TRUE(products);
    products->viewDidLoad();
    const auto names = [&] {
        Texts shown;
        for (int section = 0; section < products->numberOfSections(); ++section)
            for (int row = 0; row < products->numberOfRows(section); ++row)
                shown.push_back(products->rowName(section, row));
        return shown;
    };
    EXPECT_EQ(names(), (Texts{"Chips", "Cracker Eigen", "", " Brezel", "1-2-3 Cracker"}));
    products->searchBarSearchButtonClicked("Cracker");
    fake.dispatcher.runPending();
    EXPECT_EQ(names(), (Texts{"Cracker Eigen", "1-2-3 Cracker"}));

    // Deleted in the own products' tab: the list told of it shows what the category holds now.
    catalogue.remove(900000001);
    service.ownProductsChanged();
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return !service.ownProductsPending(); }));
    EXPECT_EQ(names(), (Texts{"1-2-3 Cracker"}));
    products->searchBarCancelButtonClicked();
    fake.dispatcher.runPending();
    EXPECT_EQ(names(), (Texts{"Chips", "", " Brezel", "1-2-3 Cracker"}));
    // Screens go before the service they observe, as in the program.
    products.reset();
    navigation.pop();
}
