// The first tab: every catalogue product under index letters, the search, the catalogue update
// (refresh button, start-up prompt, progress panel) and the own-product upload.
#pragma once

#include "platform/Keys.h"
#include "screens/browse/ProductListVC.h"
#include "screens/detail/DetailHost.h"

#include <chrono>
#include <memory>
#include <optional>
#include <thread>
#include <utility>

namespace tolvane {

class CatalogueUpdateRunner;

class SearchVC : public ProductListVC {
public:
    // serverBase: the product server's address; empty for the configured one.
    SearchVC(Platform platform, Database& shared, Navigation& navigation, DetailHost host = {},
             std::string serverBase = {});
    ~SearchVC() override;

    std::string screenName() const override { return "SearchVC"; }
    static const char* titleKey() { return key("Suche"); }
    static const char* navigationTitleKey() { return key("Produktsuche"); }
    static const char* loadingKey() { return key("Loading..."); }

    // Lifecycle, as the widget reports it.
    void viewDidLoad();
    void viewWillAppear();
    void viewWillDisappear();
    void viewDidDisappear();

    void getRecordsOnViewAppear();
    // The refresh button.
    void update();
    void didSelectRow(int section, int row) override;

    // The catalogue update reaches the screen through these.
    void showProgress(bool shown);
    void spinner(bool running);
    void setRefreshEnabled(bool enabled);
    void endSearch();
    void rebuildList();
    // What the update asks for after stored pages: the list is read and grouped on a worker
    // thread with its own store object and only swapped in here, at most once a second and once
    // more after the last request.
    void rebuildListSoon();
    // Whether such a rebuild (or the first reading of a large list) is still waiting or running.
    bool rebuildPending() const { return rebuildScheduled_ || rebuildRunning_; }
    // At the end of a run: a rebuild still waiting is started at once; one running began before
    // the last page was stored, so its list is dropped and another starts when it is done. The
    // finished list is swapped in on a later turn, and none older after it.
    void finishPendingRebuild();

    // A catalogue of more products than this is read on the worker after the screen has shown,
    // so that the window paints first; a smaller one is read at once, before it paints, and
    // never shows empty first.
    static constexpr int listReadAtOnceUpTo = 20000;
    // Lowers (or raises) that limit for this screen; before viewDidLoad.
    void setListReadAtOnceUpTo(int products) { readAtOnceUpTo_ = products; }
    // Whether the list is still being read for the first time (the table shows no rows yet).
    bool listLoading() const { return listLoading_; }
    void progress(int storedProducts, int totalProducts, int page, int pages);
    // The server had nothing newer: the panel says so for two seconds, then hides.
    void showUpToDate();

    // --- What the screen shows besides the list ---
    bool loadingIndicatorShown() const { return loadingShown_; }
    bool progressShown() const { return progressShown_; }
    bool spinnerRunning() const { return spinnerRunning_; }
    bool refreshEnabled() const { return refreshEnabled_; }
    // "1250 / 10000 · 5 / 40": products stored of the total, page of pages; empty until known.
    std::string progressText() const;
    // The bar: products stored of the total once the total is known; a busy bar until then
    // (maximum 0), and an empty one when no run is going.
    int progressValue() const;
    int progressMaximum() const;
    static constexpr double upToDateSeconds = 2.0;

    // Replaces the update and upload before the screen is built (tests use a fake).
    void setUpdateRunner(std::unique_ptr<CatalogueUpdateRunner> runner);
    CatalogueUpdateRunner* updateRunner() const { return runner_.get(); }

protected:
    int catalogueCount() override;
    PackedRows searchRecords(const std::string& pattern) override;
    BlankKeys blankKeys() const override { return BlankKeys::Hidden; }
    const char* searchEventName() const override { return "General Search Terms"; }
    void restoreAfterCancel() override {
        awaitFirstList();
        getRecords();
    }

private:
    // A list read and grouped on the worker, waiting to be swapped in.
    struct BuiltList {
        Records records;
        IndexGrouping grouping;
    };
    using BuiltSlot = std::shared_ptr<std::optional<BuiltList>>;

    Records readListHere();
    // The whole catalogue as the list holds it; empty when it cannot be read.
    static PackedRows readList(Database& db);
    void loadWholeCatalogue();
    void startRebuild();
    void startWorker();
    void takeRebuild(long generation, const BuiltSlot& slot);
    void finishRebuild(long generation, BuiltList built);
    // What needs the list (a search, the cancel) while it is read the first time waits for it.
    void awaitFirstList();
    void showStartupPrompt();

    Navigation& navigation_;
    DetailHost host_;
    std::string serverBase_;
    std::unique_ptr<CatalogueUpdateRunner> runner_;
    bool loaded_ = false;
    bool loadingShown_ = false;
    bool progressShown_ = false;
    bool spinnerRunning_ = false;
    bool refreshEnabled_ = true;
    int stored_ = -1, total_ = 0, page_ = 0, pages_ = 0;
    int readAtOnceUpTo_ = listReadAtOnceUpTo;
    bool listLoading_ = false;
    bool rebuildScheduled_ = false;
    bool rebuildRunning_ = false;
    bool rebuildAgain_ = false;
    bool rebuildFinal_ = false;  // the run's end asked while a worker ran: one more at once
    long rebuildGeneration_ = 0; // a worker's list of an older generation is not swapped in
    std::chrono::steady_clock::time_point lastRebuild_{};
    std::chrono::steady_clock::duration lastRebuildTook_{};
    std::thread rebuildWorker_;
    long workerGeneration_ = 0; // of the worker last started, and where it leaves its list
    BuiltSlot workerResult_;
    bool upToDate_ = false;
    // Counts panel showings, so that a late hide of "up to date" leaves a newer run's panel.
    int panelShowing_ = 0;
};

} // namespace tolvane
