#include "exchange/CatalogueUpdate.h"

#include "format/PercentEncoding.h"

#include "platform/BuildConfig.h"
#include "platform/Keys.h"
#include "store/CatalogueStore.h"
#include "text/IntegerValue.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <climits>

namespace tolvane {

namespace {

// Skipped products logged one by one per page; the rest only counted.
constexpr int skipsLogged = 5;

const char* const offlineMessage = key("Keine Datenverbindung verfügbar");
// Online, but the product server did not answer the first request.
const char* const noAnswerMessage =
    key("Der Produktserver antwortet nicht. Bitte versuchen Sie es später erneut.");
// clang-format off
const char* const interruptedMessage = key("Die Datenverbindung wurde unterbrochen und der Download angehalten. Bitte synchronisieren Sie erneut für alle Produkte");
const char* const unreadableMessage = key("Die Antwort des Servers konnte nicht gelesen werden. Bitte versuchen Sie es später erneut.");
const char* const completedMessage = key("Verbindung wurde erfolgreich hergestellt und neue Einträge sind heruntergeladen.");
const char* const diskFullMessage = key("Nicht genügend freier Speicherplatz: Der Download wurde angehalten. Bitte geben Sie Speicherplatz frei und synchronisieren Sie erneut.");
const char* const readOnlyMessage = key("Die Datenbank ist schreibgeschützt: Der Download wurde angehalten. Tolvane kann Neues erst speichern, wenn Datei und Ordner beschreibbar sind.");
// clang-format on

// "%0.0f"
std::string wholeSeconds(double seconds) {
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, seconds, std::chars_format::fixed, 0);
    return std::string(buffer, result.ptr);
}

} // namespace

struct CatalogueUpdate::Shared {
    // Cleared by stop() and the destructor; reports queued for the UI thread look at it first.
    std::atomic<bool> alive{true};
    // One list rebuild waiting on the UI thread is enough, however many pages arrive meanwhile.
    std::atomic<bool> rebuildPending{false};
    std::atomic<long long> storingNs{0};
};

CatalogueUpdate::CatalogueUpdate(Platform& platform, Database& shared, DatabaseWorker& store,
                                 CatalogueUpdateListener& listener, std::string serverBase,
                                 Clock clock)
    : clock_(clock ? std::move(clock) : [] { return std::chrono::system_clock::now(); }),
      platform_(platform), database_(shared), store_(store), listener_(listener),
      serverBase_(withTrailingSlash(std::move(serverBase))), shared_(std::make_shared<Shared>()),
      queue_(platform.dispatcher), upload_(platform, shared, queue_, serverBase_) {
    queue_.setRequestDidFinishSelector(
        [this](const std::shared_ptr<FormDataRequest>& request) { requestDone(request); });
    queue_.setRequestDidFailSelector(
        [this](const std::shared_ptr<FormDataRequest>& request) { requestFailed(request); });
}

CatalogueUpdate::~CatalogueUpdate() {
    shared_->alive = false;
}

void CatalogueUpdate::update() {
    if (stopped_) return;
    if (running()) {
        platform_.log.write("Update already running");
        return;
    }
    platform_.analytics.logEvent("Trigger Manual Sync");
    state_ = State::Checking;
    ++runNumber_;
    listener_.showProgress(true);

    requesting_ = reading_ = {};
    shared_->storingNs = 0;
    pagesStored_ = 0;
    pageRequest_.reset();
    pendingEnd_ = nullptr;
    jobsOutstanding_ = 0;

    listener_.endSearch();

    auto shared = shared_;
    platform_.dispatcher.runLater(0.2, [this, shared, run = runNumber_] {
        if (shared->alive && run == runNumber_) killHUD();
    });
}

void CatalogueUpdate::killHUD() {
    if (!isNetworkReachable()) {
        finish(UpdateOutcome::Offline, offlineMessage);
        return;
    }
    SendRequest();
}

bool CatalogueUpdate::isNetworkReachable() {
    reachability_.setHostName(serverBase_ + "getUpdatedProducts.php");
    return reachability_.internetConnectionStatus() != Reachability::NotReachable;
}

void CatalogueUpdate::SendRequest() {
    // A total kept from the last run would start this one at a later page, and its end would
    // move the timestamp past the pages never asked for.
    maxRows_ = 0;
    std::string storedTimestamp;
    if (const auto saved = CatalogueStore(database_).selectTimestamp()) {
        if (!saved->rows.empty()) maxRows_ = leadingInt(saved->rows);
        if (!saved->dtimestamp.empty()) storedTimestamp = saved->dtimestamp;
    }
    const std::string latestDate = CataloguePageStore::latestCredibleDate(clock_());
    // Saved by a version that took such a slip in: asked from the newest credible date instead,
    // from the first page, as any saved progress counted pages of the other question.
    if (PageReply::isTimestamp(storedTimestamp) && storedTimestamp > latestDate) {
        platform_.log.write("Saved timestamp " + storedTimestamp +
                            " is ahead of the clock; asking from the newest date held");
        storedTimestamp = CatalogueStore(database_).selectMaxTimestampUpTo(latestDate);
        maxRows_ = 0;
    }
    const int batchCount = maxRows_ < 1 ? 1 : std::max(1, maxRows_ / recordsPerPage);

    startDate_ = std::chrono::steady_clock::now();
    // ":" kept: a stored timestamp of the usual form only has its blank written as "%20".
    maxTimestamp_ = percentEncode(storedTimestamp, ":");
    run_ =
        std::make_shared<CataloguePageStore>(platform_.log, std::move(storedTimestamp), latestDate);
    state_ = State::Requesting;
    sendPage(batchCount, maxTimestamp_);
}

void CatalogueUpdate::sendPage(int page, const std::string& timestamp) {
    auto request = FormDataRequest::requestWithURL(
        serverBase_ + "getUpdatedProducts.php?timestamp=" + timestamp +
        "&pageNo=" + formatInt(page) + "&records=" + formatInt(recordsPerPage));
    request->setTag(RequestTag::CataloguePage);
    request->setPostValue(config::updateUser, "username");
    request->setPostValue(config::updatePassword, "password");
    // Read where it arrives: reading a page on the UI thread holds it past a frame.
    auto read = std::make_shared<ReadPage>();
    request->setReader([read, page](const FormDataRequest& reply) {
        if (const int status = reply.responseStatusCode(); status < 200 || status > 299) return;
        const auto started = std::chrono::steady_clock::now();
        read->reply = PageReply::read(reply.responseString(), page);
        read->took = std::chrono::steady_clock::now() - started;
    });
    readPage_ = std::move(read);
    requestSent_ = std::chrono::steady_clock::now();
    pageRequest_ = request;
    requestedPage_ = page;
    queue_.addOperation(std::move(request));
    queue_.go();
}

void CatalogueUpdate::requestDone(const std::shared_ptr<FormDataRequest>& request) {
    if (request->tag() == RequestTag::Upload) {
        upload_.requestDone(request);
        return;
    }
    if (stopped_ || request->tag() != RequestTag::CataloguePage || request != pageRequest_) return;
    // A redirect or a server error is no page, whatever its body looks like.
    if (const int status = request->responseStatusCode(); status < 200 || status > 299) {
        platform_.log.write("requestFailed");
        platform_.log.write("requestFailed: HTTP " + formatInt(status));
        pageRequestFailed();
        return;
    }
    pageRequest_.reset();
    const int replyPage = requestedPage_;
    const std::shared_ptr<ReadPage> read = std::move(readPage_);
    // The queue reads every request it completes before reporting it; one that came unread is
    // read here rather than taken for empty.
    if (!read->reply) read->reply = PageReply::read(request->responseString(), replyPage);
    requesting_ += std::chrono::steady_clock::now() - requestSent_ - read->took;
    reading_ += read->took;
    // While the total the server gave says more pages follow, the next one is asked for before
    // this one is acted on, so that the server prepares it meanwhile (should this reply end the
    // run after all, the next one is ignored).
    if (static_cast<long long>(replyPage) * recordsPerPage < maxRows_) askFor(replyPage + 1, 1);
    pageRead(std::move(*read->reply), replyPage);
}

void CatalogueUpdate::pageRead(PageReply reply, int page) {
    using Kind = PageReply::Kind;
    if (reply.kind == Kind::NothingNew) {
        whenStored([this] { finish(UpdateOutcome::NothingNew); });
        return;
    }
    if (reply.kind == Kind::Unreadable) {
        platform_.log.write("JSON parsing failed: " + reply.error);
        whenStored([this] { finish(UpdateOutcome::Unreadable, unreadableMessage); });
        return;
    }
    maxRows_ = reply.total;
    const auto now = std::chrono::steady_clock::now();
    platform_.log.write("Time to establish connection: " +
                        wholeSeconds(std::chrono::duration<double>(now - startDate_).count()));
    startDate_ = now;
    if (reply.kind == Kind::Complete) {
        whenStored([this] { completeRun(); });
        return;
    }
    if (reply.kind == Kind::Empty) {
        // No product at all on the first page: nothing is newer than what is held.
        if (reply.total == 0 && pagesStored_ == 0) {
            whenStored([this] { finish(UpdateOutcome::NothingNew); });
            return;
        }
        whenStored([this] { finish(UpdateOutcome::EmptyReply, offlineMessage); });
        return;
    }
    const int skipped = static_cast<int>(reply.skippedIds.size());
    for (int i = 0; i < skipped && i < skipsLogged; ++i)
        platform_.log.write("Product without a usable ID skipped: " + reply.skippedIds[i]);
    if (skipped > skipsLogged)
        platform_.log.write(formatInt(skipped - skipsLogged) +
                            " more products without a usable ID skipped on this page");
    lastReadPage_ = page;
    startStoring({std::move(reply.ids), std::move(reply.dates), std::move(reply.records), page});
    askFor(page + 1, 0);
}

void CatalogueUpdate::askFor(int page, int reading) {
    if (pageRequest_ == nullptr && !pendingEnd_ && jobsOutstanding_ + reading < maxPagesRead)
        sendPage(page, maxTimestamp_);
}

void CatalogueUpdate::postToStore(std::function<void(Database&, const Report&)> job) {
    ++jobsOutstanding_;
    store_.post([job = std::move(job), shared = shared_, &dispatcher = platform_.dispatcher, this,
                 run = runNumber_](Database& db) {
        // Runs task on the UI thread while this update exists and the run is the same.
        const Report report = [&dispatcher, shared, this, run](Task task) {
            dispatcher.runOnUiThread([shared, this, run, task = std::move(task)] {
                if (shared->alive && run == runNumber_) task();
            });
        };
        job(db, report);
    });
}

void CatalogueUpdate::startStoring(CataloguePageStore::Page page) {
    state_ = State::Storing;
    postToStore([page = std::move(page), run = run_, shared = shared_, total = maxRows_,
                 &catalogue = database_, this](Database& db, const Report& report) {
        const auto started = std::chrono::steady_clock::now();
        const CataloguePageStore::Stored stored = run->store(db, page);
        shared->storingNs += std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::steady_clock::now() - started)
                                 .count();
        if (stored.stored) catalogue.catalogueChanged();
        report([this, page = page.page, stored, total] { pageStored(page, stored, total); });
        if (stored.stored && !shared->rebuildPending.exchange(true)) {
            report([this, shared] {
                shared->rebuildPending = false;
                listener_.rebuildList();
            });
        }
    });
}

void CatalogueUpdate::whenStored(std::function<void()> end) {
    // Whatever was asked for after the end is of no use.
    pageRequest_.reset();
    if (jobsOutstanding_ > 0)
        pendingEnd_ = std::move(end);
    else
        end();
}

void CatalogueUpdate::pageStored(int page, const CataloguePageStore::Stored& stored, int total) {
    if (state_ != State::Storing) return; // the run has ended meanwhile
    --jobsOutstanding_;
    if (!stored.stored) {
        pageStoreFailed(stored.failure);
        return;
    }
    ++pagesStored_;
    const auto pages = std::min<long long>(PageReply::pagesFor(total), INT_MAX);
    listener_.progress(static_cast<int>(std::min<long long>(stored.handled, INT_MAX)), total, page,
                       static_cast<int>(pages));
    if (jobsOutstanding_ == 0) {
        state_ = State::Requesting;
        if (pendingEnd_) {
            std::exchange(pendingEnd_, nullptr)();
            return;
        }
    }
    // Room to read again: the page after the last one read, unless it is on its way.
    askFor(lastReadPage_ + 1, 0);
}

void CatalogueUpdate::pageStoreFailed(Database::WriteFailure failure) {
    platform_.log.write("Page could not be stored");
    // What the user can do differs: free some space, make the file writable, or try again.
    const char* message = failure == Database::WriteFailure::DiskFull   ? diskFullMessage
                          : failure == Database::WriteFailure::ReadOnly ? readOnlyMessage
                                                                        : interruptedMessage;
    finish(UpdateOutcome::Interrupted, message);
}

void CatalogueUpdate::completeRun() {
    // The newest date is read from the whole table: on the store worker, as the pages are.
    state_ = State::Storing;
    postToStore([run = run_, this](Database& db, const Report& report) {
        run->complete(db);
        report([this] {
            if (state_ != State::Storing) return;
            --jobsOutstanding_;
            platform_.analytics.logEvent("Sync @ Start-Finished");
            // A run that found nothing newer says so, as the server's own "nothing new" does.
            if (maxRows_ == 0 && pagesStored_ == 0)
                finish(UpdateOutcome::NothingNew);
            else
                finish(UpdateOutcome::Completed, completedMessage);
        });
    });
}

void CatalogueUpdate::requestFailed(const std::shared_ptr<FormDataRequest>& request) {
    if (stopped_) return;
    platform_.log.write("requestFailed");
    if (!request->error().empty()) platform_.log.write("requestFailed: " + request->error());
    if (request->tag() == RequestTag::Upload) {
        // Its products stay unsent; no download ran, so there is nothing to tell the user.
        upload_.requestFailed(request);
        return;
    }
    if (request->tag() == RequestTag::CataloguePage && request == pageRequest_) pageRequestFailed();
}

void CatalogueUpdate::pageRequestFailed() {
    pageRequest_.reset();
    whenStored([this] {
        // Before any page is stored nothing was interrupted: the server could not be reached.
        if (pagesStored_ == 0)
            finish(UpdateOutcome::Offline, noAnswerMessage);
        else
            finish(UpdateOutcome::Interrupted, interruptedMessage);
    });
}

void CatalogueUpdate::saveProgress() {
    if (run_) store_.post(progressJob());
}

DatabaseWorker::Job CatalogueUpdate::stop() {
    stopped_ = true;
    shared_->alive = false;
    pageRequest_.reset();
    pendingEnd_ = nullptr;
    queue_.cancelAllOperations();
    return run_ ? progressJob() : DatabaseWorker::Job();
}

DatabaseWorker::Job CatalogueUpdate::progressJob() const {
    return [run = run_, total = maxRows_](Database& db) { run->saveProgress(db, total); };
}

void CatalogueUpdate::createCsvForUpload(std::vector<UploadRow> records) {
    if (!stopped_) upload_.createCsvForUpload(std::move(records));
}

CatalogueUpdate::Timings CatalogueUpdate::timings() const {
    Timings t;
    t.requesting = requesting_;
    t.reading = reading_;
    t.storing = std::chrono::nanoseconds(shared_->storingNs.load());
    t.pages = pagesStored_;
    return t;
}

void CatalogueUpdate::finish(UpdateOutcome outcome, const char* message) {
    pageRequest_.reset();
    pendingEnd_ = nullptr;
    jobsOutstanding_ = 0;
    state_ = State::Idle;
    // Back to the rollback journal, behind the run's last job on the store worker: neither this
    // thread nor a next run waits for it, and a next run's switch comes after it.
    store_.post([](Database& db) { db.endBulkWrites(); });
    listener_.showProgress(false);
    if (message != nullptr) platform_.alerts.show({"", message, {key("OK")}});
    listener_.updateFinished(outcome);
}

} // namespace tolvane
