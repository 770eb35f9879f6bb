#include "PlannerTestStore.h"
#include "screens/planner/AddMenuFolderVC.h"
#include "store/PlannerStore.h"

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
        for (const FolderRow& f : PlannerStore(store.db).selectMenuItemsSortByRecordID())
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
    vc->returnKey(); // Return in the field saves as "Fertig" does
    EXPECT_EQ(navigation.pops(), 1);
    vc->viewWillDisappear();
    EXPECT_EQ(folder(5), (FolderRow{"Abendessen", "0", "4", "5", "0"}));
    // A second departure (a tab switch, then "Fertig") stores nothing more.
    vc->viewWillAppear();
    vc->viewWillDisappear();
    EXPECT_EQ(store.folderIds().size(), 5u);
}

TEST_F(NewFolderTest, IdsOfFoldersDeletedAtTheTopEndAreUsedAgain) {
    PlannerStore(store.db).deleteMenuItemsSortByOrder(FolderId{4});
    PlannerStore(store.db).deleteMenuItemsSortByOrder(FolderId{3});
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
    EXPECT_EQ(PlannerStore(empty.db).selectMenuItemsSortByRecordID(),
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

TEST_F(NewFolderTest, TypedNamesAreNotedDoneKeepsRefusedOnesAndAsksBeforeADuplicate) {
    fake.strings.set("Menu List Item 2", "Завтрак");
    fake.strings.set("Menu List Item 3", "Dîner");
    enum Leave { Done, Cancel, Return };
    const struct {
        std::string name;
        Leave leave;
        std::string note, alert; // "" = none
        int answer;              // to the alert, -1 none
        bool closes;
        std::string stored;            // "" = nothing
        const char* changed = nullptr; // typed after the check, before leaving
    } cases[] = {
        {"", Done, "", "", -1, true, ""},
        {"Полдник", Done, "", "", -1, true, "Полдник"},
        {std::string(30, 'x'), Return, "", "", -1, true, std::string(30, 'x')},
        {"Полдник", Cancel, "", "", -1, true, ""},
        {std::string(31, 'x'), Done, "Pop-Up Add Folder", "Pop-Up Add Folder", 0, false, ""},
        {"a|b", Return, "Pop-Up Add Folder2", "Pop-Up Add Folder2", 0, false, ""},
        {"Завтрак", Done, "Pop-Up Add Folder Exists", "Pop-Up Add Folder Exists", 0, false, ""},
        {"Завтрак", Done, "Pop-Up Add Folder Exists", "Pop-Up Add Folder Exists", 1, true,
         "Завтрак"},
        // Case and accents do not make another name.
        {"завтрак", Done, "Pop-Up Add Folder Exists", "Pop-Up Add Folder Exists", 0, false, ""},
        {"DINER", Return, "Pop-Up Add Folder Exists", "Pop-Up Add Folder Exists", 0, false, ""},
        {"Dînette", Done, "", "", -1, true, "Dînette"},
        // A name changed after its check is checked again when leaving.
        {"Mittag|essen", Return, "Pop-Up Add Folder2", "Pop-Up Add Folder2", 0, false,
         "Mittagessen", "Mittagessen"},
        {"Znüni", Return, "", "", -1, true, "", "a|b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name + " " + std::to_string(c.leave));
        fake.alerts.clear();
        const int pops = navigation.pops();
        const auto vc = open();
        vc->setText(c.name);
        EXPECT_EQ(vc->noteKey(), c.note);
        c.leave == Done     ? vc->donePressed()
        : c.leave == Cancel ? vc->cancelPressed()
                            : vc->returnKey();
        EXPECT_EQ(fake.alerts.hasPending() ? fake.alerts.firstPending().title : "", c.alert);
        if (c.answer >= 0) fake.alerts.answer(c.answer);
        EXPECT_EQ(navigation.pops() - pops, c.closes ? 1 : 0);
        EXPECT_EQ(vc->text(), c.name); // an open screen keeps the typed text
        if (c.changed) vc->setText(c.changed);
        vc->viewWillDisappear(); // a name checked already is not said again
        EXPECT_EQ(fake.alerts.hasPending(), c.changed && c.stored.empty());
        EXPECT_EQ(folder(5).name, c.stored);
        PlannerStore(store.db).deleteMenuItemsSortByOrder(FolderId{5});
    }
}
