// The held product list read again on its reader: after stored pages at most once a second, at
// once at the run's end, and only the newest list swapped in, on the UI thread.
#include "catalogue/HeldProductList.h"
#include "catalogue/HeldListSearch.h"
#include "format/Gtin.h"
#include "store/Database.h"
#include "tests/support/TestCatalogue.h"

#include <gtest/gtest.h>

#include <thread>

using namespace tolvane;
using namespace tolvane::test;

namespace {

using Texts = std::vector<std::string>;

class HeldProductListTest : public ::testing::Test {
protected:
    HeldProductListTest() {
        catalogue.add({.id = 1, .name = "Äpfel", .maker = "Bauer"});
        catalogue.add({.id = 2, .name = "Brot", .maker = "Beck"});
        list = make();
    }
    std::unique_ptr<HeldProductList> make(int readAtOnceUpTo = 20000) {
        return std::make_unique<HeldProductList>(fake.platform(), shared, readAtOnceUpTo,
                                                 [this](ListChange why) {
                                                     if (why != ListChange::Indexed)
                                                         changes.push_back(why);
                                                 });
    }
    Texts letters() const {
        Texts out;
        for (const auto& section : *list->list().sections)
            out.push_back(section.letter);
        return out;
    }
    bool settled() {
        return fake.dispatcher.runUntil([&] { return !list->rebuildPending(); });
    }

    FakePlatform fake;
    TestCatalogue catalogue;
    Database shared{catalogue.path(), fake.log};
    std::vector<ListChange> changes;
    std::unique_ptr<HeldProductList> list;
};

} // namespace

TEST_F(HeldProductListTest, StoredPagesReadItAgainOffTheUiThreadAtMostOnceASecond) {
    catalogue.add({.id = 10, .name = "Quark"});
    list->rebuildSoon();
    list->rebuildSoon(); // pages stored close together ask once
    EXPECT_EQ(letters(), (Texts{"A", "B"}));
    ASSERT_TRUE(settled());
    EXPECT_EQ(letters(), (Texts{"A", "B", "Q"}));

    // The next one waits for the second to pass.
    catalogue.add({.id = 11, .name = "Zopf"});
    list->rebuildSoon();
    fake.dispatcher.runPending();
    EXPECT_TRUE(list->rebuildPending());
    EXPECT_EQ(letters(), (Texts{"A", "B", "Q"}));
    fake.dispatcher.advance(1.0);
    ASSERT_TRUE(settled());
    EXPECT_EQ(letters(), (Texts{"A", "B", "Q", "Z"}));

    // The run's end starts a waiting one at once: no second passes (the fake clock stands)
    // before the whole list is there, read off the UI thread.
    catalogue.add({.id = 12, .name = "Hafer"});
    list->rebuildSoon();
    list->finishPendingRebuild();
    EXPECT_EQ(letters(), (Texts{"A", "B", "Q", "Z"}));
    ASSERT_TRUE(settled());
    EXPECT_EQ(letters(), (Texts{"A", "B", "H", "Q", "Z"}));
    fake.dispatcher.advance(2.0);
    EXPECT_FALSE(list->rebuildPending());
    EXPECT_EQ(changes, std::vector<ListChange>(3, ListChange::UpdatePages));
}

TEST_F(HeldProductListTest, TheRunsEndDropsAListReadBeforeItAndShowsTheWholeCatalogueLast) {
    // A reading has its list waiting for the UI thread...
    catalogue.add({.id = 10, .name = "Quark"});
    list->rebuildSoon();
    const auto queued = fake.dispatcher.queued();
    list->finishPendingRebuild();
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (fake.dispatcher.queued() == queued && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_GT(fake.dispatcher.queued(), queued);
    // ...when the last page is stored and the run ends.
    catalogue.add({.id = 11, .name = "Hafer", .maker = "Mühle"});
    catalogue.remove(2);
    list->rebuildSoon();
    list->finishPendingRebuild();
    ASSERT_TRUE(settled());

    // The list read before the end never shows, nothing replaces the last one afterwards, and it
    // is the catalogue as it is read now.
    fake.dispatcher.advance(3.0);
    EXPECT_EQ(changes.size(), 1u);
    EXPECT_EQ(letters(), (Texts{"A", "H", "Q"}));
    EXPECT_EQ(list->list().rows->rows(), readHeldList(shared).rows->rows());
}

TEST_F(HeldProductListTest, NothingIsSwappedInOnceStopped) {
    catalogue.addMany(3000, 100);
    list = make(10);
    ASSERT_TRUE(list->loading());
    list->stop();
    fake.dispatcher.runUntil([] { return false; }, std::chrono::milliseconds(200));
    EXPECT_TRUE(changes.empty());
    EXPECT_TRUE(list->list().rows->empty());
}

TEST_F(HeldProductListTest, EachListIsFoldedForSearchAfterItShowsAndASearchWaitsForIt) {
    const auto finds = [&](const std::string& typed) {
        const HeldList& held = list->list();
        EXPECT_EQ(held.search->rowCount(), held.rows->size());
        return findInHeldList(*held.rows, *held.search, typed).size();
    };
    // Read at once, folded on the reader: not yet taken in when the list is there.
    EXPECT_EQ(list->list().rows->size(), 2u);
    EXPECT_EQ(list->list().search->rowCount(), 0u);
    list->awaitList();
    EXPECT_EQ(finds("apfel"), 1u);

    // A list read again has its own.
    catalogue.add({.id = 10, .name = "Öl"});
    list->ownProductsChanged();
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return !list->ownProductsPending(); }));
    list->awaitList();
    EXPECT_EQ(finds("ol"), 1u);

    // A large one read on the reader: the search waits for the list and then its folding.
    catalogue.addMany(3000, 100);
    list = make(10);
    ASSERT_TRUE(list->loading());
    list->awaitList();
    EXPECT_FALSE(list->loading());
    EXPECT_EQ(finds("apfel"), 1u);
}

TEST_F(HeldProductListTest, ABarcodeAskedOfAListJustReadWaitsForItsIndexInsteadOfMissing) {
    const auto code = [&](int id, const char* digits) {
        catalogue.exec("update ProductsTable set field24 = '" + std::string(digits) +
                       "' where recordId = " + std::to_string(id));
        return readGtin(digits)->value;
    };
    const auto finds = [&](std::uint64_t value) {
        list->awaitList();
        const HeldList& held = list->list();
        EXPECT_EQ(held.state, ListState::Ready);
        const auto rows = held.barcodes->rowsWith(value);
        return rows.empty() ? std::string() : held.rows->recordId(rows.front());
    };
    // At the start, read at once: the barcodes come from the reader after the list showed.
    const auto brot = code(2, "4006381333931");
    list = make();
    EXPECT_EQ(finds(brot), "2");

    // An own product saved: asked at once, before the list read again is handed over.
    catalogue.add({.id = 900000001, .name = "Hafer"});
    const auto hafer = code(900000001, "7612345678900");
    list->ownProductsChanged();
    EXPECT_EQ(finds(hafer), "900000001");

    // Update pages stored: asked as soon as the list read again is shown.
    catalogue.add({.id = 10, .name = "Quark"});
    const auto quark = code(10, "96385074");
    list->rebuildSoon();
    fake.dispatcher.advance(1.0);
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return list->list().rows->size() == 4; }));
    EXPECT_EQ(finds(quark), "10");

    // A large one read on the reader at the start.
    catalogue.addMany(3000, 100);
    list = make(10);
    EXPECT_EQ(finds(quark), "10");
}

TEST_F(HeldProductListTest, AListThatCannotBeReadIsNoEmptyCatalogueTheOneHeldStays) {
    list->awaitList();
    // The table gone for a moment (as a read that fails with the file busy or unreadable).
    catalogue.exec("alter table ProductsTable rename to Away");
    list->ownProductsChanged();
    list->awaitList();
    EXPECT_TRUE(list->readFailed());
    EXPECT_EQ(list->list().rows->size(), 2u);
    EXPECT_EQ(list->list().state, ListState::Ready);
    EXPECT_EQ(changes, std::vector<ListChange>{ListChange::ReadFailed});
    EXPECT_FALSE(list->ownProductsPending());

    // Read at the start: nothing to show, and it says it failed rather than being empty.
    list = make();
    EXPECT_TRUE(list->readFailed());
    EXPECT_EQ(list->list().state, ListState::Failed);

    // Readable again: the next reading is the catalogue.
    catalogue.exec("alter table Away rename to ProductsTable");
    list->ownProductsChanged();
    list->awaitList();
    EXPECT_FALSE(list->readFailed());
    EXPECT_EQ(list->list().state, ListState::Ready);
    EXPECT_EQ(letters(), (Texts{"A", "B"}));
}
