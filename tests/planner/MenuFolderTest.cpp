#include "PlannerTestStore.h"
#include "screens/planner/AddMenuFolderVC.h"
#include "screens/planner/FavoriteVCFolderNew.h"
#include "screens/planner/MenuFolderVC.h"
#include "screens/planner/ProductDetailPortraitVC.h"

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class MenuFolderTest : public ::testing::Test {
protected:
    MenuFolderTest() {
        fake.strings.set("Menu List Item 1", "Frühstück");
        fake.strings.set("Menu List Item 2", "Mittagessen");
        fake.strings.set("%@ kcal", "%@ kcal");
        fake.strings.set("Decimal Separator", ","); // the summary writes as the tables say
        fake.defaults.registerDefaults({{"isfirstLaunchMenuList", true}});
        store.catalogue.add({.id = 10, .name = "Apfel", .kcal = "52.5"});
        store.catalogue.add({.id = 11, .name = "Brot", .fat = "3,5", .kcal = "250"});
    }

    std::shared_ptr<MenuFolderVC> open() {
        auto vc = std::make_shared<MenuFolderVC>(fake.platform(), store.db, navigation, host);
        vc->viewDidLoad();
        vc->viewWillAppear();
        return vc;
    }

    FakePlatform fake;
    PlannerTestStore store;
    FakeNavigation navigation;
    PlannerHost host;
};

} // namespace

TEST_F(MenuFolderTest, ListsFoldersInTheUsersOrderWithTheirTotals) {
    store.file(10, 4);
    const auto vc = open();
    ASSERT_EQ(vc->numberOfRows(), 4);
    EXPECT_EQ(vc->rowTitle(0), "Mittagessen"); // seed folders show their table text
    EXPECT_EQ(vc->rowTitle(1), "Menu List Item 3");
    EXPECT_EQ(vc->rowTitle(3), "Frühstück");
    EXPECT_EQ(vc->rowCalories(3), "52\u00A0kcal");
    EXPECT_EQ(vc->rowCalories(0), "0\u00A0kcal");
    EXPECT_STREQ(MenuFolderVC::rowBackground(0), "category_bg_dark.png");
    EXPECT_STREQ(MenuFolderVC::rowBackground(1), "category_bg_light.png");

    // A user folder named like a seed key shows as typed.
    store.addFolder(5, "Menu List Item 1");
    vc->viewWillAppear();
    EXPECT_EQ(vc->rowTitle(4), "Menu List Item 1");
}

TEST_F(MenuFolderTest, FirstLaunchHintUntilTheUserDeletesIt) {
    open();
    ASSERT_TRUE(fake.alerts.hasPending());
    EXPECT_EQ(fake.alerts.firstPending().message, "Hilfe zur Speiseplannutzung");
    EXPECT_TRUE(fake.analytics.has("Show Menu List Helper on Startup"));
    EXPECT_FALSE(fake.defaults.boolForKey("isfirstLaunchMenuList"));
    fake.alerts.answer(1); // "Später erinnern"
    EXPECT_TRUE(fake.defaults.boolForKey("isfirstLaunchMenuList"));

    open();
    fake.alerts.answer(0); // "Hinweis löschen"
    open();
    EXPECT_FALSE(fake.alerts.hasPending());
}

namespace {

// The totals the summary on top of the stack shows, fat to energy.
std::vector<std::string> totalsShown(FakeNavigation& navigation) {
    const auto summary = std::dynamic_pointer_cast<ProductDetailPortraitVC>(navigation.top());
    if (!summary) return {};
    summary->viewWillAppear();
    std::vector<std::string> shown;
    for (const auto& bar : summary->bars())
        shown.push_back(bar.valueLabel);
    return shown;
}

using Shown = std::vector<std::string>;

} // namespace

TEST_F(MenuFolderTest, ATapOpensTheSummaryOutsideEditingAndTheContentsInside) {
    store.file(10, 1);
    store.file(11, 1);
    const auto vc = open();

    vc->didSelectRow(0);
    const auto summary = std::dynamic_pointer_cast<ProductDetailPortraitVC>(navigation.top());
    ASSERT_TRUE(summary);
    EXPECT_EQ(totalsShown(navigation),
              (Shown{"4,5\u00A0g", "1,0\u00A0g", "4,0\u00A0g", "0,2\u00A0g", "302\u00A0kcal"}));
    EXPECT_EQ(summary->titleName(), "Mittagessen");

    vc->rightButtonPressed();
    vc->didSelectRow(0);
    const auto contents = std::dynamic_pointer_cast<FavoriteVCFolderNew>(navigation.top());
    ASSERT_TRUE(contents);
    contents->viewWillAppear();
    EXPECT_EQ(contents->numberOfRows(), 2);
    EXPECT_EQ(contents->title(), "Mittagessen");
}

// The road walks a product leaving every folder; here when the list looks for such products.
TEST_F(MenuFolderTest, CleanupOnlyAfterACatalogueChangeAndNotWhileAPageIsStored) {
    store.file(10, 1);
    bool storing = false;
    host.catalogueBusy = [&] { return storing; };
    const auto vc = open();
    store.catalogue.remove(10);
    vc->viewWillAppear();
    EXPECT_TRUE(store.holds(1, 10)); // nobody said the catalogue changed
    storing = true;
    store.db.catalogueChanged();
    vc->viewWillAppear();
    vc->didSelectRow(0);
    EXPECT_TRUE(store.holds(1, 10));
    EXPECT_EQ(store.total(1), "52");

    storing = false;
    vc->viewWillAppear();
    EXPECT_FALSE(store.holds(1, 10));
    EXPECT_EQ(store.total(1), "0");
}

TEST_F(MenuFolderTest, SummaryCleansAProductWithoutItsRowOnlyWhenItLeftTheCatalogue) {
    store.file(10, 1);
    store.file(11, 1);
    store.catalogue.exec("DELETE FROM edit_product_consumption"); // rows lost earlier
    store.catalogue.remove(10);
    bool storing = true;
    host.catalogueBusy = [&] { return storing; };
    const auto vc = open(); // the list's own cleanup waits
    ASSERT_TRUE(store.holds(1, 10));

    storing = false;
    vc->didSelectRow(0);
    EXPECT_FALSE(store.holds(1, 10));
    EXPECT_TRUE(store.holds(1, 11)); // still in the catalogue: stays, adding nothing
    EXPECT_EQ(totalsShown(navigation),
              (Shown{"0,0\u00A0g", "0,0\u00A0g", "0,0\u00A0g", "0,0\u00A0g", "0\u00A0kcal"}));
}
