// Brings the catalogue up to date from the product server, page by page, and carries the
// own-product upload on the same request queue. Owned by the catalogue service (or a command-line
// tool); every public call is made on the UI thread, and it owns no thread of its own besides its
// request queue's.
//
// Replies are read by PageReply on the transfer thread that received them (the request's reader,
// see NetworkQueue): the UI thread gets a reply read, and the page's records only move from there
// into the store job, which drops them on the store worker. Pages are stored by the run's
// CataloguePageStore, in order, on the store worker it is given (a DatabaseWorker, whose owner
// outlives it), each in one transaction of the worker's own Database: the run's first page
// switches the file to the write-ahead journal (Database::beginBulkWrites), and the run's end
// queues the switch back behind its last job, so a next run's switch cannot overlap it. What a
// job needs (the timestamp the run started from) is handed to it with the job; the favourite
// marks are read inside each page's transaction, so a star set or taken off during the run
// stays as the user left it. While a page is stored the next ones are asked for and read (up to
// maxPagesRead); whatever ends the run (the last page, a failed request, an unreadable reply) takes
// effect only after the pages read before it are stored.
#pragma once

#include "exchange/CataloguePageStore.h"
#include "exchange/CatalogueUpdateListener.h"
#include "exchange/NetworkQueue.h"
#include "exchange/PageReply.h"
#include "exchange/ProductUpload.h"
#include "exchange/Reachability.h"
#include "exchange/ServerConfig.h"
#include "platform/Platform.h"
#include "store/Database.h"
#include "store/DatabaseWorker.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tolvane {

class CatalogueUpdate {
public:
    static constexpr int recordsPerPage = PageReply::recordsPerPage;
    // Pages read and not yet stored, the one being stored included: enough to keep the store
    // busy while the server prepares the next.
    static constexpr int maxPagesRead = 3;

    enum class State { Idle, Checking, Requesting, Storing };
    // Where the time of the current or last run went.
    struct Timings {
        std::chrono::nanoseconds requesting{}; // from queueing a page request to its reply
        std::chrono::nanoseconds reading{};    // parsing replies on the transfer threads
        std::chrono::nanoseconds storing{};    // page transactions on the store worker
        int pages = 0;
    };

    // shared: the UI thread's store object (saved progress, the upload's marks; told
    // when a stored page changed the catalogue). store: the worker the pages are stored on.
    // clock: the time record dates are judged against (the system's when empty).
    using Clock = std::function<std::chrono::system_clock::time_point()>;
    CatalogueUpdate(Platform& platform, Database& shared, DatabaseWorker& store,
                    CatalogueUpdateListener& listener, std::string serverBase = serverBaseUrl(),
                    Clock clock = {});
    // Afterwards nothing reaches the listener; jobs still queued on the store worker finish
    // there without it.
    ~CatalogueUpdate();
    CatalogueUpdate(const CatalogueUpdate&) = delete;
    CatalogueUpdate& operator=(const CatalogueUpdate&) = delete;

    // Starts a run (the refresh button). Ignored while a run is going.
    void update();
    // The connection check, 0.2 s after update(): offline ends the run, online sends page one.
    void killHUD();
    bool isNetworkReachable();
    // Reads the saved progress and asks for the first page of this run. Nothing of an earlier
    // run counts: a progress that cannot be read starts the run from the first page.
    void SendRequest();
    // The queue's handlers.
    void requestDone(const std::shared_ptr<FormDataRequest>& request);
    void requestFailed(const std::shared_ptr<FormDataRequest>& request);
    // Remembers how far an unfinished run got (when the list screen goes out of view): a job on
    // the store worker, after the pages queued before it.
    void saveProgress();
    // The program quits: nothing more is asked for, read or reported. Returns the store job that
    // saves how far the run got, for the store worker to run last (DatabaseWorker::stop).
    DatabaseWorker::Job stop();
    // Uploads the own products not yet sent (rows of selectProductsForCsv).
    void createCsvForUpload(std::vector<UploadRow> records);

    State state() const { return state_; }
    bool running() const { return state_ != State::Idle; }
    const std::string& serverBase() const { return serverBase_; }
    Timings timings() const;

    // Tests put the update offline through it.
    Reachability& reachability() { return reachability_; }
    ProductUpload& upload() { return upload_; }

private:
    struct Shared;

    // Every end of a run: hides the panel, enables the button, shows the message when given.
    void finish(UpdateOutcome outcome, const char* message = nullptr);
    void sendPage(int page, const std::string& timestamp);
    // Acts on a page reply read.
    void pageRead(PageReply reply, int page);
    // Asks for the page unless a request is in flight, the run's end has been read, or the
    // pages read and not stored (with reading more on their way) fill the read-ahead.
    void askFor(int page, int reading);
    // Queues the page for the store worker.
    void startStoring(CataloguePageStore::Page page);
    // On the UI thread: moves on to the page read meanwhile, or to the run's end.
    void pageStored(int page, const CataloguePageStore::Stored& stored, int total);
    // Runs end now, or once the page being stored is stored.
    void whenStored(std::function<void()> end);
    void pageStoreFailed(Database::WriteFailure failure);
    // The page asked for did not come: the run ends once the pages read before are stored.
    void pageRequestFailed();
    // The end of a run whose last page was read: the newest date taken in is written on the
    // store worker, then the run finishes on the UI thread.
    void completeRun();
    // Queues a job of this run on the store worker; its report to the UI thread reaches this
    // update only while it exists and the run is the same.
    using Report = std::function<void(Task)>;
    void postToStore(std::function<void(Database&, const Report&)> job);
    // The store job that keeps how far the current run got.
    DatabaseWorker::Job progressJob() const;

    Clock clock_;
    Platform& platform_;
    Database& database_;
    DatabaseWorker& store_;
    CatalogueUpdateListener& listener_;
    std::string serverBase_;
    std::shared_ptr<Shared> shared_;
    Reachability reachability_;

    State state_ = State::Idle;
    // Counts runs, so that a late report of an earlier run is ignored.
    long runNumber_ = 0;
    // The current run's page store; handed to the store worker with each job.
    std::shared_ptr<CataloguePageStore> run_;
    std::string maxTimestamp_;
    // The products the server reported for the current run (or the saved progress).
    int maxRows_ = 0;
    std::chrono::steady_clock::time_point startDate_;
    int pagesStored_ = 0;
    std::chrono::nanoseconds requesting_{}, reading_{};
    std::chrono::steady_clock::time_point requestSent_;

    // A page reply as the transfer thread read it (nothing for a status other than 2xx), and how
    // long that took. Written there before the request is reported, read on the UI thread after.
    struct ReadPage {
        std::optional<PageReply> reply;
        std::chrono::nanoseconds took{};
    };

    // The page request in flight, its page and what its reader fills in; a reply to any other
    // request (one of a run that has ended) is ignored.
    std::shared_ptr<FormDataRequest> pageRequest_;
    int requestedPage_ = 0;
    std::shared_ptr<ReadPage> readPage_;
    // An end of the run waiting for the pages read before it to be stored.
    std::function<void()> pendingEnd_;
    // Pages read and not yet reported stored, and the last page read.
    int jobsOutstanding_ = 0;
    int lastReadPage_ = 0;
    bool stopped_ = false;

    NetworkQueue queue_;
    ProductUpload upload_;
};

} // namespace tolvane
