#include "SearchVC.h"

#include "nutrition/NumberText.h"
#include "platform/Keys.h"
#include "screens/browse/ExchangeUpdateRunner.h"
#include "screens/browse/HeldListSearch.h"
#include "screens/detail/ProductDetail.h"
#include "store/Database.h"

#include <algorithm>

namespace tolvane {

SearchVC::SearchVC(Platform platform, Database& shared, Navigation& navigation, DetailHost host,
                   std::string serverBase)
    : ProductListVC(platform, shared), navigation_(navigation), host_(std::move(host)),
      serverBase_(std::move(serverBase)) {}

// The runner goes before the screen it reports to.
SearchVC::~SearchVC() {
    runner_.reset();
    if (rebuildWorker_.joinable()) rebuildWorker_.join();
}

void SearchVC::setUpdateRunner(std::unique_ptr<CatalogueUpdateRunner> runner) {
    runner_ = std::move(runner);
}

ProductListVC::Records SearchVC::readListHere() {
    // Newer than whatever a worker is reading meanwhile: that is dropped when it arrives.
    ++rebuildGeneration_;
    rebuildFinal_ = false;
    listLoading_ = false;
    return hold(readList(*db_));
}

PackedRows SearchVC::readList(Database& db) {
    PackedRows rows;
    // Straight from the statement's rows into the list, without a copy of each row between.
    if (!db.selectProduct([&rows](const ListRowView& row) { rows.push_back(row); })) rows.clear();
    return rows;
}

void SearchVC::loadWholeCatalogue() {
    dataArray_ = readListHere();
    tableHidden_ = dataArray_->empty();
    search_ = false;
    setUpDisplayList(dataArray_);
    holdFullGrouping();
}

void SearchVC::viewDidLoad() {
    if (loaded_) return;
    loaded_ = true;
    if (!runner_)
        runner_ = std::make_unique<ExchangeUpdateRunner>(
            platform_, shared_, *this, serverBase_.empty() ? serverBaseUrl() : serverBase_);
    readLiveSearch();
    if (db_->selectProductCount() > readAtOnceUpTo_) {
        // The window paints first and the list fills right after; meanwhile the table shows no
        // rows, neither the empty page nor an alert.
        listLoading_ = true;
        tableHidden_ = false;
        startWorker();
    } else {
        loadWholeCatalogue();
    }
    notifyList();
    notifyState();
    if (runner_) runner_->createCsvForUpload(db_->selectProductsForCsv());
    // Asked on the next turn, once the launch has registered its first-launch defaults.
    later(0, [this] {
        if (platform_.defaults.boolForKey("isfirstLaunchSearch")) showStartupPrompt();
    });
}

void SearchVC::showStartupPrompt() {
    platform_.analytics.logEvent("Show Sync Message on Startup");
    platform_.alerts.show(
        {key("Sync-Benachrichtigung"),
         key("Bitte synchronisieren Sie Ihr App"),
         {key("Hinweis löschen"), key("Sync starten"), key("Startmenü Später erinnern")},
         2}, // Escape: remind me later
        [this, alive = std::weak_ptr<int>(alive_)](int button) {
            if (!alive.lock()) return;
            switch (button) {
            case 0:
                platform_.analytics.logEvent("Starthinweis löschen");
                platform_.defaults.setBool("isfirstLaunchSearch", false);
                break;
            case 1:
                platform_.defaults.setBool("isfirstLaunchSearch", true);
                platform_.analytics.logEvent("Sync @ Start");
                update();
                break;
            case 2:
                platform_.analytics.logEvent("Sync @ Start-Hinweis erneut anzeigen");
                platform_.defaults.setBool("isfirstLaunchSearch", true);
                break;
            default:
                break;
            }
        });
}

void SearchVC::viewWillAppear() {
    readLiveSearch();
    if (platform_.defaults.stringForKey("NewProductUpdated") == "YES") {
        loadingShown_ = true;
        platform_.defaults.setString("NewProductUpdated", "NO");
        later(0, [this] { getRecordsOnViewAppear(); });
    }
    notifyState();
}

void SearchVC::viewWillDisappear() {
    if (listener_) listener_->closeKeyboard();
}

void SearchVC::viewDidDisappear() {
    if (runner_) runner_->saveProgress();
}

void SearchVC::getRecordsOnViewAppear() {
    if (search_) {
        // The search rows stay; the held list behind them is read again, so the next keystroke
        // searches the catalogue as it is now and the cancel restores it.
        dataArray_ = readListHere();
        auto grouping = groupUnderIndexLetters(*dataArray_, blankKeys());
        lastDisplayList_ =
            std::make_shared<const std::vector<ProductSection>>(std::move(grouping.displayList));
        lastRecords_ = dataArray_;
        lastIndexLetters_ = std::move(grouping.indexLetters);
        setUpDisplayList(searchArray_);
    } else {
        loadWholeCatalogue();
    }
    loadingShown_ = false;
    notifyList();
    notifyState();
}

void SearchVC::update() {
    if (runner_) runner_->update();
}

void SearchVC::didSelectRow(int section, int row) {
    const std::string productId = rowAt(section, row).recordId;
    if (productId.empty()) return;
    platform_.defaults.setString("SearchProductId", productId);
    const auto product = db_->selectProductDetail(productId);
    if (!product) {
        // Gone since the list was built (an update removed it): nothing to open.
        platform_.log.write("Product " + productId + " not found");
        return;
    }
    auto detail = std::make_shared<ProductDetail>(platform_, shared_, host_);
    detail->setFromScreen("Search");
    detail->drawData(*product);
    navigation_.push(detail, key("Suche"));
}

// The held list is the whole catalogue (its statement has no condition) and is kept current, so
// neither the count nor the search needs the store.
int SearchVC::catalogueCount() {
    awaitFirstList();
    return static_cast<int>(dataArray_->size());
}

PackedRows SearchVC::searchRecords(const std::string& pattern) {
    awaitFirstList();
    return searchHeldList(*dataArray_, pattern);
}

void SearchVC::showProgress(bool shown) {
    progressShown_ = shown;
    upToDate_ = false;
    ++panelShowing_;
    if (shown) stored_ = -1; // a new run: nothing known yet
    notifyState();
}

void SearchVC::showUpToDate() {
    progressShown_ = true;
    upToDate_ = true;
    const int showing = ++panelShowing_;
    notifyState();
    later(upToDateSeconds, [this, showing] {
        if (showing != panelShowing_) return;
        progressShown_ = false;
        upToDate_ = false;
        notifyState();
    });
}

int SearchVC::progressValue() const {
    if (upToDate_) return 1;
    return progressMaximum() > 0 ? std::min(stored_, total_) : 0;
}

int SearchVC::progressMaximum() const {
    if (upToDate_) return 1;
    return stored_ >= 0 && total_ > 0 ? total_ : 0;
}

void SearchVC::spinner(bool running) {
    spinnerRunning_ = running;
    notifyState();
}

void SearchVC::setRefreshEnabled(bool enabled) {
    refreshEnabled_ = enabled;
    notifyState();
}

void SearchVC::endSearch() {
    // As the cancel button does, except that an update also closes a keyboard in use.
    if (UpdFlag_ == 1 && listener_) listener_->closeKeyboard();
    searchBarCancelButtonClicked();
}

void SearchVC::rebuildList() {
    loadWholeCatalogue();
    notifyList();
    notifyState();
}

void SearchVC::rebuildListSoon() {
    if (rebuildScheduled_) return;
    rebuildScheduled_ = true;
    const double since =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - lastRebuild_).count();
    // At most once a second, and on a very large catalogue so seldom that reading the list
    // takes at most a fifth of a core from the update.
    const double gap = std::max(1.0, 5 * std::chrono::duration<double>(lastRebuildTook_).count());
    later(std::max(0.0, gap - since), [this] { startRebuild(); });
}

void SearchVC::finishPendingRebuild() {
    if (!rebuildPending()) return;
    rebuildScheduled_ = false;
    rebuildAgain_ = false;
    ++rebuildGeneration_; // a worker running now read the list before the last page was stored
    if (rebuildRunning_) {
        rebuildFinal_ = true;
        return;
    }
    startWorker();
}

void SearchVC::startRebuild() {
    if (!rebuildScheduled_) return; // started at the end of the run meanwhile
    rebuildScheduled_ = false;
    if (rebuildRunning_) {
        rebuildAgain_ = true; // pages stored since this one began: once more when it is done
        return;
    }
    startWorker();
}

void SearchVC::startWorker() {
    rebuildRunning_ = true;
    lastRebuild_ = std::chrono::steady_clock::now();
    if (rebuildWorker_.joinable()) rebuildWorker_.join(); // finished: it left its list
    workerGeneration_ = rebuildGeneration_;
    workerResult_ = std::make_shared<std::optional<BuiltList>>();
    rebuildWorker_ = std::thread([path = shared_.GetDatabasePath(), &log = platform_.log,
                                  &dispatcher = platform_.dispatcher, blanks = blankKeys(),
                                  alive = std::weak_ptr<int>(alive_), slot = workerResult_,
                                  generation = workerGeneration_, this] {
        Database own(path, log);
        auto records = hold(readList(own));
        auto grouping = groupUnderIndexLetters(*records, blanks);
        slot->emplace(BuiltList{std::move(records), std::move(grouping)});
        dispatcher.runOnUiThread([alive, this, generation, slot] {
            if (alive.lock()) takeRebuild(generation, slot);
        });
    });
}

void SearchVC::takeRebuild(long generation, const BuiltSlot& slot) {
    if (!slot->has_value()) return; // taken already by a search that waited for it
    BuiltList built = std::move(**slot);
    slot->reset();
    finishRebuild(generation, std::move(built));
}

void SearchVC::awaitFirstList() {
    // The run's end may start one more worker while the first list is awaited: that one too.
    while (listLoading_ && rebuildRunning_ && rebuildWorker_.joinable()) {
        rebuildWorker_.join();
        takeRebuild(workerGeneration_, workerResult_);
    }
}

void SearchVC::finishRebuild(long generation, BuiltList built) {
    rebuildRunning_ = false;
    lastRebuildTook_ = std::chrono::steady_clock::now() - lastRebuild_;
    if (rebuildFinal_) {
        rebuildFinal_ = false;
        startWorker();
        return;
    }
    if (generation == rebuildGeneration_) {
        listLoading_ = false;
        dataArray_ = std::move(built.records);
        tableHidden_ = dataArray_->empty();
        search_ = false;
        displayList_ = std::make_shared<const std::vector<ProductSection>>(
            std::move(built.grouping.displayList));
        displayRecords_ = dataArray_;
        indexLetters_ = std::move(built.grouping.indexLetters);
        rowsAreSearch_ = false;
        holdFullGrouping();
        notifyList();
        notifyState();
    }
    if (rebuildAgain_) {
        rebuildAgain_ = false;
        rebuildListSoon();
    }
}

void SearchVC::progress(int storedProducts, int totalProducts, int page, int pages) {
    stored_ = storedProducts;
    total_ = totalProducts;
    page_ = page;
    pages_ = pages;
    notifyState();
}

namespace {

// Puts the numbers in place of the "%d"s of a keyed text, in order.
std::string fillNumbers(std::string text, std::initializer_list<int> numbers) {
    std::size_t at = 0;
    for (int number : numbers) {
        at = text.find("%d", at);
        if (at == std::string::npos) break;
        const std::string digits = formatInt(number);
        text.replace(at, 2, digits);
        at += digits.size();
    }
    return text;
}

} // namespace

std::string SearchVC::progressText() const {
    if (upToDate_) return platform_.strings.text("Der Katalog ist auf dem neuesten Stand.");
    if (stored_ < 0) return {};
    std::string text =
        fillNumbers(platform_.strings.text("%d von %d Produkten geladen"), {stored_, total_});
    // Two lines: the count, then the page.
    if (pages_ > 0)
        text += "\n" + fillNumbers(platform_.strings.text("Seite %d von %d"), {page_, pages_});
    return text;
}

} // namespace tolvane
