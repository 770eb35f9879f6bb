#include "PlannerTestStore.h"
#include "screens/planner/AddMenuFolderVC.h"

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class NewFolderTest : public ::testing::Test {
protected:
    std::shared_ptr<AddMenuFolderVC> open() {
        auto vc = std::make_shared<AddMenuFolderVC>(fake.platform(), store.db, navigation);
        vc->viewWillAppear();
        return vc;
    }
    FolderRow folder(int id) {
        for (const FolderRow& f : store.db.selectMenuItemsSortByRecordID())
            if (f.folderId == std::to_string(id)) return f;
        return {};
    }

    FakePlatform fake;
    PlannerTestStore store;
    FakeNavigation navigation;
};

} // namespace

TEST_F(NewFolderTest, ANewFolderGoesToTheEndWithTheNextId) {
    const auto vc = open();
    EXPECT_EQ(vc->biggest(), 4);
    EXPECT_EQ(vc->sortbiggest(), 3);
    vc->setText("Abendessen");
    vc->returnKey();
    EXPECT_EQ(vc->add(), 1);
    vc->donePressed();
    EXPECT_EQ(navigation.pops(), 1);
    vc->viewWillDisappear();
    const FolderRow f = folder(5);
    EXPECT_EQ(f.name, "Abendessen");
    EXPECT_EQ(f.calories, "0");
    EXPECT_EQ(f.sortOrder, "4");
    EXPECT_EQ(f.localized, "0");
    // A second departure (a tab switch, then "Fertig") stores nothing more.
    vc->viewWillAppear();
    vc->viewWillDisappear();
    EXPECT_EQ(store.folderIds().size(), 5u);
}

TEST_F(NewFolderTest, IdsOfFoldersDeletedAtTheTopEndAreUsedAgain) {
    store.db.deleteMenuItemsSortByOrder("4");
    store.db.deleteMenuItemsSortByOrder("3");
    auto vc = open();
    vc->setText("Snack");
    vc->viewWillDisappear();
    EXPECT_EQ(folder(3).name, "Snack");
    EXPECT_EQ(folder(3).sortOrder, "2");

    // No folders at all: the first one gets sort order 0 and id 1.
    PlannerTestStore empty(false);
    AddMenuFolderVC first(fake.platform(), empty.db, navigation);
    first.viewWillAppear();
    EXPECT_EQ(first.biggest(), 0);
    EXPECT_EQ(first.sortbiggest(), -1);
    first.setText("Eins");
    first.viewWillDisappear();
    EXPECT_EQ(empty.folderIds(), (std::vector<std::string>{"1"}));
    EXPECT_EQ(empty.sortOrders(), (std::vector<std::string>{"0"}));
}

TEST_F(NewFolderTest, NamesAreCheckedWithTheirAlerts) {
    struct Case {
        std::string name;
        std::string alert; // "" = none
        int add;
    } cases[] = {{"", "", 2},
                 {std::string(30, 'x'), "", 1},
                 {std::string(31, 'x'), "Pop-Up Add Folder", 2},
                 {"Mittag-essen", "Pop-Up Add Folder2", 2},
                 {"Jo's", "Pop-Up Add Folder2", 2},
                 {"a|b", "Pop-Up Add Folder2", 2}};
    for (const auto& c : cases) {
        fake.alerts.clear();
        const auto vc = open();
        vc->setText(c.name);
        vc->returnKey();
        EXPECT_EQ(vc->add(), c.add) << c.name;
        EXPECT_TRUE(vc->isdoneClicked());
        if (c.alert.empty()) {
            EXPECT_FALSE(fake.alerts.hasPending()) << c.name;
        } else {
            ASSERT_TRUE(fake.alerts.hasPending()) << c.name;
            EXPECT_EQ(fake.alerts.firstPending().title, c.alert);
            EXPECT_EQ(fake.alerts.firstPending().buttons, (std::vector<std::string>{"Ok"}));
        }
    }
    // Leaving with an empty field creates nothing and says nothing.
    fake.alerts.clear();
    const auto vc = open();
    vc->viewWillDisappear();
    EXPECT_FALSE(fake.alerts.hasPending());
    EXPECT_EQ(store.folderIds().size(), 4u);
}

TEST_F(NewFolderTest, ARejectedNameCanBeCorrected) {
    const auto vc = open();
    vc->setText("Mittag-essen");
    vc->returnKey();
    EXPECT_EQ(vc->add(), 2);
    vc->setText("Mittagessen");
    vc->returnKey();
    EXPECT_EQ(vc->add(), 1);
    vc->viewWillDisappear();
    EXPECT_EQ(folder(5).name, "Mittagessen");
}

TEST_F(NewFolderTest, AnAcceptedNameChangedBeforeLeavingIsCheckedAgain) {
    // Only letters, digits, blanks and accented letters make a folder name.
    const auto vc = open();
    vc->setText("Znüni");
    vc->returnKey();
    ASSERT_EQ(vc->add(), 1);
    vc->setText("a|b");
    fake.alerts.clear();
    vc->viewWillDisappear();
    EXPECT_EQ(vc->add(), 2);
    ASSERT_TRUE(fake.alerts.hasPending());
    EXPECT_EQ(fake.alerts.firstPending().title, "Pop-Up Add Folder2");
    EXPECT_EQ(store.folderIds().size(), 4u);

    // Changed to another valid name: that one is stored.
    const auto other = open();
    other->setText("Znüni");
    other->returnKey();
    other->setText("Zvieri");
    other->viewWillDisappear();
    EXPECT_EQ(folder(5).name, "Zvieri");
}
