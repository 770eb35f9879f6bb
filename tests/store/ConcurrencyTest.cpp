#include "StoreFixture.h"
#include "store/CatalogueStore.h"
#include "store/PlannerStore.h"
#include "store/SettingsStore.h"

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace tolvane::test {

class ConcurrencyTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        seedAppTables();
    }
};

TEST_F(ConcurrencyTest, TwoThreadsOnOneObjectLoseNothing) {
    constexpr int kEach = 40;
    auto writer = [this](const std::string& folder) {
        for (int i = 0; i < kEach; ++i) {
            PlannerStore(*db).insertIntoFavorite_Menulistfolder(ProductId{i}, FolderId::of(folder));
            PlannerStore(*db).selectProductsAccordingToFolder(FolderId::of(folder));
        }
    };
    std::thread a(writer, "1");
    std::thread b(writer, "2");
    a.join();
    b.join();
    EXPECT_EQ(PlannerStore(*db).selectAllRecordIDFromFavoriteTable().size(),
              static_cast<size_t>(2 * kEach));
}

TEST_F(ConcurrencyTest, WriterWaitsForAnotherObjectsReader) {
    constexpr int kWrites = 40;
    addProduct(1, "Brot", "B");
    Database reader(path, log);
    std::atomic<bool> done{false};
    std::atomic<int> failedReads{0};
    std::thread readerThread([&] {
        int last = 0;
        while (!done.load()) {
            const int count = CatalogueStore(reader).selectProductCount();
            // A read that fails gives 0; a count going back means something was lost.
            if (count < last || count == 0) ++failedReads;
            last = count;
        }
    });
    for (int i = 0; i < kWrites; ++i)
        addProduct(100 + i, "Produkt", "H");
    done = true;
    readerThread.join();
    EXPECT_EQ(CatalogueStore(*db).selectProductCount(), kWrites + 1);
    EXPECT_EQ(failedReads.load(), 0);
}

TEST_F(ConcurrencyTest, FailedTransactionLeavesTheFileAsItWas) {
    addProduct(1, "Brot", "B");
    const std::string before = readFileBytes(path);
    EXPECT_FALSE(db->runInTransaction([this] {
        addProduct(2, "Butter", "E");
        CatalogueStore(*db).deleteProductFromMainTable(ProductId{1});
        SettingsStore(*db).updateSettings("NO", "NO", "NO");
        EXPECT_EQ(CatalogueStore(*db).selectProductCount(), 1); // this object sees its own changes
        return false;
    }));
    EXPECT_EQ(readFileBytes(path), before);
    EXPECT_TRUE(CatalogueStore(*db).selectProductDetail(ProductId{1}));

    EXPECT_THROW(db->runInTransaction([this]() -> bool {
        CatalogueStore(*db).deleteProductFromMainTable(ProductId{1});
        throw std::runtime_error("stop");
    }),
                 std::runtime_error);
    EXPECT_EQ(readFileBytes(path), before);
}

TEST_F(ConcurrencyTest, AFailedReadIsToldFromAnEmptyOneAndUndoesACheckedTransaction) {
    addProduct(1, "Brot", "B");
    EXPECT_FALSE(CatalogueStore(*db).selectProductDetail(ProductId{2}));
    EXPECT_FALSE(db->lastReadFailed());
    // Refused: a negative identifier is not digits.
    EXPECT_FALSE(CatalogueStore(*db).selectProductDetail(ProductId{-2}));
    EXPECT_TRUE(db->lastReadFailed());
    db->interrupt();
    EXPECT_EQ(CatalogueStore(*db).selectProductCount(), 0);
    EXPECT_TRUE(db->lastReadFailed());
    db->clearInterrupt();
    EXPECT_EQ(CatalogueStore(*db).selectProductCount(), 1);
    EXPECT_FALSE(db->lastReadFailed());

    EXPECT_FALSE(db->runInCheckedTransaction([this] {
        CatalogueStore(*db).deleteProductFromMainTable(ProductId{1});
        CatalogueStore(*db).selectProductDetail(ProductId{-1});
        return true;
    }));
    EXPECT_TRUE(CatalogueStore(*db).selectProductDetail(ProductId{1}));
}

TEST_F(ConcurrencyTest, TransactionCommitsAndHoldsOffOtherThreads) {
    addProduct(1, "Brot", "B");
    int seenByOtherThread = -1;
    std::thread other;
    EXPECT_TRUE(db->runInTransaction([&] {
        other = std::thread([&] { seenByOtherThread = CatalogueStore(*db).selectProductCount(); });
        addProduct(2, "Butter", "E");
        addProduct(3, "Käse", "K");
        return true;
    }));
    other.join();
    // The other thread's read ran after the commit, never in the middle.
    EXPECT_EQ(seenByOtherThread, 3);
    Database second(path, log);
    EXPECT_EQ(CatalogueStore(second).selectProductCount(), 3);
}

TEST_F(ConcurrencyTest, AnInterruptAsAStatementStartsStopsItAsSoonAsOneUnderWay) {
    using Clock = std::chrono::steady_clock;
    // Enough rows that reading them all in folded order takes a while.
    execSql(path, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < "
                  "150000) INSERT INTO ProductsTable (recordId, field01, field02) SELECT i, "
                  "'Produkt ' || (i * 7919 % 150000), 'Hersteller' FROM n");
    const auto start = Clock::now();
    ASSERT_EQ(CatalogueStore(*db).Search("%", "%").size(), 150000u);
    const auto whole = Clock::now() - start;
    // The interrupt lands at every moment of the read's first few hundred microseconds: while
    // the file is opened, the statement prepared, or its first steps run.
    for (int attempt = 0; attempt < 40; ++attempt) {
        std::atomic<bool> reading{false};
        Clock::time_point interruptedAt;
        std::thread other([&] {
            while (!reading) {
            }
            const auto at = Clock::now() + std::chrono::microseconds(attempt * 10);
            while (Clock::now() < at) {
            }
            db->interrupt();
            interruptedAt = Clock::now();
        });
        reading = true;
        const bool read = !CatalogueStore(*db).Search("%", "%").empty();
        const auto ended = Clock::now();
        other.join();
        // A read that went on after the interrupt must have stopped, not run to its end.
        if (ended > interruptedAt) {
            EXPECT_FALSE(read) << attempt;
            EXPECT_LT(ended - interruptedAt, whole / 2) << attempt;
        }
        db->clearInterrupt();
    }
}

} // namespace tolvane::test
