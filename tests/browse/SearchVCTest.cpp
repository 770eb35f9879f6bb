#include "screens/browse/SearchVC.h"
#include "screens/browse/CatalogueUpdateRunner.h"
#include "screens/detail/ProductDetail.h"
#include "store/Database.h"
#include "tests/support/TestCatalogue.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

using namespace tolvane;
using namespace tolvane::test;

namespace {

struct FakeRunner : CatalogueUpdateRunner {
    int updates = 0;
    int saves = 0;
    std::vector<std::vector<UploadRow>> uploads;
    void update() override { ++updates; }
    void createCsvForUpload(const std::vector<UploadRow>& records) override {
        uploads.push_back(records);
    }
    void saveProgress() override { ++saves; }
};

class SearchVCTest : public ::testing::Test {
protected:
    SearchVCTest() {
        fake.defaults.registerDefaults({{"isfirstLaunchSearch", false}});
        catalogue.add({.id = 1, .name = "Äpfel", .maker = "Bauer"});
        catalogue.add({.id = 2, .name = "Apfelmus", .maker = "Müller"});
        catalogue.add({.id = 3, .name = "Brot", .maker = "Beck"});
        catalogue.add({.id = 4, .name = "7up", .maker = "Pepsi"});
        catalogue.add({.id = 5, .name = "", .maker = "Namenlos"});
    }

    SearchVC& build() {
        screen = std::make_unique<SearchVC>(fake.platform(), shared, navigation);
        auto r = std::make_unique<FakeRunner>();
        runner = r.get();
        screen->setUpdateRunner(std::move(r));
        screen->viewDidLoad();
        fake.dispatcher.runPending();
        return *screen;
    }

    std::vector<std::string> letters() const {
        std::vector<std::string> out;
        for (const auto& s : screen->displayList())
            out.push_back(s.letter);
        return out;
    }

    FakePlatform fake;
    TestCatalogue catalogue;
    Database shared{catalogue.path(), fake.log};
    FakeNavigation navigation;
    std::unique_ptr<SearchVC> screen;
    FakeRunner* runner = nullptr;
};

using Texts = std::vector<std::string>;

} // namespace

TEST_F(SearchVCTest, BuildingGroupsTheWholeCatalogueAndStartsTheUpload) {
    catalogue.addOwnProductToUpload("Mein Müsli");
    auto& s = build();
    EXPECT_FALSE(s.tableHidden());
    EXPECT_EQ(letters(), (Texts{"A", "B", "#"}));
    EXPECT_EQ(s.sideIndex(), (Texts{"A", "B", "#"}));
    EXPECT_EQ(s.rowName(0, 0), "Äpfel");
    EXPECT_EQ(s.rowMaker(0, 1), "Müller");
    ASSERT_EQ(runner->uploads.size(), 1u);
    ASSERT_EQ(runner->uploads[0].size(), 1u);
    EXPECT_EQ(runner->uploads[0][0].name, "Mein Müsli");
    EXPECT_FALSE(fake.alerts.hasPending()); // the prompt is off
}

TEST_F(SearchVCTest, EmptyCatalogueHidesTheTableAndRefusesToSearch) {
    for (int id = 1; id <= 5; ++id)
        catalogue.remove(id);
    auto& s = build();
    EXPECT_TRUE(s.tableHidden());
    EXPECT_EQ(s.numberOfSections(), 1);
    EXPECT_EQ(s.numberOfRows(0), 0);
    s.searchBarSearchButtonClicked("Brot");
    ASSERT_TRUE(fake.alerts.hasPending());
    EXPECT_EQ(fake.alerts.firstPending().message,
              "Keine Daten im Speicher vorhanden. Bitte laden Sie zuerst die aktuellen Daten "
              "herunter.");
    EXPECT_EQ(fake.alerts.firstPending().buttons, Texts{"OK"});
    EXPECT_EQ(fake.dispatcher.runPending(), 0); // nothing was searched

    // Live typing does not stack a second message on the open one.
    catalogue.setSettings("YES", "YES");
    s.viewWillAppear();
    s.textDidChange("B");
    s.textDidChange("Br");
    EXPECT_EQ(fake.alerts.shown().size(), 1u);
    fake.alerts.answer(0);
    s.textDidChange("Bro");
    EXPECT_EQ(fake.alerts.shown().size(), 2u);
}

TEST_F(SearchVCTest, ButtonSearchShowsSearchRowsWithoutIndexAndLogsThePattern) {
    auto& s = build();
    s.searchBarTextDidBeginEditing();
    EXPECT_TRUE(s.cancelButtonVisible());
    s.searchBarSearchButtonClicked("apfel");
    EXPECT_FALSE(s.cancelButtonVisible());
    EXPECT_TRUE(s.search());
    fake.dispatcher.runPending();
    EXPECT_TRUE(s.sideIndex().empty());
    // "apfel" matches Apfelmus only: LIKE does not fold the umlaut of Äpfel.
    ASSERT_EQ(s.rowCount(), 1u);
    EXPECT_EQ(s.rowName(0, 0), "Apfelmus");
    EXPECT_EQ(s.rowMaker(0, 0), "Müller");
    const auto events = fake.analytics.events();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().name, "General Search Terms");
    EXPECT_EQ(events.back().parameters.at("Search Screen"), "%apfel%");
}

TEST_F(SearchVCTest, ButtonSearchWithoutHitsAlertsEmptiesTheTextAndBringsTheListBack) {
    auto& s = build();
    s.searchBarSearchButtonClicked("Zzz");
    fake.dispatcher.runPending();
    ASSERT_TRUE(fake.alerts.hasPending());
    EXPECT_EQ(fake.alerts.firstPending().title, "Keine Treffer");
    EXPECT_EQ(fake.alerts.firstPending().message,
              "Keine Produkte oder Hersteller entsprechen Ihrer Eingabe");
    EXPECT_EQ(s.searchText(), "");
    EXPECT_FALSE(s.search());
    EXPECT_EQ(s.sideIndex(), (Texts{"A", "B", "#"}));
    EXPECT_EQ(s.rowCount(), 4u);
}

TEST_F(SearchVCTest, LiveSearchFollowsTypingAndHidesTheTableWithoutHits) {
    catalogue.setSettings("YES", "YES");
    auto& s = build();
    ASSERT_TRUE(s.liveSearch());
    EXPECT_FALSE(s.searchButtonVisible()); // typing searches by itself
    s.textDidChange("b");
    fake.dispatcher.runPending();
    // "%b%" finds Brot by name and Äpfel by its maker Bauer.
    EXPECT_EQ(s.rowCount(), 2u);

    s.textDidChange("bx");
    fake.dispatcher.runPending();
    EXPECT_TRUE(s.tableHidden());
    EXPECT_FALSE(fake.alerts.hasPending());
    EXPECT_EQ(std::string(s.emptyTextKey()), "Keine Treffer"); // said where the table was

    // An empty text searches "%%", which matches everything, as search rows.
    s.textDidChange("");
    fake.dispatcher.runPending();
    EXPECT_FALSE(s.tableHidden());
    EXPECT_EQ(std::string(s.emptyTextKey()), "");
    EXPECT_TRUE(s.search());
    EXPECT_TRUE(s.sideIndex().empty());
    EXPECT_EQ(s.rowCount(), 4u); // the blank name stays hidden
}

TEST_F(SearchVCTest, LiveSearchLooksUpOnlyTheNewestOfQuickKeystrokes) {
    catalogue.setSettings("YES", "YES");
    auto& s = build();
    s.textDidChange("z");
    s.textDidChange("zz");
    s.textDidChange("b");
    fake.dispatcher.runPending();
    EXPECT_FALSE(s.tableHidden()); // the hidden table of "z" never showed
    EXPECT_EQ(s.rowCount(), 2u);
}

TEST_F(SearchVCTest, WithLiveSearchOffTypingChangesNothing) {
    auto& s = build();
    EXPECT_TRUE(s.searchButtonVisible()); // the only way to search besides Enter
    s.textDidChange("Brot");
    EXPECT_EQ(fake.dispatcher.runPending(), 0);
    EXPECT_FALSE(s.search());
    EXPECT_EQ(s.rowCount(), 4u);
}

TEST_F(SearchVCTest, CancelRestoresTheHeldListWithoutAskingTheStore) {
    auto& s = build();
    s.searchBarSearchButtonClicked("Brot");
    fake.dispatcher.runPending();
    ASSERT_EQ(s.rowCount(), 1u);
    catalogue.remove(2); // the held grouping is shown, not a new query
    s.searchBarCancelButtonClicked();
    EXPECT_EQ(s.nl(), 1);
    EXPECT_EQ(s.searchText(), "");
    EXPECT_EQ(s.placeholder(), "Produkt eingeben");
    fake.dispatcher.runPending();
    EXPECT_FALSE(s.search());
    EXPECT_EQ(s.rowCount(), 4u);
    EXPECT_EQ(s.sideIndex(), (Texts{"A", "B", "#"}));
}

TEST_F(SearchVCTest, ChoosingAProductOpensItsDetailInBothRowForms) {
    auto& s = build();
    s.didSelectRow(1, 0); // Brot in the full list: identifier in the third column
    ASSERT_EQ(navigation.stack().size(), 1u);
    auto detail = std::dynamic_pointer_cast<ProductDetail>(navigation.top());
    ASSERT_TRUE(detail);
    detail->viewWillDisappear();
    EXPECT_EQ(fake.defaults.stringForKey("ProducteDetailFromScreen"), "Search");
    EXPECT_EQ(detail->productName(), "Brot");
    EXPECT_EQ(fake.defaults.stringForKey("SearchProductId"), "3");
    EXPECT_EQ(navigation.backTitles().back(), "Suche");

    s.searchBarSearchButtonClicked("Pepsi");
    fake.dispatcher.runPending();
    s.didSelectRow(0, 0); // a search row
    detail = std::dynamic_pointer_cast<ProductDetail>(navigation.top());
    ASSERT_TRUE(detail);
    EXPECT_EQ(detail->productName(), "7up");
    EXPECT_EQ(fake.defaults.stringForKey("SearchProductId"), "4");
}

TEST_F(SearchVCTest, AProductGoneSinceTheListWasBuiltDoesNotOpen) {
    auto& s = build();
    catalogue.remove(3);
    s.didSelectRow(1, 0);
    EXPECT_TRUE(navigation.stack().empty());
}

TEST_F(SearchVCTest, NewOwnProductReloadsTheListOnAppearing) {
    auto& s = build();
    catalogue.add({.id = 900000001, .name = "Zopf"});
    fake.defaults.setString("NewProductUpdated", "YES");
    s.viewWillAppear();
    EXPECT_TRUE(s.loadingIndicatorShown());
    EXPECT_EQ(fake.defaults.stringForKey("NewProductUpdated"), "NO");
    fake.dispatcher.runPending();
    EXPECT_FALSE(s.loadingIndicatorShown());
    EXPECT_EQ(letters(), (Texts{"A", "B", "Z", "#"}));

    // A cancel afterwards restores the new grouping, not the one of the first build.
    s.searchBarCancelButtonClicked();
    fake.dispatcher.runPending();
    EXPECT_EQ(s.rowCount(), 5u);
}

TEST_F(SearchVCTest, StartupPromptButtonsDoWhatTheySay) {
    struct Case {
        int button;
        const char* event;
        bool flagAfter;
        int updates;
    };
    for (const Case c :
         {Case{0, "Starthinweis löschen", false, 0}, Case{1, "Sync @ Start", true, 1},
          Case{2, "Sync @ Start-Hinweis erneut anzeigen", true, 0}}) {
        SCOPED_TRACE(c.button);
        FakePlatform p;
        p.defaults.registerDefaults({{"isfirstLaunchSearch", true}});
        SearchVC s(p.platform(), shared, navigation);
        auto r = std::make_unique<FakeRunner>();
        auto* fr = r.get();
        s.setUpdateRunner(std::move(r));
        s.viewDidLoad();
        p.dispatcher.runPending();
        EXPECT_TRUE(p.analytics.has("Show Sync Message on Startup"));
        ASSERT_TRUE(p.alerts.hasPending());
        const auto& prompt = p.alerts.firstPending();
        EXPECT_EQ(prompt.title, "Sync-Benachrichtigung");
        EXPECT_EQ(prompt.message, "Bitte synchronisieren Sie Ihr App");
        EXPECT_EQ(prompt.buttons,
                  (Texts{"Hinweis löschen", "Sync starten", "Startmenü Später erinnern"}));
        p.alerts.answer(c.button);
        EXPECT_TRUE(p.analytics.has(c.event));
        EXPECT_EQ(p.defaults.boolForKey("isfirstLaunchSearch"), c.flagAfter);
        EXPECT_TRUE(p.defaults.stored("isfirstLaunchSearch").has_value());
        EXPECT_EQ(fr->updates, c.updates);
    }
}

TEST_F(SearchVCTest, OtherAlertsOnlyDismiss) {
    auto& s = build();
    s.searchBarSearchButtonClicked("Zzz");
    fake.dispatcher.runPending();
    ASSERT_TRUE(fake.alerts.answer(0));
    EXPECT_EQ(runner->updates, 0);
    EXPECT_FALSE(fake.defaults.stored("isfirstLaunchSearch").has_value());
}

TEST_F(SearchVCTest, UpdateEndsTheSearchShowsProgressAndRebuildsTheList) {
    auto& s = build();
    s.update();
    EXPECT_EQ(runner->updates, 1);

    s.searchBarTextDidBeginEditing();
    s.searchBarSearchButtonClicked("Brot");
    fake.dispatcher.runPending();
    s.showProgress(true);
    s.spinner(true);
    s.setRefreshEnabled(false);
    s.endSearch();
    EXPECT_EQ(s.searchText(), "");
    EXPECT_EQ(s.nl(), 1);
    fake.dispatcher.runPending();
    EXPECT_FALSE(s.search());
    EXPECT_EQ(s.progressText(), "");

    catalogue.add({.id = 10, .name = "Quark"});
    s.progress(250, 1000, 1, 4);
    s.rebuildList();
    EXPECT_EQ(s.progressText(), "250 von 1000 Produkten geladen\nSeite 1 von 4");
    EXPECT_TRUE(s.progressShown());
    EXPECT_TRUE(s.spinnerRunning());
    EXPECT_FALSE(s.refreshEnabled());
    EXPECT_EQ(letters(), (Texts{"A", "B", "Q", "#"}));

    s.viewDidDisappear();
    EXPECT_EQ(runner->saves, 1);
}

TEST_F(SearchVCTest, TheBarFollowsTheStoredProductsOnceTheTotalIsKnown) {
    auto& s = build();
    s.showProgress(true);
    s.spinner(true);
    EXPECT_EQ(s.progressMaximum(), 0); // busy: nothing known yet
    s.progress(250, 1000, 1, 4);
    EXPECT_EQ(s.progressMaximum(), 1000);
    EXPECT_EQ(s.progressValue(), 250);
    s.progress(1000, 1000, 4, 4);
    EXPECT_EQ(s.progressValue(), 1000);
    s.showProgress(false);
    s.showProgress(true);
    EXPECT_EQ(s.progressMaximum(), 0);
}

TEST_F(SearchVCTest, NothingNewSaysUpToDateForTwoSecondsWithoutAnAlert) {
    auto& s = build();
    fake.dispatcher.runPending();
    fake.alerts.clear();
    s.showProgress(true);
    s.showProgress(false);
    s.showUpToDate();
    EXPECT_TRUE(s.progressShown());
    EXPECT_EQ(s.progressText(), "Der Katalog ist auf dem neuesten Stand.");
    EXPECT_EQ(s.progressValue(), s.progressMaximum());
    fake.dispatcher.advance(1.9);
    EXPECT_TRUE(s.progressShown());
    fake.dispatcher.advance(0.2);
    EXPECT_FALSE(s.progressShown());
    EXPECT_EQ(s.progressText(), "");
    EXPECT_TRUE(fake.alerts.shown().empty());

    // A run started meanwhile keeps its panel when the two seconds are over.
    s.showUpToDate();
    s.showProgress(true);
    fake.dispatcher.advance(2.5);
    EXPECT_TRUE(s.progressShown());
    EXPECT_EQ(s.progressText(), "");
}

TEST_F(SearchVCTest, DeferredWorkAfterTheScreenIsGoneDoesNothing) {
    auto& s = build();
    s.searchBarSearchButtonClicked("Brot");
    screen.reset();
    EXPECT_NO_FATAL_FAILURE(fake.dispatcher.runPending());
}

TEST_F(SearchVCTest, SearchRowsAreThoseOfTheSearchStatement) {
    catalogue.add({.id = 6, .name = "Brötchen 100%", .maker = "bäcker_nord"});
    catalogue.add({.id = 7, .name = "Knäckebrot", .maker = "BROT & co"});
    auto& s = build();
    for (const std::string typed : {"b", "BR", "brot", "ö", "Ä", "%", "_", "0%", "r_t", "7", " "}) {
        SCOPED_TRACE(typed);
        s.searchBarSearchButtonClicked(typed);
        fake.dispatcher.runPending();
        const auto expected = shared.Search("%" + typed + "%", "%" + typed + "%");
        if (expected.empty()) {
            fake.alerts.answer(0);
            fake.dispatcher.runPending();
            EXPECT_FALSE(s.search());
            continue;
        }
        std::vector<std::string> shown;
        for (int section = 0; section < s.numberOfSections(); ++section)
            for (int row = 0; row < s.numberOfRows(section); ++row)
                shown.push_back(s.rowName(section, row) + "|" + s.rowMaker(section, row));
        // The statement's rows as the screen groups them (blank names left out), in order.
        std::vector<std::string> wanted;
        const PackedRows rows(expected);
        for (const auto& section : groupUnderIndexLetters(rows, BlankKeys::Hidden).displayList)
            for (const auto position : section.rows)
                wanted.push_back(expected[position].name + "|" + expected[position].maker);
        EXPECT_EQ(shown, wanted);
    }
}

TEST_F(SearchVCTest, TheHeldListSearchedFollowsUpdatesAndOwnProducts) {
    catalogue.setSettings("YES", "YES");
    auto& s = build();
    s.textDidChange("Quark");
    fake.dispatcher.runPending();
    EXPECT_TRUE(s.tableHidden()); // not there yet

    // An update page stored it.
    catalogue.add({.id = 10, .name = "Quark", .maker = "Hof"});
    s.rebuildList();
    s.textDidChange("Quark");
    fake.dispatcher.runPending();
    EXPECT_FALSE(s.tableHidden());
    ASSERT_EQ(s.rowCount(), 1u);
    EXPECT_EQ(s.rowMaker(0, 0), "Hof");

    // An own product saved while a search is shown, and one deleted.
    catalogue.add({.id = 900000002, .name = "Quarkspeise", .maker = "Ich"});
    catalogue.remove(10);
    fake.defaults.setString("NewProductUpdated", "YES");
    s.viewWillAppear();
    fake.dispatcher.runPending();
    EXPECT_EQ(s.rowCount(), 1u); // the search rows shown stay until the next keystroke
    s.textDidChange("Quar");
    fake.dispatcher.runPending();
    ASSERT_EQ(s.rowCount(), 1u);
    EXPECT_EQ(s.rowName(0, 0), "Quarkspeise");
    s.searchBarCancelButtonClicked();
    fake.dispatcher.runPending();
    EXPECT_EQ(s.rowCount(), 5u); // the restored list is the current catalogue too
}

TEST_F(SearchVCTest, UpdatePagesRebuildTheListOffTheUiThreadAtMostOnceASecond) {
    auto& s = build();
    catalogue.add({.id = 10, .name = "Quark"});
    s.rebuildListSoon();
    s.rebuildListSoon();                          // pages stored close together ask once
    EXPECT_EQ(letters(), (Texts{"A", "B", "#"})); // nothing swapped in yet
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return !s.rebuildPending(); }));
    EXPECT_EQ(letters(), (Texts{"A", "B", "Q", "#"}));
    EXPECT_EQ(s.rowCount(), 5u);

    // The next one waits for the second to pass, and the list at the end is the whole catalogue.
    catalogue.add({.id = 11, .name = "Zopf"});
    s.rebuildListSoon();
    fake.dispatcher.runPending();
    EXPECT_TRUE(s.rebuildPending());
    EXPECT_EQ(s.rowCount(), 5u);
    fake.dispatcher.advance(1.0);
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return !s.rebuildPending(); }));
    EXPECT_EQ(letters(), (Texts{"A", "B", "Q", "Z", "#"}));

    // The run's end starts a waiting rebuild at once, on the worker: no second passes (the fake
    // clock stands) before the whole list is swapped in, and the waiting turn starts nothing.
    catalogue.add({.id = 12, .name = "Hafer"});
    s.rebuildListSoon();
    s.finishPendingRebuild();
    EXPECT_TRUE(s.rebuildPending());
    EXPECT_EQ(letters(), (Texts{"A", "B", "Q", "Z", "#"})); // the UI thread did not read it
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return !s.rebuildPending(); }));
    EXPECT_EQ(letters(), (Texts{"A", "B", "H", "Q", "Z", "#"}));
    fake.dispatcher.advance(2.0);
    EXPECT_FALSE(s.rebuildPending());
    s.textDidChange("x"); // live search off: the held list is the new one for the search
    s.searchBarSearchButtonClicked("Zopf");
    fake.dispatcher.runPending();
    ASSERT_EQ(s.rowCount(), 1u);
    EXPECT_EQ(s.rowName(0, 0), "Zopf");
}

namespace {

// The sections and rows a screen shows, as text, to compare two screens.
Texts shownRows(const SearchVC& s) {
    Texts out;
    for (int section = 0; section < s.numberOfSections(); ++section) {
        out.push_back("[" + s.sectionTitle(section) + "]");
        for (int row = 0; row < s.numberOfRows(section); ++row)
            out.push_back(s.rowName(section, row) + "|" + s.rowMaker(section, row));
    }
    return out;
}

// Keeps what the screen showed at every change of its list.
struct ListRecorder : ProductListListener {
    explicit ListRecorder(const SearchVC& screen) : screen(screen) {}
    void listChanged() override { shown.push_back(shownRows(screen)); }
    const SearchVC& screen;
    std::vector<Texts> shown;
};

bool waitFor(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

} // namespace

TEST_F(SearchVCTest, TheRunsEndRebuildDropsAListReadBeforeItAndShowsTheWholeCatalogueLast) {
    auto& s = build();
    ListRecorder recorder(s);
    s.setListener(&recorder);

    // A rebuild on the worker has read the list (its result waits for the UI thread)...
    catalogue.add({.id = 10, .name = "Quark"});
    s.rebuildListSoon();
    s.finishPendingRebuild();
    ASSERT_TRUE(waitFor([&] { return fake.dispatcher.queued() > 0; }));
    // ...when the last page is stored and the run ends.
    catalogue.add({.id = 11, .name = "Hafer", .maker = "Mühle"});
    catalogue.remove(3);
    s.rebuildListSoon();
    s.finishPendingRebuild();
    EXPECT_TRUE(s.rebuildPending());
    const std::size_t before = recorder.shown.size();
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return !s.rebuildPending(); }));

    // The list read before the end never shows; the one swapped in is the catalogue as a fresh
    // screen reads it, and nothing replaces it afterwards.
    SearchVC fresh(fake.platform(), shared, navigation);
    fresh.setUpdateRunner(std::make_unique<FakeRunner>());
    fresh.viewDidLoad();
    ASSERT_EQ(recorder.shown.size(), before + 1);
    EXPECT_EQ(recorder.shown.back(), shownRows(fresh));
    EXPECT_EQ(shownRows(s), shownRows(fresh));
    EXPECT_EQ(letters(), (Texts{"A", "H", "Q", "#"}));
    fake.dispatcher.advance(3.0);
    fake.dispatcher.runUntil([] { return false; }, std::chrono::milliseconds(100));
    EXPECT_EQ(recorder.shown.size(), before + 1);
    EXPECT_FALSE(s.rebuildPending());
    EXPECT_EQ(shownRows(s), shownRows(fresh));
    s.setListener(nullptr);
}

TEST_F(SearchVCTest, ALargeCatalogueIsReadAfterTheScreenShowsASmallOneAtOnce) {
    {
        SearchVC small(fake.platform(), shared, navigation);
        small.setUpdateRunner(std::make_unique<FakeRunner>());
        small.viewDidLoad(); // no turn of the loop: the rows are there before the first paint
        EXPECT_FALSE(small.listLoading());
        EXPECT_EQ(small.rowCount(), 4u);
    }
    screen = std::make_unique<SearchVC>(fake.platform(), shared, navigation);
    auto& s = *screen;
    s.setUpdateRunner(std::make_unique<FakeRunner>());
    s.setListReadAtOnceUpTo(3);
    s.viewDidLoad();
    EXPECT_TRUE(s.listLoading());
    EXPECT_TRUE(s.rebuildPending());
    EXPECT_EQ(s.rowCount(), 0u);
    EXPECT_FALSE(s.tableHidden()); // no empty page meanwhile
    EXPECT_STREQ(s.emptyTextKey(), "");
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return !s.listLoading(); }));
    EXPECT_FALSE(s.rebuildPending());
    EXPECT_EQ(s.rowCount(), 4u);
    EXPECT_EQ(letters(), (Texts{"A", "B", "#"}));
    EXPECT_EQ(s.sideIndex(), (Texts{"A", "B", "#"}));
    EXPECT_FALSE(fake.alerts.hasPending());
}

TEST_F(SearchVCTest, ASearchWhileTheListIsReadWaitsForItInsteadOfFindingNoData) {
    screen = std::make_unique<SearchVC>(fake.platform(), shared, navigation);
    auto& s = *screen;
    s.setUpdateRunner(std::make_unique<FakeRunner>());
    s.setListReadAtOnceUpTo(3);
    s.viewDidLoad();
    // A run ends meanwhile and has stored one more product: its list is the one searched.
    catalogue.add({.id = 11, .name = "Hafer", .maker = "Mühle"});
    s.finishPendingRebuild();
    ASSERT_TRUE(s.listLoading());
    s.searchBarSearchButtonClicked("Haf");
    EXPECT_FALSE(s.listLoading());
    fake.dispatcher.runPending();
    EXPECT_FALSE(fake.alerts.hasPending()); // neither "no data" nor "no hits"
    ASSERT_EQ(s.rowCount(), 1u);
    EXPECT_EQ(s.rowMaker(0, 0), "Mühle");
    s.searchBarCancelButtonClicked();
    fake.dispatcher.runUntil([&] { return !s.rebuildPending(); });
    fake.dispatcher.runPending();
    EXPECT_EQ(s.rowCount(), 5u);
    EXPECT_EQ(letters(), (Texts{"A", "B", "H", "#"}));
}
