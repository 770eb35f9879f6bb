// Brings the catalogue up to date from the product server, page by page, and carries the
// own-product upload on the same request queue. Owned by the product list screen; every public
// call is made on the UI thread. Pages are stored in order by one worker per run, each in one
// transaction. While a page is stored the next ones are asked for and read (up to
// maxPagesRead); whatever ends the run (the last page, a failed request, an unreadable reply)
// takes effect only after the pages read before it are stored. During a run the store writes
// with the write-ahead journal (Database::beginBulkWrites).
#pragma once

#include "exchange/CatalogueUpdateListener.h"
#include "exchange/JsonParser.h"
#include "exchange/NetworkQueue.h"
#include "exchange/ProductUpload.h"
#include "exchange/Reachability.h"
#include "exchange/ServerConfig.h"
#include "format/CatalogueRecord.h"
#include "platform/Platform.h"
#include "store/CataloguePageWriter.h"
#include "store/Rows.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace tolvane {

class Database;

class CatalogueUpdate {
public:
    static constexpr int recordsPerPage = 250;
    // Pages read and not yet stored, the one being stored included: enough to keep the store
    // busy while the server prepares the next.
    static constexpr int maxPagesRead = 3;
    // A reply with several times a page of products is not a page.
    static constexpr std::size_t maxProductsPerPage = 4 * recordsPerPage;
    // The reply nests four deep (reply, "Updated Records", "products", product); a little room
    // besides, and a bound on the values of a full page with its 27 members each.
    static constexpr JsonLimits replyLimits{8, 200000};
    // Identifiers from here on belong to own products on the device.
    static constexpr int firstOwnProductId = static_cast<int>(tolvane::firstOwnProductId);

    enum class State { Idle, Checking, Requesting, Storing };
    // Where the time of the current or last run went.
    struct Timings {
        std::chrono::nanoseconds requesting{}; // from queueing a page request to its reply
        std::chrono::nanoseconds reading{};    // parsing replies on the UI thread
        std::chrono::nanoseconds storing{};    // page transactions on the worker
        int pages = 0;
    };

    CatalogueUpdate(Platform& platform, Database& shared, CatalogueUpdateListener& listener,
                    std::string serverBase = serverBaseUrl());
    // Waits for a page being stored; afterwards nothing reaches the listener.
    ~CatalogueUpdate();
    CatalogueUpdate(const CatalogueUpdate&) = delete;
    CatalogueUpdate& operator=(const CatalogueUpdate&) = delete;

    // Starts a run (the refresh button). Ignored while a run is going.
    void update();
    // The connection check, 0.2 s after update(): offline ends the run, online sends page one.
    void killHUD();
    bool isNetworkReachable();
    // Reads the saved progress and asks for the first page of this run.
    void SendRequest();
    // The queue's handlers.
    void requestDone(const std::shared_ptr<FormDataRequest>& request);
    void requestFailed(const std::shared_ptr<FormDataRequest>& request);
    // When the list screen goes out of view: remember how far an unfinished run got.
    void saveProgress();
    // Uploads the own products not yet sent (rows of selectProductsForCsv).
    void createCsvForUpload(std::vector<UploadRow> records);

    State state() const { return state_; }
    bool running() const { return state_ != State::Idle; }
    const std::string& maxTimestamp() const { return maxTimestamp_; }
    int maxRows() const { return maxRows_; }
    int batchCount() const { return batchCount_; }
    const std::vector<std::string>& productIdsArray() const { return productIdsArray_; }
    const std::vector<CatalogueRecord>& queueNameList() const { return queueNameList_; }
    const std::vector<FavoriteRow>& favoriteArray() const { return favoriteArray_; }
    const std::vector<std::string>& favProductIds() const { return favProductIds_; }
    std::chrono::steady_clock::time_point startDate() const { return startDate_; }
    const std::string& serverBase() const { return serverBase_; }
    Timings timings() const;

    Reachability& reachability() { return reachability_; }
    NetworkQueue& queue() { return queue_; }
    ProductUpload& upload() { return upload_; }

    // The page record of a product object; false when its ID is unusable (the record's
    // identifier is then 0).
    static bool pageRecord(const JsonValue& product, CatalogueRecord& record);
    // A reply text read as JSON within replyLimits; nothing, with the error, otherwise.
    static std::optional<JsonValue> readReply(std::string_view body, std::string* error);
    // Whether a text has the form of a stored timestamp, "YYYY-MM-DD HH:MM:SS".
    static bool isTimestamp(const std::string& text);
    // The page store in one checked transaction: removes every product of ids not kept, inserts
    // the records not kept (the last one of a product named twice wins) and re-marks the
    // captured favourites (recordId -> position). False when it was rolled back.
    static bool storePage(Database& database, const std::vector<std::string>& ids,
                          const std::vector<CatalogueRecord>& records,
                          const std::map<int, int>& favouriteIndex, const std::set<int>& kept,
                          CataloguePageWriter::Mode writes = CataloguePageWriter::Mode::Bound);

private:
    struct Shared;
    struct PageJob {
        std::vector<std::string> ids;
        std::vector<std::string> dates; // the record date of each of ids
        std::vector<CatalogueRecord> records;
        int page = 1;
        int total = 0; // products the server reported with this page
        std::string timestamp;
        // Not a page: the run's end, once every page before it is stored.
        bool completesRun = false;
    };

    // Every end of a run: hides the panel, enables the button, shows the message when given.
    void finish(UpdateOutcome outcome, const char* message = nullptr);
    void sendPage(int page, const std::string& timestamp);
    // Asks for the page unless a request is in flight, the run's end has been read, or the
    // pages read and not stored (with reading more on their way) fill the read-ahead.
    void askFor(int page, int reading);
    // Queues the page for the store worker, starting it when needed.
    void startStoring(PageJob job);
    // The store worker: stores the queued pages in order until stopped or a page fails.
    void storeLoop();
    // Stops the store worker (after the page it is storing) and drops the queued pages.
    void stopStoring();
    // On the worker: deletes, inserts and re-marks favourites, then reports to pageStored.
    // Whether the page was stored.
    bool callForInsert(PageJob job);
    // On the UI thread: moves on to the page read meanwhile, or to the run's end.
    void pageStored(int page, bool stored, int handled, int total);
    // Runs end now, or once the page being stored is stored.
    void whenStored(std::function<void()> end);
    void pageStoreFailed();
    // The end of a run whose last page was read: the newest date taken in is written on the
    // store worker (storeNewestTimestamp), then the run finishes on the UI thread.
    void completeRun();
    void storeNewestTimestamp();

    Platform& platform_;
    Database& database_;
    CatalogueUpdateListener& listener_;
    std::string serverBase_;
    std::shared_ptr<Shared> shared_;
    Reachability reachability_;

    std::atomic<State> state_{State::Idle};
    std::string maxTimestamp_;
    int maxRows_ = 0;
    std::atomic<int> batchCount_{1};
    std::vector<std::string> productIdsArray_;
    std::vector<CatalogueRecord> queueNameList_;
    std::vector<FavoriteRow> favoriteArray_;
    std::vector<std::string> favProductIds_;
    // recordId of a captured favourite -> its position in favProductIds
    std::map<int, int> favouriteIndex_;
    std::chrono::steady_clock::time_point startDate_;
    // The dtimestamp the run started from, as stored.
    std::string storedTimestamp_;
    // The newest inclusion date stored or deleted in this run (written by the page store).
    std::mutex newestMutex_;
    std::string newestSeen_;

    std::atomic<long long> requestingNs_{0}, readingNs_{0}, storingNs_{0};
    std::atomic<int> pagesStored_{0};
    std::atomic<long long> requestSentNs_{0};

    // The page request in flight and its page; a reply to any other request (one of a run
    // that has ended) is ignored.
    std::shared_ptr<FormDataRequest> pageRequest_;
    int requestedPage_ = 0;
    // An end of the run waiting for the pages read before it to be stored.
    std::function<void()> pendingEnd_;
    // Pages read and not yet reported stored (UI thread), and the last page read.
    int jobsOutstanding_ = 0;
    int lastReadPage_ = 0;
    // The pages waiting for the store worker.
    std::mutex storeMutex_;
    std::condition_variable storeWake_;
    std::deque<PageJob> storeJobs_;
    bool storeStop_ = false;

    std::thread worker_;
    // Puts the file back to the rollback journal after a run.
    std::thread closer_;
    NetworkQueue queue_;
    ProductUpload upload_;
};

} // namespace tolvane
