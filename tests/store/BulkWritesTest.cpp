// Bulk writes: the write-ahead journal while they last, the rollback journal after them.
#include "StoreFixture.h"
#include "tests/support/Unprivileged.h"

#include "store/CatalogueStore.h"
#include "store/DatabaseFileCheck.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <chrono>
#include <memory>
#include <thread>

namespace tolvane::test {

namespace {

std::string journalMode(const std::string& path) {
    return sqlRows(path, "PRAGMA journal_mode").at(0).at(0);
}

bool exists(const std::string& path) {
    return std::filesystem::exists(path);
}

// A reader in the middle of its read, as another screen's query would be.
const std::string kRead = "BEGIN; SELECT count(*) FROM ProductsTable";

} // namespace

class BulkWritesTest : public StoreTest {};

TEST_F(BulkWritesTest, WritesGoThroughTheWriteAheadJournalAndEndInTheRollbackJournal) {
    ASSERT_EQ(journalMode(path), "delete");
    ASSERT_TRUE(db->beginBulkWrites());
    EXPECT_TRUE(db->bulkWrites());
    EXPECT_EQ(journalMode(path), "wal");
    addProduct(1, "Milch", "Aldi");
    // Committed and seen by every other connection while the journal is still apart.
    EXPECT_TRUE(exists(path + "-wal"));
    EXPECT_EQ(sqlInt(path, "select count(*) from ProductsTable where recordId = 1"), 1);
    EXPECT_TRUE(db->runInCheckedTransaction([&] {
        CatalogueStore(*db).deleteProductFromMainTable(ProductId{1});
        return true;
    }));

    db->endBulkWrites();
    EXPECT_FALSE(db->bulkWrites());
    EXPECT_EQ(journalMode(path), "delete");
    EXPECT_FALSE(exists(path + "-wal"));
    EXPECT_EQ(sqlInt(path, "select count(*) from ProductsTable"), 0);
    // Ending twice, or without a beginning, does nothing.
    db->endBulkWrites();
    EXPECT_EQ(journalMode(path), "delete");
}

TEST_F(BulkWritesTest, AnEndThatAReaderHoldsUpLeavesTheJournalToTheNextStartCheck) {
    ASSERT_TRUE(db->beginBulkWrites());
    addProduct(1, "Milch", "Aldi");
    {
        OtherConnection reader(path, kRead);
        db->endBulkWrites();
        EXPECT_EQ(journalMode(path), "wal");
    }
    // Nothing written is lost, and the file still works.
    EXPECT_EQ(sqlInt(path, "select count(*) from ProductsTable"), 1);
    addProduct(2, "Quark", "Coop");
    EXPECT_EQ(sqlInt(path, "select count(*) from ProductsTable"), 2);

    db.reset();
    const DatabaseFileCheck check = DatabaseFileCheck::of(path, std::chrono::milliseconds(100));
    EXPECT_EQ(check.state, DatabaseFileCheck::State::Readable);
    EXPECT_EQ(journalMode(path), "delete");
    EXPECT_EQ(sqlInt(path, "select count(*) from ProductsTable"), 2);
}

TEST_F(BulkWritesTest, AnEndWaitsForAReadAboutToFinish) {
    ASSERT_TRUE(db->beginBulkWrites());
    addProduct(1, "Milch", "Aldi");
    auto reader = std::make_unique<OtherConnection>(path, kRead);
    std::thread finishing([&reader] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        reader.reset();
    });
    db->endBulkWrites();
    finishing.join();
    EXPECT_EQ(journalMode(path), "delete");
}

TEST_F(BulkWritesTest, AFileAnotherWriterHoldsIsNotWaitedForAndTriedAgainLater) {
    OtherConnection writer(path, "BEGIN IMMEDIATE");
    ASSERT_TRUE(writer.holding());
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(db->beginBulkWrites());
    // Far below the busy time-out of the operations: the switch does not wait.
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    writer.release();

    EXPECT_TRUE(db->beginBulkWrites());
    EXPECT_EQ(journalMode(path), "wal");
    db->endBulkWrites();
}

TEST_F(BulkWritesTest, AFileInAReadOnlyFolderIsNeverPutInWriteAheadModeAndSaysWhyItIsNotWritten) {
    addProduct(1, "Milch", "Aldi");
    const std::string folder = std::filesystem::path(path).parent_path().string();
    chmod(folder.c_str(), 0555);
    const int code = runUnprivileged([this] {
        MemoryLog childLog;
        Database readOnly(path, childLog);
        if (readOnly.beginBulkWrites()) return 1;
        if (readOnly.runInCheckedTransaction([&] {
                CatalogueStore(readOnly).deleteProductFromMainTable(ProductId{1});
                return true;
            }) ||
            readOnly.lastWriteFailure() != Database::WriteFailure::ReadOnly)
            return 3;
        return CatalogueStore(readOnly).selectProductDetail(ProductId{1}) ? 0 : 2;
    });
    chmod(folder.c_str(), 0755);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(journalMode(path), "delete");
    EXPECT_FALSE(exists(path + "-wal"));
}

TEST_F(BulkWritesTest, AFileThatCannotBeOpenedLeavesTheOperationsAsTheyWere) {
    Database missing(dir.file("nothing-here.db"), log);
    EXPECT_FALSE(missing.beginBulkWrites());
    EXPECT_FALSE(missing.bulkWrites());
    EXPECT_FALSE(exists(dir.file("nothing-here.db")));
}

} // namespace tolvane::test
