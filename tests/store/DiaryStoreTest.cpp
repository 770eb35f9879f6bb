#include "StoreFixture.h"

#include "store/DiaryStore.h"

namespace tolvane::test {

namespace {

DiaryEntryRow entry(const std::string& day, const std::string& time, const std::string& name) {
    DiaryEntryRow e;
    e.day = day;
    e.time = time;
    e.meal = "0";
    e.amount = "150";
    e.productId = "7";
    e.name = name;
    e.maker = "O'Brien";
    e.unit = "g";
    e.energyKcal = "250";
    e.fat = "3,5";
    return e;
}

} // namespace

using DiaryStoreTest = StoreTest;

TEST_F(DiaryStoreTest, TablesAreMadeOnceAtTheirVersion) {
    DiaryStore diary(*db);
    EXPECT_EQ(diary.schemaVersion(), 0);
    // Without its tables a day cannot be read: that is a failure, not an empty day.
    EXPECT_FALSE(diary.entriesOn("2026-12-08").has_value());
    ASSERT_TRUE(diary.createTables());
    EXPECT_EQ(diary.schemaVersion(), DiaryStore::kSchemaVersion);
    ASSERT_TRUE(diary.insertEntry(entry("2026-12-08", "08:00", "Brot")));
    ASSERT_TRUE(diary.createTables()); // again: nothing lost
    EXPECT_EQ(diary.entriesOn("2026-12-08")->size(), 1u);
    EXPECT_EQ(sqlInt(path, "SELECT count(*) FROM Diary_Schema"), 1);
}

TEST_F(DiaryStoreTest, EntriesAreReadByDayAndChangedOnlyWhileThere) {
    DiaryStore diary(*db);
    ASSERT_TRUE(diary.createTables());
    const auto first = diary.insertEntry(entry("2026-12-08", "12:30", "Käse | 'alt'"));
    ASSERT_TRUE(diary.insertEntry(entry("2026-12-08", "07:15", "Brot")));
    ASSERT_TRUE(diary.insertEntry(entry("2026-12-09", "07:15", "Milch")));
    ASSERT_TRUE(first);
    auto day = diary.entriesOn("2026-12-08");
    ASSERT_TRUE(day);
    ASSERT_EQ(day->size(), 2u);
    EXPECT_EQ((*day)[0].name, "Brot"); // by time
    EXPECT_EQ((*day)[1].name, "Käse | 'alt'");
    EXPECT_EQ((*day)[1].maker, "O'Brien");
    EXPECT_EQ((*day)[1].fat, "3,5");
    EXPECT_EQ((*day)[1].uid.size(), 32u);
    EXPECT_NE((*day)[0].uid, (*day)[1].uid);
    EXPECT_EQ(diary.entriesBetween("2026-12-01", "2026-12-31")->size(), 3u);

    // Moved to the day before, as a dinner of 80 g.
    EXPECT_TRUE(diary.updateEntry(*first, "2026-12-07", "19:00", "2", "80"));
    EXPECT_EQ(diary.entriesOn("2026-12-07")->at(0).amount, "80");
    EXPECT_EQ(diary.lastAmount("7", "Käse | 'alt'"), "80");
    EXPECT_TRUE(diary.deleteEntry(*first));
    EXPECT_FALSE(diary.deleteEntry(*first));
    EXPECT_FALSE(diary.updateEntry(*first, "2026-12-07", "19:00", "2", "80"));
    EXPECT_TRUE(diary.entriesOn("2026-12-07")->empty());
}

} // namespace tolvane::test
