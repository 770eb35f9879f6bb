// The catalogue service's runs against the scripted server, with the product list screen on
// them: what the screen shows of a run, runs back to back, quitting during one, a screen that
// goes during one, and the upload when the list is first built.
#include "catalogue/CatalogueService.h"
#include "screens/browse/SearchVC.h"
#include "store/DatabaseFileCheck.h"
#include "store/OwnProductStore.h"
#include "tests/exchange/ScriptedUpdateServer.h"

#include <filesystem>
#include <thread>

using namespace tolvane;
using namespace tolvane::test;

namespace {

struct Seen : CatalogueListener {
    void progress(int, int, int page, int) override { lastPage = page; }
    void updateFinished(UpdateOutcome o) override { outcome = o; }
    void heldListChanged(ListChange why) override { lists += why != ListChange::Indexed; }
    int lastPage = 0;
    int lists = 0;
    std::optional<UpdateOutcome> outcome;
};

class CatalogueServiceTest : public CatalogueUpdateTest {
protected:
    void TearDown() override {
        screen.reset();
        if (service) service->removeListener(seen);
        service.reset();
        CatalogueUpdateTest::TearDown();
    }
    CatalogueService& make() {
        service = std::make_unique<CatalogueService>(platform, database, url());
        service->addListener(seen);
        return *service;
    }
    SearchVC& open() {
        screen = std::make_unique<SearchVC>(platform, database, *service, navigation);
        screen->viewDidLoad();
        return *screen;
    }
    void start() {
        seen = {};
        service->update();
        fake.dispatcher.advance(0.2);
    }
    bool until(const std::function<bool()>& done) { return fake.dispatcher.runUntil(done); }
    // The run started last has ended, and completed.
    bool completed() {
        return until([&] { return seen.outcome.has_value(); }) &&
               seen.outcome == UpdateOutcome::Completed;
    }
    // The store worker has gone back to the rollback journal after the last run.
    bool backInTheRollbackJournal() {
        return until([&] {
            return journalMode(clientDb) == "delete" && !std::filesystem::exists(clientDb + "-wal");
        });
    }
    int count() { return std::stoi(queryOne(clientDb, "select count(*) from ProductsTable")); }
    static std::vector<std::string> pages(int products) {
        std::vector<std::string> replies;
        for (int first = 1; first <= products; first += 250)
            replies.push_back(
                page(std::to_string(products),
                     tolvane::test::products(first, std::min(250, products - first + 1))));
        replies.push_back(page(std::to_string(products), "null"));
        return replies;
    }

    FakeNavigation navigation;
    Seen seen;
    std::unique_ptr<CatalogueService> service;
    std::unique_ptr<SearchVC> screen;
};

} // namespace

TEST_F(CatalogueServiceTest, ARunShowsOnTheListScreenAndEndsWithTheWholeCatalogueInItsList) {
    insert(900000001, "");
    make();
    auto& s = open();
    s.searchBarSearchButtonClicked("x");
    fake.dispatcher.runPending();
    ASSERT_TRUE(s.search());
    setReplies(pages(600));

    start();
    EXPECT_TRUE(s.progressShown());
    EXPECT_FALSE(s.refreshEnabled());
    fake.dispatcher.runPending();
    ASSERT_TRUE(completed());
    EXPECT_FALSE(s.progressShown());
    EXPECT_TRUE(s.refreshEnabled());
    EXPECT_EQ(s.progressText(), "600 von 600 Produkten geladen\nSeite 3 von 3");
    // The list was read again at most once a second while the fake clock stood: after the first
    // page and at the end, then the whole catalogue is swapped in.
    ASSERT_TRUE(until([&] { return !service->rebuildPending(); }));
    EXPECT_LE(seen.lists, 2);
    s.searchBarCancelButtonClicked();
    fake.dispatcher.runPending();
    EXPECT_EQ(s.rowCount(), 601u);
    s.searchBarSearchButtonClicked("P");
    fake.dispatcher.runPending();
    EXPECT_EQ(s.rowCount(), 600u);
}

TEST_F(CatalogueServiceTest, ASearchStaysThroughARunAndIsMadeAgainOnEachListItBrings) {
    insert(900000001, "");
    make();
    auto& s = open();
    s.searchBarSearchButtonClicked("x"); // then the refresh button
    fake.dispatcher.runPending();
    ASSERT_EQ(s.rowCount(), 1u);
    std::vector<std::string> replies = pages(600);
    replies.insert(replies.end() - 1, page("601", "[" + product(700, "Xylit") + "]"));
    setReplies(replies);

    start();
    ASSERT_TRUE(completed());
    ASSERT_TRUE(until([&] {
        return !service->rebuildPending() && service->heldList().state == ListState::Ready;
    }));
    EXPECT_EQ(s.searchText(), "x");
    EXPECT_TRUE(s.search());
    EXPECT_EQ(s.rowCount(), 2u); // the run's product found too
}

TEST_F(CatalogueServiceTest, TheOwnProductsAreSentOnceWhenTheListIsFirstBuilt) {
    releaseHeld(true);
    OwnProductStore(database).insertProduct("Eigenes", "Hof", "2", "3", "1", "4", "0.25", "120",
                                            "0", "0", "g", "1", "");
    make();
    open();
    ASSERT_TRUE(until(
        [&] { return OwnProductStore(database).selectProductsForCsv().empty(); })); // "Mail send"
    open(); // the list built again on the same service
    fake.dispatcher.runUntil([] { return false; }, std::chrono::milliseconds(200));
    std::lock_guard lock(mutex);
    EXPECT_EQ(uploadsSeen, 1);
}

TEST_F(CatalogueServiceTest, TwoRunsBackToBackWhileTheFirstsSwitchBackWaitsForAReader) {
    make();
    std::vector<std::string> replies = pages(2500);
    for (const auto& reply : {page("1", "[" + product(5, "Neu") + "]"), page("1", "null")})
        replies.push_back(reply);
    setReplies(replies);
    start();
    ASSERT_TRUE(until([&] { return seen.lastPage >= 1; }));
    // A read under way keeps the first run's switch back to the rollback journal waiting...
    HeldLock reader(clientDb, HeldLock::Read);
    ASSERT_TRUE(completed());
    // ...while the second run starts, and its page is read: nothing on this thread waits.
    start();
    // The page may be stored before this thread looks: either shows it did not wait.
    ASSERT_TRUE(until([&] { return service->storingPage() || seen.outcome.has_value(); }));
    reader.release();
    ASSERT_TRUE(completed());

    ASSERT_TRUE(backInTheRollbackJournal());
    EXPECT_EQ(count(), 2500);
    EXPECT_EQ(queryOne(clientDb, "select field01 from ProductsTable where recordId = 5"), "Neu");
    EXPECT_EQ(queryOne(clientDb, "select rows, dtimestamp from Timestamp"),
              "0|2018-01-01 00:00:00");
    EXPECT_EQ(query(clientDb, "PRAGMA integrity_check"), std::vector<std::string>{"ok"});
}

TEST_F(CatalogueServiceTest, QuittingDuringARunKeepsWhatIsStoredAndTheNextRunResumes) {
    make();
    // Pages enough that the quit never meets the last one, from which there is nothing to resume.
    setReplies(pages(5000));
    start();
    ASSERT_TRUE(until([&] { return seen.lastPage >= 1; }));
    // Another program holds the file: the next page waits for it, as long as the program runs.
    HeldLock writer(clientDb, HeldLock::Write);
    const int stored = count();
    ASSERT_TRUE(until([&] { return service->storingPage(); }));
    fake.dispatcher.runUntil([] { return false; }, std::chrono::milliseconds(50));
    service->stop();
    writer.release(); // a page not interrupted would be stored now
    service.reset();

    // Nothing more stored after the quit, nothing stored lost, the progress kept, and the file
    // left in write-ahead mode to the next start-up check.
    EXPECT_EQ(count(), stored);
    const int resumeAt = stored / CatalogueUpdate::recordsPerPage + 1;
    EXPECT_EQ(queryOne(clientDb, "select rows from Timestamp"),
              std::to_string(resumeAt * CatalogueUpdate::recordsPerPage));
    EXPECT_EQ(journalMode(clientDb), "wal");
    EXPECT_EQ(DatabaseFileCheck::of(clientDb, std::chrono::seconds(1)).state,
              DatabaseFileCheck::State::Readable);
    EXPECT_EQ(journalMode(clientDb), "delete");
    EXPECT_EQ(query(clientDb, "PRAGMA integrity_check"), std::vector<std::string>{"ok"});

    auto rest = pages(5000);
    rest.erase(rest.begin(), rest.begin() + (resumeAt - 1));
    setReplies(rest);
    const auto before = requests().size();
    make();
    start();
    EXPECT_TRUE(completed());
    EXPECT_EQ(requests()[before].target, "/getUpdatedProducts.php?timestamp=&pageNo=" +
                                             std::to_string(resumeAt) + "&records=250");
    EXPECT_EQ(count(), 5000);
}

TEST_F(CatalogueServiceTest, AScreenThatGoesDuringARunHearsNothingMoreAndTheRunCompletes) {
    make();
    open();
    setReplies(pages(2500));
    start();
    ASSERT_TRUE(until([&] { return seen.lastPage >= 1; }));
    screen.reset();
    ASSERT_TRUE(completed());
    ASSERT_TRUE(until([&] { return !service->rebuildPending(); }));
    EXPECT_EQ(service->heldList().rows->size(), 2500u);
    EXPECT_EQ(count(), 2500);
}
