// The catalogue as the application keeps it: the update runs from the product server, the upload
// of own products, and the held product list. The application delegate makes the one service
// after the start-up check of the database file and destroys it before the shared Database;
// screens reach it through what their registration hands them, observe it through
// CatalogueListener and ask it to start a run.
//
// Threads. Every public call on the UI thread, and every listener call arrives there. The service
// owns two workers for its whole life, each with a Database object of its own:
//   - the store worker runs in order, one after another, a run's switch to the write-ahead
//     journal, its page stores, its newest-timestamp write, its switch back, and saved progress;
//     a next run's switch therefore comes after the last run's switch back, and no UI-thread code
//     waits for either;
//   - the list reader reads and groups the held list (HeldProductList).
// The update's request queue has its own transfer threads (NetworkQueue); each also reads the page
// reply it received, so that the UI thread only acts on a reply read and hands its records on.
// Stopping: stop(), when the program quits, drops the pages queued, interrupts a statement under
// way (a page transaction rolls back whole), saves how far the run got and leaves the file in
// write-ahead mode for the next start-up check (no switch back, no copy of the journal). The
// destructor then waits for threads that have at most that interruption left; without stop() it
// stops first.
#pragma once

#include "catalogue/CatalogueListener.h"
#include "catalogue/HeldProductList.h"
#include "exchange/CatalogueUpdate.h"
#include "exchange/ServerConfig.h"
#include "platform/Platform.h"
#include "store/DatabaseWorker.h"

#include <memory>
#include <string>
#include <vector>

namespace tolvane {

class Database;

class CatalogueService : private CatalogueUpdateListener {
public:
    // A catalogue of more products than this is read on the list reader after the window has
    // shown, so that it paints first; a smaller one at once, so that it never shows empty first.
    static constexpr int listReadAtOnceUpTo = 20000;

    // Reads the held list for the first time. shared: the UI thread's store object.
    CatalogueService(Platform platform, Database& shared, std::string serverBase = serverBaseUrl(),
                     int readAtOnceUpTo = listReadAtOnceUpTo);
    ~CatalogueService() override;
    CatalogueService(const CatalogueService&) = delete;
    CatalogueService& operator=(const CatalogueService&) = delete;

    // A screen observes the service from addListener to removeListener, which it calls before it
    // goes; nothing reaches it afterwards.
    void addListener(CatalogueListener& listener);
    void removeListener(CatalogueListener& listener);

    // Starts a run (the refresh button, "Sync starten"); ignored while one is going.
    void update();
    // Sends the own products not yet uploaded, once in the service's life (when the product list
    // is first built).
    void uploadOwnProducts();
    // Keeps how far an unfinished run got (the product list went out of view).
    void saveProgress();
    // An own product was saved or deleted: the held list is read again.
    void ownProductsChanged();
    // The program quits (see above).
    void stop();

    // --- What the screens show ---
    const HeldList& heldList() const { return list_.list(); }
    bool listLoading() const { return list_.loading(); }
    bool rebuildPending() const { return list_.rebuildPending(); }
    bool ownProductsPending() const { return list_.ownProductsPending(); }
    // The newest reading of the list failed: the list held is older (or none).
    bool listReadFailed() const { return list_.readFailed(); }
    // A search or a barcode look-up waits here for the list the user must find in it, with its
    // indexes (HeldProductList::awaitList).
    void awaitList() { list_.awaitList(); }
    bool running() const { return update_.running(); }
    // A page is being stored just now (the planner does not take products out meanwhile).
    bool storingPage() const { return update_.state() == CatalogueUpdate::State::Storing; }
    // The figures of the last progress call of the run going; stored < 0 before the first.
    struct Progress {
        int stored = -1, total = 0, page = 0, pages = 0;
    };
    Progress progress() const { return progress_; }
    // Where the time of the current or last run went.
    CatalogueUpdate::Timings timings() const { return update_.timings(); }

private:
    void showProgress(bool shown) override;
    void endSearch() override;
    void rebuildList() override;
    void progress(int storedProducts, int totalProducts, int page, int pages) override;
    void updateFinished(UpdateOutcome outcome) override;
    // Calls each listener still observing when its turn comes.
    template <class Call> void tell(Call call);

    Platform platform_;
    Database& shared_;
    std::vector<CatalogueListener*> listeners_;
    Progress progress_;
    bool uploaded_ = false;
    bool stopped_ = false;
    // The store worker outlives the update that posts to it; the list has its own reader.
    DatabaseWorker store_;
    HeldProductList list_;
    CatalogueUpdate update_;
};

} // namespace tolvane
