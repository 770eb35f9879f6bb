// The next page is asked for and read while the one before is stored; stores stay in order and
// whatever ends the run waits for the page being stored.
#include "ScriptedUpdateServer.h"

using namespace tolvane;
using namespace tolvane::test;

namespace {

class PagePipelineTest : public CatalogueUpdateTest {
protected:
    // Starts a run whose first page store waits behind another writer.
    void startBehind(CatalogueUpdate& update) {
        listener.reset();
        update.update();
        fake.dispatcher.advance(0.2);
    }
    // The first pages asked for and their replies read, while the first one waits.
    bool pagesRead(std::size_t pages) {
        if (!fake.dispatcher.runUntil([&] { return requests().size() >= pages; })) return false;
        fake.dispatcher.runUntil([] { return false; }, std::chrono::milliseconds(100));
        return true;
    }
    std::string count() { return queryOne(clientDb, "select count(*) from ProductsTable"); }
};

TEST_F(PagePipelineTest, TheNextPageIsReadWhileOneIsStoredAndPagesAreStoredInOrder) {
    setReplies({page("600", products(1, 250)), page("600", products(251, 250)),
                page("600", products(501, 100)), page("600", "null")});
    CatalogueUpdate update(platform, database, store, listener, url());
    HeldLock lock(clientDb, HeldLock::Write);
    ASSERT_TRUE(lock.held());
    startBehind(update);

    // Pages 2 and 3 are asked for and read while page 1 still waits to be stored; then the
    // reading stops until a page is stored.
    ASSERT_TRUE(pagesRead(3));
    EXPECT_EQ(count(), "0");
    EXPECT_EQ(update.state(), CatalogueUpdate::State::Storing);
    ASSERT_EQ(requests().size(), std::size_t(CatalogueUpdate::maxPagesRead));
    EXPECT_EQ(requests()[1].target, "/getUpdatedProducts.php?timestamp=&pageNo=2&records=250");
    EXPECT_EQ(requests()[2].target, "/getUpdatedProducts.php?timestamp=&pageNo=3&records=250");
    EXPECT_TRUE(listener.progressCalls.empty());

    lock.release();
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return listener.outcome.has_value(); }));
    EXPECT_EQ(listener.outcome, UpdateOutcome::Completed);
    EXPECT_EQ(count(), "600");
    ASSERT_EQ(listener.progressCalls.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(listener.progressCalls[i].page, i + 1);
    EXPECT_EQ(listener.progressCalls.back().stored, 600);
    EXPECT_EQ(requests().size(), 4u);
}

TEST_F(PagePipelineTest, AnEndReadWhileAPageIsStoredWaitsForThatPage) {
    setReplies({page("600", products(1, 250)), "<html>busy</html>"});
    CatalogueUpdate update(platform, database, store, listener, url());
    HeldLock lock(clientDb, HeldLock::Write);
    startBehind(update);

    ASSERT_TRUE(
        fake.dispatcher.runUntil([&] { return fake.log.containsPrefix("JSON parsing failed: "); }));
    // The unreadable page 2 has been read, but page 1 is not stored yet: the run goes on.
    EXPECT_FALSE(listener.outcome.has_value());
    EXPECT_TRUE(fake.alerts.shown().empty());
    EXPECT_TRUE(listener.progressShown);

    lock.release();
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return listener.outcome.has_value(); }));
    EXPECT_EQ(listener.outcome, UpdateOutcome::Unreadable);
    EXPECT_EQ(count(), "250");
    update.saveProgress();
    store.waitUntilIdle();
    EXPECT_EQ(queryOne(clientDb, "select rows from Timestamp"), "500");
}

TEST_F(PagePipelineTest, APageThatFailsToStoreDropsThePageReadAfterIt) {
    query(clientDb, "CREATE TRIGGER full BEFORE INSERT ON ProductsTable WHEN NEW.field01 = "
                    "'Boom' BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END");
    setReplies({page("600", "[" + product(1, "P") + "," + product(2, "Boom") + "]"),
                page("600", products(251, 250)), page("600", "null")});
    CatalogueUpdate update(platform, database, store, listener, url());
    HeldLock lock(clientDb, HeldLock::Write);
    startBehind(update);
    ASSERT_TRUE(pagesRead(2));

    lock.release();
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return listener.outcome.has_value(); }));
    EXPECT_EQ(listener.outcome, UpdateOutcome::Interrupted);
    EXPECT_EQ(count(), "0");
    // Page 3 may have been asked for (600 products reported) but nothing further, and nothing
    // that arrives late is stored.
    fake.dispatcher.runUntil([] { return false; }, std::chrono::milliseconds(300));
    EXPECT_LE(requests().size(), 3u);
    EXPECT_EQ(count(), "0");
    ASSERT_EQ(fake.alerts.shown().size(), 1u);
    EXPECT_EQ(fake.alerts.shown()[0].message, interruptedMessage);
}

TEST_F(PagePipelineTest, ARunWritesWithTheWriteAheadJournalAndLeavesTheFileInTheRollbackJournal) {
    setReplies(
        {page("300", products(1, 250)), page("300", products(251, 50)), page("300", "null")});
    CatalogueUpdate update(platform, database, store, listener, url());
    startBehind(update);
    // Page 1 stored: the run goes on, and so does the write-ahead journal.
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return !listener.progressCalls.empty(); }));
    EXPECT_EQ(journalMode(clientDb), "wal");
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return listener.outcome.has_value(); }));
    EXPECT_EQ(listener.outcome, UpdateOutcome::Completed);
    store.waitUntilIdle(); // the journal goes back on the store worker, after the run
    EXPECT_EQ(journalMode(clientDb), "delete");
    EXPECT_FALSE(std::filesystem::exists(clientDb + "-wal"));
    EXPECT_EQ(count(), "300");
}

} // namespace
