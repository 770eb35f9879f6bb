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
    vc->setText("Abendessen");
    vc->returnKey();
    vc->donePressed();
    EXPECT_EQ(navigation.pops(), 1);
    vc->viewWillDisappear();
    EXPECT_EQ(folder(5), (FolderRow{"Abendessen", "0", "4", "5", "0"}));
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
    EXPECT_EQ(folder(3), (FolderRow{"Snack", "0", "2", "3", "0"}));

    // No folders at all: the first one gets sort order 0 and id 1.
    PlannerTestStore empty(false);
    AddMenuFolderVC first(fake.platform(), empty.db, navigation);
    first.viewWillAppear();
    first.setText("Eins");
    first.viewWillDisappear();
    EXPECT_EQ(empty.db.selectMenuItemsSortByRecordID(),
              (std::vector<FolderRow>{{"Eins", "0", "0", "1", "0"}}));
}

TEST_F(NewFolderTest, AFolderListThatCannotBeReadMakesNoFolderAndSaysSo) {
    // The list's statement fails; a new row would still be written.
    store.catalogue.exec("ALTER TABLE Menu_Folder RENAME COLUMN sort_order TO sortOrder");
    auto vc = open();
    vc->setText("Snack");
    vc->viewWillDisappear();
    ASSERT_TRUE(fake.alerts.hasPending());
    EXPECT_EQ(fake.alerts.firstPending().message, AddMenuFolderVC::folderNotStoredKey());
    EXPECT_EQ(store.catalogue.value("SELECT count(*) || '/' || count(DISTINCT recordId) FROM "
                                    "Menu_Folder"),
              "4/4");
}

TEST_F(NewFolderTest, NamesAreCheckedWithTheirAlertsAndOnlyValidOnesStored) {
    const struct {
        std::string name;
        std::string alert; // "" = none
    } cases[] = {{"", ""},
                 {std::string(30, 'x'), ""},
                 {std::string(31, 'x'), "Pop-Up Add Folder"},
                 {"a|b", "Pop-Up Add Folder2"}}; // which characters: the folder rule's test
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fake.alerts.clear();
        const auto vc = open();
        vc->setText(c.name);
        vc->returnKey();
        EXPECT_EQ(fake.alerts.hasPending() ? fake.alerts.firstPending().title : "", c.alert);
        if (!c.alert.empty()) {
            EXPECT_EQ(fake.alerts.firstPending().buttons, (std::vector<std::string>{"Ok"}));
        }
        fake.alerts.clear();
        vc->viewWillDisappear(); // checked already: nothing said again
        EXPECT_FALSE(fake.alerts.hasPending());
        const bool valid = c.name.size() == 30;
        EXPECT_EQ(folder(5).name, valid ? c.name : "");
        if (valid) store.db.deleteMenuItemsSortByOrder("5");
    }
    // Leaving with an empty field creates nothing and says nothing.
    open()->viewWillDisappear();
    EXPECT_FALSE(fake.alerts.hasPending());
    EXPECT_EQ(store.folderIds().size(), 4u);
}

TEST_F(NewFolderTest, ANameChangedAfterItsCheckIsCheckedAgainWhenLeaving) {
    const struct {
        const char *checked, *changed, *stored; // "" = refused, with its alert
    } cases[] = {{"Mittag-essen", "Mittagessen", "Mittagessen"},
                 {"Znüni", "a|b", ""},
                 {"Znüni", "Zvieri", "Zvieri"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.changed);
        const auto vc = open();
        vc->setText(c.checked);
        vc->returnKey();
        fake.alerts.clear();
        vc->setText(c.changed);
        vc->viewWillDisappear();
        EXPECT_EQ(fake.alerts.hasPending(), *c.stored == '\0');
        EXPECT_EQ(folder(5).name, c.stored);
        store.db.deleteMenuItemsSortByOrder("5");
    }
}
