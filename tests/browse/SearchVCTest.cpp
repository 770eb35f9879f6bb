// The product list screen on the catalogue service, told by it as a run would tell it; the
// service's runs themselves are tested in tests/catalogue-service.
#include "screens/browse/SearchVC.h"
#include "format/Gtin.h"
#include "screens/browse/ScanVC.h"
#include "screens/detail/ProductDetail.h"
#include "screens/ownproducts/AddProductVC.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"
#include "tests/support/TestCatalogue.h"

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class SearchVCTest : public ::testing::Test {
protected:
    SearchVCTest() {
        fake.defaults.registerDefaults({{"isfirstLaunchSearch", false}});
        testCatalogue.add({.id = 1, .name = "Äpfel", .maker = "Bauer"});
        testCatalogue.add({.id = 2, .name = "Apfelmus", .maker = "Müller"});
        testCatalogue.add({.id = 3, .name = "Brot", .maker = "Beck"});
        testCatalogue.add({.id = 4, .name = "7up", .maker = "Pepsi"});
        testCatalogue.add({.id = 5, .name = "", .maker = "Namenlos"});
    }

    // The service as the program makes it at launch, with the list read at once up to that many
    // products, and the screen on it; a list read at once is shown after a turn of the loop.
    SearchVC& build(int readAtOnceUpTo = CatalogueService::listReadAtOnceUpTo) {
        catalogue = std::make_unique<CatalogueService>(fake.platform(), shared, serverBaseUrl(),
                                                       readAtOnceUpTo);
        screen = std::make_unique<SearchVC>(fake.platform(), shared, *catalogue, navigation);
        screen->viewDidLoad();
        if (!screen->listLoading()) fake.dispatcher.runPending();
        return *screen;
    }

    // The list read again is shown, with its indexes.
    bool settled() {
        return fake.dispatcher.runUntil([&] {
            return !catalogue->rebuildPending() &&
                   catalogue->heldList().state != ListState::Reading;
        });
    }

    FakePlatform fake;
    TestCatalogue testCatalogue;
    Database shared{testCatalogue.path(), fake.log};
    FakeNavigation navigation;
    std::unique_ptr<CatalogueService> catalogue;
    std::unique_ptr<SearchVC> screen;
};

using Texts = std::vector<std::string>;

} // namespace

TEST_F(SearchVCTest, EmptyCatalogueHidesTheTableAndRefusesToSearch) {
    for (int id = 1; id <= 5; ++id)
        testCatalogue.remove(id);
    auto& s = build();
    EXPECT_TRUE(s.tableHidden());
    s.searchBarSearchButtonClicked("Brot");
    ASSERT_TRUE(fake.alerts.hasPending());
    EXPECT_EQ(fake.alerts.firstPending().message,
              "Keine Daten im Speicher vorhanden. Bitte laden Sie zuerst die aktuellen Daten "
              "herunter.");
    EXPECT_EQ(fake.alerts.firstPending().buttons, Texts{"OK"});
    // Nothing was searched (the barcodes read after the list showed may still arrive meanwhile).
    fake.dispatcher.runPending();
    EXPECT_FALSE(s.rowsAreSearchRecords());

    // Live typing does not stack a second message on the open one.
    testCatalogue.setSettings("YES", "YES");
    s.viewWillAppear();
    s.textDidChange("B");
    s.textDidChange("Br");
    EXPECT_EQ(fake.alerts.shown().size(), 1u);
    fake.alerts.answer(0);
    s.textDidChange("Bro");
    EXPECT_EQ(fake.alerts.shown().size(), 2u);
}

TEST_F(SearchVCTest, ButtonSearchShowsSearchRowsOrSaysThereAreNoneAndCancelRestoresTheList) {
    auto& s = build();
    s.searchBarTextDidBeginEditing();
    EXPECT_TRUE(s.cancelButtonVisible());
    s.searchBarSearchButtonClicked("Brot");
    EXPECT_TRUE(s.cancelButtonVisible()); // the keyboard closes, the text stays
    EXPECT_TRUE(s.search());
    fake.dispatcher.runPending();
    EXPECT_TRUE(s.sideIndex().empty());
    ASSERT_EQ(s.rowCount(), 1u);
    const auto events = fake.analytics.events();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().name, "General Search Terms");
    EXPECT_EQ(events.back().parameters.at("Search Screen"), "%Brot%");

    testCatalogue.remove(2); // the held grouping is shown, not a new query
    s.searchBarCancelButtonClicked();
    EXPECT_EQ(s.searchText(), "");
    EXPECT_EQ(s.placeholder(), "Produkt eingeben");
    EXPECT_FALSE(s.cancelButtonVisible());
    fake.dispatcher.runPending();
    EXPECT_FALSE(s.search());
    EXPECT_EQ(s.rowCount(), 4u);
    EXPECT_EQ(s.sideIndex(), (Texts{"A", "B", "#"}));

    // Without hits: an alert, the text kept and the list back.
    s.searchBarSearchButtonClicked("Zzz");
    fake.dispatcher.runPending();
    ASSERT_TRUE(fake.alerts.hasPending());
    EXPECT_EQ(fake.alerts.firstPending().title, "Keine Treffer");
    EXPECT_EQ(fake.alerts.firstPending().message,
              "Keine Produkte oder Hersteller entsprechen Ihrer Eingabe");
    EXPECT_EQ(s.searchText(), "Zzz");
    EXPECT_TRUE(s.cancelButtonVisible());
    EXPECT_FALSE(s.search());
    EXPECT_EQ(s.rowCount(), 4u);
    // Other alerts than the start-up prompt only dismiss.
    ASSERT_TRUE(fake.alerts.answer(0));
    EXPECT_FALSE(fake.analytics.has("Trigger Manual Sync"));
    EXPECT_FALSE(fake.defaults.stored("isfirstLaunchSearch").has_value());
}

TEST_F(SearchVCTest, LiveSearchFollowsTheNewestKeystrokeOnTheHeldListAsOwnProductsChangeIt) {
    testCatalogue.setSettings("YES", "YES");
    auto& s = build();
    // Only the newest of quick keystrokes is looked up: the hidden table of "z" never shows.
    s.textDidChange("z");
    s.textDidChange("zz");
    s.textDidChange("b");
    fake.dispatcher.runPending();
    EXPECT_FALSE(s.tableHidden());
    // "%b%" finds Brot by name and Äpfel by its maker Bauer.
    EXPECT_EQ(s.rowCount(), 2u);

    // An empty text searches "%%", which matches everything, as search rows.
    s.textDidChange("");
    fake.dispatcher.runPending();
    EXPECT_TRUE(s.search());
    EXPECT_TRUE(s.sideIndex().empty());
    EXPECT_EQ(s.rowCount(), 4u); // the blank name stays hidden

    // An own product saved while a search is shown, and one deleted: the search shown is made
    // again on the list read after them.
    testCatalogue.add({.id = 900000002, .name = "Quarkspeise", .maker = "Ich"});
    catalogue->ownProductsChanged();
    s.textDidChange("Qu");
    fake.dispatcher.runPending();
    ASSERT_EQ(s.rowCount(), 1u);
    testCatalogue.add({.id = 900000003, .name = "Quitte", .maker = "Ich"});
    catalogue->ownProductsChanged();
    ASSERT_TRUE(settled());
    EXPECT_EQ(s.rowCount(), 2u);
    testCatalogue.remove(900000003);
    catalogue->ownProductsChanged();
    ASSERT_TRUE(settled());
    ASSERT_EQ(s.rowCount(), 1u);
    EXPECT_EQ(s.rowName(0, 0), "Quarkspeise");
    testCatalogue.remove(900000002);
    catalogue->ownProductsChanged();
    ASSERT_TRUE(settled());
    EXPECT_EQ(s.rowCount(), 0u);
    EXPECT_TRUE(s.tableHidden());
    EXPECT_STREQ(s.emptyTextKey(), "Keine Treffer");
    EXPECT_EQ(s.searchText(), "Qu");
    // Deleted and typed for at once: the search waits for the list without it.
    testCatalogue.add({.id = 900000002, .name = "Quarkspeise", .maker = "Ich"});
    testCatalogue.remove(3);
    catalogue->ownProductsChanged();
    s.textDidChange("Brot");
    fake.dispatcher.runPending();
    EXPECT_TRUE(s.tableHidden());
    s.textDidChange("Quar");
    fake.dispatcher.runPending();
    ASSERT_EQ(s.rowCount(), 1u);
    EXPECT_EQ(s.rowName(0, 0), "Quarkspeise");
    s.searchBarCancelButtonClicked();
    fake.dispatcher.runPending();
    EXPECT_EQ(s.rowCount(), 4u); // the restored list is the current catalogue too
}

TEST_F(SearchVCTest, ChoosingAProductOpensItsDetailInBothRowForms) {
    auto& s = build();
    s.didSelectRow(1, 0); // Brot in the full list: identifier in the third column
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

    // A product gone since the rows were read does not open.
    testCatalogue.remove(4);
    s.didSelectRow(0, 0);
    EXPECT_EQ(navigation.stack().size(), 2u);
    // Work deferred by a screen that is gone meanwhile does nothing.
    s.searchBarSearchButtonClicked("Brot");
    screen.reset();
    fake.dispatcher.runPending();
}

TEST_F(SearchVCTest, AnOwnProductSavedElsewhereIsListedWhenTheListAppears) {
    auto& s = build();
    testCatalogue.add({.id = 900000001, .name = "Zopf"});
    catalogue->ownProductsChanged();
    s.viewWillAppear(); // read again on the reader meanwhile
    EXPECT_TRUE(s.loadingIndicatorShown());
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return !s.loadingIndicatorShown(); }));
    EXPECT_EQ(screen->sideIndex(), (Texts{"A", "B", "Z", "#"}));

    // A cancel afterwards restores the new grouping, not the one of the first build.
    s.searchBarCancelButtonClicked();
    fake.dispatcher.runPending();
    EXPECT_EQ(s.rowCount(), 5u);
}

TEST_F(SearchVCTest, StartupPromptButtonsDoWhatTheySay) {
    // The button, its event, the flag after it and whether an update starts.
    for (const auto& [button, event, flagAfter, syncs] :
         {std::tuple{0, "Starthinweis löschen", false, false},
          {1, "Sync @ Start", true, true},
          {2, "Sync @ Start-Hinweis erneut anzeigen", true, false}}) {
        SCOPED_TRACE(button);
        FakePlatform p;
        p.defaults.registerDefaults({{"isfirstLaunchSearch", true}});
        CatalogueService service(p.platform(), shared);
        SearchVC s(p.platform(), shared, service, navigation);
        s.viewDidLoad();
        p.dispatcher.runPending();
        EXPECT_TRUE(p.analytics.has("Show Sync Message on Startup"));
        ASSERT_TRUE(p.alerts.hasPending());
        const auto& prompt = p.alerts.firstPending();
        EXPECT_EQ(prompt.title, "Sync-Benachrichtigung");
        EXPECT_EQ(prompt.message, "Bitte synchronisieren Sie Ihr App");
        EXPECT_EQ(prompt.buttons,
                  (Texts{"Hinweis löschen", "Sync starten", "Startmenü Später erinnern"}));
        p.alerts.answer(button);
        EXPECT_TRUE(p.analytics.has(event));
        EXPECT_EQ(p.defaults.boolForKey("isfirstLaunchSearch"), flagAfter);
        EXPECT_TRUE(p.defaults.stored("isfirstLaunchSearch").has_value());
        EXPECT_EQ(p.analytics.has("Trigger Manual Sync"), syncs);
        EXPECT_EQ(s.progressShown(), syncs);
    }
}

TEST_F(SearchVCTest, ARunKeepsTheSearchAndShowsItsProgressOrThatNothingIsNew) {
    auto& s = build();
    s.searchBarTextDidBeginEditing();
    s.searchBarSearchButtonClicked("Brot");
    fake.dispatcher.runPending();
    s.progressShown(true);
    s.endSearch();
    s.heldListChanged(ListChange::UpdatePages); // a page stored
    fake.dispatcher.runPending();
    EXPECT_EQ(s.searchText(), "Brot");
    EXPECT_TRUE(s.search());
    ASSERT_EQ(s.rowCount(), 1u);
    EXPECT_EQ(s.rowName(0, 0), "Brot");
    EXPECT_EQ(s.progressText(), "");

    // The bar is busy until the total is known, then follows the stored products.
    EXPECT_EQ(s.progressMaximum(), 0);
    s.progress(250, 1000, 1, 4);
    EXPECT_EQ(s.progressMaximum(), 1000);
    EXPECT_EQ(s.progressValue(), 250);
    EXPECT_TRUE(s.spinnerRunning());
    s.progressShown(false);
    s.progressShown(true);
    EXPECT_EQ(s.progressMaximum(), 0);

    // Nothing new: "up to date" for two seconds, without an alert.
    s.progressShown(true);
    s.progressShown(false);
    s.updateFinished(UpdateOutcome::NothingNew);
    EXPECT_EQ(s.progressValue(), s.progressMaximum());
    fake.dispatcher.advance(1.9);
    EXPECT_TRUE(s.progressShown());
    fake.dispatcher.advance(0.2);
    EXPECT_FALSE(s.progressShown());
    EXPECT_EQ(s.progressText(), "");

    // A run started meanwhile keeps its panel when the two seconds are over.
    s.updateFinished(UpdateOutcome::NothingNew);
    s.progressShown(true);
    fake.dispatcher.advance(2.5);
    EXPECT_TRUE(s.progressShown());
    EXPECT_EQ(s.progressText(), "");
}

// Folded search finds more ("brot" finds "Brötchen"), never less, and keeps the statement's order.
TEST_F(SearchVCTest, SearchRowsHoldThoseOfTheSearchStatementInItsOrder) {
    testCatalogue.add({.id = 6, .name = "Brötchen 100%", .maker = "bäcker_nord"});
    testCatalogue.add({.id = 7, .name = "Knäckebrot", .maker = "BROT & co"});
    auto& s = build();
    for (const std::string typed : {"b", "BR", "brot", "ö", "Ä", "%", "_", "0%", "r_t", "7", " "}) {
        SCOPED_TRACE(typed);
        s.searchBarSearchButtonClicked(typed);
        fake.dispatcher.runPending();
        const auto expected = CatalogueStore(shared).Search("%" + typed + "%", "%" + typed + "%");
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
        auto next = wanted.begin();
        for (const std::string& row : shown)
            if (next != wanted.end() && row == *next) ++next;
        EXPECT_EQ(next, wanted.end());
        if (typed == "brot") {
            EXPECT_NE(std::find(shown.begin(), shown.end(), "Brötchen 100%|bäcker_nord"),
                      shown.end());
        }
    }
}

TEST_F(SearchVCTest, ASearchWhileTheListIsReadWaitsForItInsteadOfFindingNoData) {
    auto& s = build(3);
    // An own product saved meanwhile: the list read after it is the one searched.
    testCatalogue.add({.id = 900000001, .name = "Hafer", .maker = "Mühle"});
    catalogue->ownProductsChanged();
    ASSERT_TRUE(s.listLoading());
    s.searchBarSearchButtonClicked("Haf");
    EXPECT_FALSE(s.listLoading());
    fake.dispatcher.runPending();
    EXPECT_FALSE(fake.alerts.hasPending()); // neither "no data" nor "no hits"
    ASSERT_EQ(s.rowCount(), 1u);
    EXPECT_EQ(s.rowMaker(0, 0), "Mühle");
    s.searchBarCancelButtonClicked();
    fake.dispatcher.runUntil([&] { return !catalogue->rebuildPending(); });
    fake.dispatcher.runPending();
    EXPECT_EQ(screen->sideIndex(), (Texts{"A", "B", "H", "#"}));
}

TEST_F(SearchVCTest, ABarcodeTypedOrScannedRightAfterAChangeFindsItsProduct) {
    testCatalogue.exec("update ProductsTable set field24 = '4006381333931' where recordId = 3");
    testCatalogue.setSettings("YES", "YES");
    auto& s = build(3); // read on the reader: typed before it is there
    s.textDidChange("4006381333931");
    fake.dispatcher.runPending();
    ASSERT_GE(s.rowCount(), 1u);
    EXPECT_EQ(s.sectionTitle(0), "4006381333931");
    EXPECT_EQ(s.rowName(0, 0), "Brot");

    // An own product saved with its barcode, scanned before its list is handed over.
    testCatalogue.add({.id = 900000001, .name = "Hafer", .maker = "Mühle"});
    testCatalogue.exec(
        "update ProductsTable set field24 = '7612345678900' where recordId = 900000001");
    catalogue->ownProductsChanged();
    s.scan();
    auto scan = std::dynamic_pointer_cast<ScanVC>(navigation.top());
    ASSERT_TRUE(scan);
    const auto scanned = [](const char* digits) {
        return std::optional<ScannedCode>(ScannedCode{digits, *readGtin(digits)});
    };
    scan->codeRead(scanned("7612345678900"), false);
    EXPECT_EQ(scan->state(), ScanVC::State::Opened);
    auto detail = std::dynamic_pointer_cast<ProductDetail>(navigation.top());
    ASSERT_TRUE(detail);
    EXPECT_EQ(detail->productName(), "Hafer");
    navigation.pop();
    scan->viewWillAppear();

    // A product removed a moment ago (its list not read again yet) says so, and the screen goes
    // on: the same code again is not read twice, another opens its product.
    testCatalogue.remove(3);
    scan->codeRead(scanned("4006381333931"), false);
    EXPECT_EQ(scan->state(), ScanVC::State::Gone);
    EXPECT_STREQ(scan->messageKey(), "This product cannot be opened");
    EXPECT_EQ(navigation.top(), scan);
    scan->codeRead(scanned("7612345678900"), false);
    EXPECT_EQ(scan->state(), ScanVC::State::Opened);
    EXPECT_NE(navigation.top(), scan);
}

// Two products with one code, stored as a spreadsheet or a pasted text leaves it: the code typed
// and the code scanned both list the two, the scan on the list as if typed there.
TEST_F(SearchVCTest, ACodeTwoProductsCarryListsBothTypedOrScanned) {
    testCatalogue.exec("update ProductsTable set field24 = '4006381333931' || char(9) "
                       "where recordId = 3");
    testCatalogue.exec("update ProductsTable set field24 = '4006381333931.0' where recordId = 1");
    testCatalogue.exec("update ProductsTable set field24 = char(13) || '96385074' || char(10) "
                       "where recordId = 2");
    testCatalogue.exec("update ProductsTable set field24 = '0 7612345' || char(160) || "
                       "'678900' where recordId = 4");
    auto& s = build();
    const auto listed = [&] {
        fake.dispatcher.runPending();
        Texts names;
        for (int section = 0; section < s.numberOfSections(); ++section)
            for (int row = 0; row < s.numberOfRows(section); ++row)
                names.push_back(s.rowName(section, row));
        return names;
    };
    s.searchBarSearchButtonClicked("4006381333931");
    EXPECT_EQ(listed(), (Texts{"Äpfel", "Brot"}));
    EXPECT_EQ(s.sectionTitle(0), "4006381333931");
    s.searchBarCancelButtonClicked();
    fake.dispatcher.runPending();

    s.scan();
    auto scan = std::dynamic_pointer_cast<ScanVC>(navigation.top());
    ASSERT_TRUE(scan);
    const auto scanned = [](const char* digits) {
        return std::optional<ScannedCode>(ScannedCode{digits, *readGtin(digits)});
    };
    scan->codeRead(scanned("4006381333931"), false);
    EXPECT_EQ(scan->state(), ScanVC::State::Listed);
    EXPECT_TRUE(navigation.stack().empty()); // back on the list
    EXPECT_EQ(s.searchText(), "4006381333931");
    EXPECT_EQ(listed(), (Texts{"Äpfel", "Brot"}));
    EXPECT_EQ(s.sectionTitle(0), "4006381333931");
    scan->codeRead(scanned("96385074"), false); // a frame left over: nothing more happens
    EXPECT_TRUE(navigation.stack().empty());

    // One product a code: opened, whatever the blanks stored around its digits.
    for (const char* code : {"96385074", "7612345678900"}) {
        SCOPED_TRACE(code);
        s.scan();
        scan = std::dynamic_pointer_cast<ScanVC>(navigation.top());
        scan->codeRead(scanned(code), true);
        EXPECT_EQ(scan->state(), ScanVC::State::Opened);
        EXPECT_TRUE(std::dynamic_pointer_cast<ProductDetail>(navigation.top()));
        navigation.pop();
        navigation.pop();
    }
}

// A code no product carries, typed, goes into the own product form; saved, the product is found
// by it, also once the catalogue brings a product with that code: scanned, the user's own opens,
// typed, it is listed first.
TEST_F(SearchVCTest, AnUnknownCodeTypedBecomesAnOwnProductThatItFindsFirst) {
    testCatalogue.addCategory(1, "Snacks");
    auto& s = build();
    const auto scanned = [](const char* digits) {
        return std::optional<ScannedCode>(ScannedCode{digits, *readGtin(digits)});
    };
    const auto listed = [&] {
        fake.dispatcher.runPending();
        Texts names;
        for (int section = 0; section < s.numberOfSections(); ++section)
            for (int row = 0; row < s.numberOfRows(section); ++row)
                names.push_back(s.rowName(section, row));
        return names;
    };
    s.searchBarSearchButtonClicked("7612345678901"); // mistyped: the form would refuse it
    fake.dispatcher.runPending();
    EXPECT_FALSE(s.ownProductButtonShown());
    s.searchBarSearchButtonClicked("7612345 678900");
    fake.dispatcher.runPending();
    ASSERT_TRUE(s.ownProductButtonShown());
    fake.alerts.clear();
    s.enterOwnProduct();
    auto form = std::dynamic_pointer_cast<AddProductVC>(navigation.top());
    ASSERT_TRUE(form);
    EXPECT_EQ(form->text(ProductField::Barcode), "7612345678900");
    form->viewWillAppear();
    form->setText(ProductField::Name, "Hafer");
    form->setText(ProductField::Maker, "Mühle");
    form->selectCategory(0);
    for (const char* code : {"7612345678901", "12"}) {
        form->setText(ProductField::Barcode, code);
        form->saveRecord();
        ASSERT_TRUE(fake.alerts.hasPending()) << code;
        EXPECT_EQ(fake.alerts.firstPending().title, "Strichcode");
        fake.alerts.answer(0);
    }
    EXPECT_EQ(navigation.top(), form);
    form->setText(ProductField::Barcode, "7612345678900");
    form->saveRecord();
    EXPECT_FALSE(fake.alerts.hasPending());
    EXPECT_TRUE(navigation.stack().empty());
    ASSERT_TRUE(settled());

    testCatalogue.exec("update ProductsTable set field24 = '07612345678900' where recordId = 3");
    catalogue->ownProductsChanged();
    ASSERT_TRUE(settled());
    s.searchBarSearchButtonClicked("7612345678900");
    EXPECT_EQ(listed(), (Texts{"Hafer", "Brot"}));
    EXPECT_FALSE(s.ownProductButtonShown());
    s.searchBarCancelButtonClicked();
    fake.dispatcher.runPending();
    s.scan();
    auto scan = std::dynamic_pointer_cast<ScanVC>(navigation.top());
    ASSERT_TRUE(scan);
    scan->codeRead(scanned("7612345678900"), false);
    EXPECT_EQ(scan->state(), ScanVC::State::Opened);
    auto detail = std::dynamic_pointer_cast<ProductDetail>(navigation.top());
    ASSERT_TRUE(detail);
    EXPECT_EQ(detail->productName(), "Hafer");
}

// A shop's own code of a few digits, as an export keeps it: found typed exactly, as it stands.
TEST_F(SearchVCTest, AShopsShortCodeIsFoundAsTypedAndOnlySo) {
    testCatalogue.exec("update ProductsTable set field24 = ' 0042' where recordId = 1");
    auto& s = build();
    const auto headedBy = [&](const char* typed) {
        s.searchBarSearchButtonClicked(typed);
        fake.dispatcher.runPending();
        const bool byCode = s.numberOfSections() > 0 && s.sectionTitle(0) == typed &&
                            s.numberOfRows(0) == 1 && s.rowName(0, 0) == "Äpfel";
        s.searchBarCancelButtonClicked();
        fake.dispatcher.runPending();
        return byCode;
    };
    EXPECT_TRUE(headedBy("0042"));
    EXPECT_FALSE(headedBy("042"));
    EXPECT_FALSE(headedBy("42"));
}

TEST_F(SearchVCTest, AListThatCannotBeReadIsSaidAndTheListShownStays) {
    auto& s = build();
    testCatalogue.exec("alter table ProductsTable rename to Away");
    catalogue->ownProductsChanged();
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return !catalogue->rebuildPending(); }));
    fake.dispatcher.runPending();
    EXPECT_FALSE(s.tableHidden());
    EXPECT_EQ(s.rowCount(), 4u);
    ASSERT_TRUE(fake.alerts.hasPending());
    EXPECT_EQ(fake.alerts.firstPending().message, SearchVC::readFailedKey());
    fake.alerts.answer(0);
    s.searchBarSearchButtonClicked("Brot"); // searched in the list shown
    fake.dispatcher.runPending();
    EXPECT_EQ(s.rowCount(), 1u);
    EXPECT_FALSE(fake.alerts.hasPending());

    // Nothing read at the start: it says so, and a search says so rather than "no data".
    screen.reset();
    auto& again = build();
    ASSERT_TRUE(fake.alerts.hasPending());
    EXPECT_EQ(fake.alerts.firstPending().message, SearchVC::readFailedKey());
    fake.alerts.answer(0);
    again.searchBarSearchButtonClicked("Brot");
    ASSERT_TRUE(fake.alerts.hasPending());
    EXPECT_EQ(fake.alerts.firstPending().message, SearchVC::readFailedKey());
}
