// A catalogue file with the application's tables as after the first launch, the diary's among
// them, and a fixed clock: Tuesday 8 December 2026, 12:30.
#pragma once

#include "platform/Navigation.h"
#include "platform/Platform.h"
#include "screens/diary/DiaryHost.h"
#include "screens/diary/DiaryLog.h"
#include "store/Database.h"
#include "store/DiaryStore.h"
#include "store/PlannerStore.h"
#include "store/SettingsStore.h"
#include "tests/support/TestCatalogue.h"

#include <gtest/gtest.h>

#include <memory>

namespace tolvane::test {

inline void seedAppTables(Database& db) {
    SettingsStore(db).createPersonalProfileTable();
    SettingsStore(db).InsertIntoPersonalProfileTable();
    PlannerStore(db).createMenu_FolderTable();
    PlannerStore(db).insertIntoMenu_FolderTableStarted("0", "Menu List Item 1", "0", FolderId{1},
                                                       "1");
    PlannerStore(db).createFavorite_MenufolderTable();
    PlannerStore(db).createEdit_ConsumptionTable();
    ASSERT_TRUE(DiaryStore(db).createTables());
}

// A product logged as eaten on a day, with its catalogue values as they are now.
inline DiaryEntryRow logEaten(Database& db, long long product, const std::string& day,
                              const char* amount, const char* meal = "0",
                              const char* time = "08:15") {
    auto e = diarySnapshotOf(db, ProductId{product});
    EXPECT_TRUE(e);
    if (!e) return {};
    e->day = day;
    e->time = time;
    e->meal = meal;
    e->amount = amount;
    EXPECT_TRUE(DiaryStore(db).insertEntry(*e));
    return *e;
}

class DiaryTest : public ::testing::Test {
protected:
    void SetUp() override {
        catalogue.addCategory(1, "Snacks");
        catalogue.add(brezel()); // 380 kcal, 4 g fat per 100 g, pack 80 g
        catalogue.add(chips());  // 500 kcal, 20 g fat, pack 150 g
        catalogue.exec("UPDATE ProductsTable SET field17 = '9.5', field11 = '60', field16 = '3' "
                       "WHERE recordId = 1");
        db = std::make_unique<Database>(catalogue.path(), log);
        seedAppTables(*db);
    }

    DiaryHost host{[] { return DiaryNow{{2026, 12, 8}, 12, 30}; }};
    TestCatalogue catalogue;
    MemoryLog log;
    std::unique_ptr<Database> db;
    FakePlatform fake;
    Platform platform = fake.platform();
    FakeNavigation navigation;
};

} // namespace tolvane::test
