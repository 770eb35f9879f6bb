#include "exchange/CatalogueUpdate.h"

#include "exchange/ReplyText.h"
#include "format/PercentEncoding.h"
#include "format/TimestampText.h"

#include "platform/BuildConfig.h"
#include "platform/Keys.h"
#include "store/CataloguePageWriter.h"
#include "store/Database.h"
#include "store/SqlText.h"
#include "text/IntegerValue.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <set>

namespace tolvane {

namespace {

// Pages past what the reported total needs before a reply counts as endless.
constexpr int pageMargin = 2;
// Skipped products logged one by one per page; the rest only counted.
constexpr int skipsLogged = 5;

const char* const offlineMessage = key("Keine Datenverbindung verfügbar");
// clang-format off
const char* const interruptedMessage = key("Die Datenverbindung wurde unterbrochen und der Download angehalten. Bitte synchronisieren Sie erneut für alle Produkte");
const char* const unreadableMessage = key("Die Antwort des Servers konnte nicht gelesen werden. Bitte versuchen Sie es später erneut.");
const char* const completedMessage = key("Verbindung wurde erfolgreich hergestellt und neue Einträge sind heruntergeladen.");
const char* const diskFullMessage = key("Nicht genügend freier Speicherplatz: Der Download wurde angehalten. Bitte geben Sie Speicherplatz frei und synchronisieren Sie erneut.");
const char* const readOnlyMessage = key("Die Datenbank ist schreibgeschützt: Der Download wurde angehalten. Tolvane kann Neues erst speichern, wenn Datei und Ordner beschreibbar sind.");
// clang-format on

bool allDigits(const std::string& text) {
    return !text.empty() && text.size() <= 10 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The "ID" member of a product object as text; "" when there is none.
std::string idTextOf(const JsonValue& product) {
    if (!product.is_object()) return {};
    auto found = product.find(catalogueRecordKeys.back());
    return found == product.end() ? std::string() : JsonParser::textOf(*found);
}

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

// What the store worker keeps of one run. Made on the UI thread before the run's first job and
// handed to the worker with each job; from then on only the worker reads or changes it.
struct CatalogueUpdate::RunOnStore {
    std::string storedTimestamp; // the dtimestamp the run started from, as stored
    // A record date after this (a day ahead of the device clock at the start) is a slip: kept
    // with its product, but a timestamp that far ahead would make every later run "nothing new".
    std::string latestDate;
    // The worker's own.
    std::string newestSeen; // the newest inclusion date stored or deleted in this run
    bool aheadLogged = false;
    int refused = 0; // products of stored pages whose new record the store refused
    int lastStoredPage = 0;
    bool failed = false; // a page could not be stored: no later page of the run is
};

CatalogueUpdate::CatalogueUpdate(Platform& platform, Database& shared, DatabaseWorker& store,
                                 CatalogueUpdateListener& listener, std::string serverBase)
    : platform_(platform), database_(shared), store_(store), listener_(listener),
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
    auto run = std::make_shared<RunOnStore>();
    if (const auto saved = database_.selectTimestamp()) {
        if (!saved->rows.empty()) maxRows_ = leadingInt(saved->rows);
        if (!saved->dtimestamp.empty()) run->storedTimestamp = saved->dtimestamp;
    }
    run->latestDate = timestampText(std::chrono::system_clock::now() + std::chrono::hours(24));
    // Saved by a version that took such a slip in: asked from the newest credible date instead,
    // from the first page, as any saved progress counted pages of the other question.
    if (isTimestamp(run->storedTimestamp) && run->storedTimestamp > run->latestDate) {
        platform_.log.write("Saved timestamp " + run->storedTimestamp +
                            " is ahead of the clock; asking from the newest date held");
        run->storedTimestamp = database_.selectMaxTimestampUpTo(run->latestDate);
        maxRows_ = 0;
    }
    const int batchCount = maxRows_ < 1 ? 1 : std::max(1, maxRows_ / recordsPerPage);

    startDate_ = std::chrono::steady_clock::now();
    // ":" kept: a stored timestamp of the usual form only has its blank written as "%20".
    maxTimestamp_ = percentEncode(run->storedTimestamp, ":");
    run_ = std::move(run);
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
    requestSent_ = std::chrono::steady_clock::now();
    pageRequest_ = request;
    requestedPage_ = page;
    queue_.addOperation(std::move(request));
    queue_.go();
}

bool CatalogueUpdate::pageRecord(const JsonValue& product, CatalogueRecord& record) {
    record = CatalogueRecord();
    if (!product.is_object()) return false;
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        auto found = product.find(catalogueRecordKeys[i]);
        if (found != product.end()) record.fields[i] = JsonParser::textOf(*found);
    }
    const std::string id = idTextOf(product);
    if (!allDigits(id) || leadingInt(id) <= 0 || leadingInt(id) >= firstOwnProductId) return false;
    record.id = leadingInt(id);
    return true;
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
    const auto arrived = std::chrono::steady_clock::now();
    requesting_ += arrived - requestSent_;
    // While the total the server gave says more pages follow, the next one is asked for before
    // this one is read, so that the server prepares it meanwhile (should this reply end the run
    // after all, the next one is ignored).
    if (static_cast<long long>(replyPage) * recordsPerPage < maxRows_) askFor(replyPage + 1, 1);
    struct ReadingTime {
        std::chrono::nanoseconds& total;
        std::chrono::steady_clock::time_point start;
        ~ReadingTime() { total += std::chrono::steady_clock::now() - start; }
    } readingTime{reading_, arrived};

    const std::string& body = request->responseString();
    if (trimmed(body) == "No product has been updated.") {
        whenStored([this] { finish(UpdateOutcome::NothingNew); });
        return;
    }

    std::string error;
    auto reply = readReply(body, &error);
    const JsonValue* records = nullptr;
    if (reply && reply->is_object()) {
        auto found = reply->find("Updated Records");
        if (found != reply->end() && found->is_object()) records = &*found;
    }
    if (!records) {
        if (reply) error = "the reply holds no \"Updated Records\" object";
        platform_.log.write("JSON parsing failed: " + error);
        whenStored([this] { finish(UpdateOutcome::Unreadable, unreadableMessage); });
        return;
    }

    auto rows = records->find("rows");
    maxRows_ = rows != records->end() && rows->is_array() && !rows->empty()
                   ? std::max(0, JsonParser::intOf(rows->front()))
                   : 0;
    auto now = std::chrono::steady_clock::now();
    platform_.log.write("Time to establish connection: " +
                        wholeSeconds(std::chrono::duration<double>(now - startDate_).count()));
    startDate_ = now;

    auto products = records->find("products");
    if (products != records->end() && products->is_null()) {
        whenStored([this] { completeRun(); });
        return;
    }
    if (products == records->end() || !products->is_array() || products->empty()) {
        whenStored([this] { finish(UpdateOutcome::EmptyReply, offlineMessage); });
        return;
    }
    if (products->size() > maxProductsPerPage) {
        platform_.log.write("JSON parsing failed: a page of " + formatInt(products->size()) +
                            " products, more than a page holds");
        whenStored([this] { finish(UpdateOutcome::Unreadable, unreadableMessage); });
        return;
    }
    // A server that never runs out of pages would keep the run going for ever.
    const int pagesNeeded = (maxRows_ + recordsPerPage - 1) / recordsPerPage;
    if (replyPage > pagesNeeded + pageMargin) {
        platform_.log.write("JSON parsing failed: page " + formatInt(replyPage) + " is past the " +
                            formatInt(maxRows_) + " products reported");
        whenStored([this] { finish(UpdateOutcome::Unreadable, unreadableMessage); });
        return;
    }

    // productIdsArray and queueNameList of the page, straight into the store's job.
    PageJob job;
    int skipped = 0;
    for (const auto& product : *products) {
        CatalogueRecord record;
        if (!pageRecord(product, record)) {
            if (++skipped <= skipsLogged)
                platform_.log.write("Product without a usable ID skipped: " + idTextOf(product));
            continue;
        }
        job.ids.push_back(idTextOf(product));
        job.dates.push_back(record[CatalogueField::InclusionDate]);
        auto isDelete = product.find("isDelete");
        if (isDelete != product.end() && JsonParser::textOf(*isDelete) == "0")
            job.records.push_back(std::move(record));
    }
    if (skipped > skipsLogged)
        platform_.log.write(formatInt(skipped - skipsLogged) +
                            " more products without a usable ID skipped on this page");
    job.page = replyPage;
    job.total = maxRows_;
    lastReadPage_ = replyPage;
    startStoring(std::move(job));
    askFor(replyPage + 1, 0);
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

void CatalogueUpdate::startStoring(PageJob page) {
    state_ = State::Storing;
    postToStore([page = std::move(page), run = run_, shared = shared_, &log = platform_.log,
                 &catalogue = database_, this](Database& db, const Report& report) {
        // A page that failed drops the pages read after it.
        if (run->failed) return;
        const auto started = std::chrono::steady_clock::now();
        // Many small commits: each need not wait for the disk (ended by finish).
        if (!db.bulkWrites()) db.beginBulkWrites();
        // A product whose new record the store would refuse keeps its old row rather than
        // vanish.
        std::set<int> kept;
        for (const auto& record : page.records) {
            if (CataloguePageWriter::storable(record)) continue;
            kept.insert(static_cast<int>(record.id));
            log.write("Product " + formatInt(record.id) +
                      " not replaced: its new record is unfit to store");
        }
        const bool stored = storePage(db, page.ids, page.records, kept);
        shared->storingNs += std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::steady_clock::now() - started)
                                 .count();
        if (stored) {
            run->lastStoredPage = page.page;
            run->refused += static_cast<int>(kept.size());
            // Only what was stored or deleted counts towards the newest date taken in: a
            // product kept at its old row must be asked for again.
            for (std::size_t i = 0; i < page.ids.size() && i < page.dates.size(); ++i)
                if (!kept.contains(leadingInt(page.ids[i])) && isTimestamp(page.dates[i])) {
                    if (page.dates[i] <= run->latestDate)
                        run->newestSeen = std::max(run->newestSeen, page.dates[i]);
                    else if (!std::exchange(run->aheadLogged, true))
                        log.write("Product " + page.ids[i] + " dated " + page.dates[i] +
                                  ", ahead of the clock: the timestamp does not advance to it");
                }
        } else {
            run->failed = true;
        }
        catalogue.catalogueChanged();

        const int handled = (page.page - 1) * recordsPerPage + static_cast<int>(page.ids.size());
        const auto failure = stored ? Database::WriteFailure::None : db.lastWriteFailure();
        report([this, page = page.page, stored, failure, handled, total = page.total] {
            pageStored(page, stored, failure, handled, total);
        });
        if (stored && !shared->rebuildPending.exchange(true)) {
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

bool CatalogueUpdate::storePage(Database& database, const std::vector<std::string>& ids,
                                const std::vector<CatalogueRecord>& records,
                                const std::set<int>& kept, CataloguePageWriter::Mode writes) {
    return database.runInCheckedTransaction([&] {
        CataloguePageWriter writer(database, writes);
        // The marks as they are now, not as the run found them: a star set or taken off since
        // stays so. recordId -> position among the favourites.
        std::map<int, int> favouriteIndex;
        const auto favourites = writer.selectProductFavoriteIds();
        for (std::size_t i = 0; i < favourites.size(); ++i)
            favouriteIndex.emplace(leadingInt(favourites[i]), static_cast<int>(i));
        for (const auto& id : ids)
            if (!kept.contains(leadingInt(id))) writer.deleteProductFromMainTable(id);
        std::set<int> inserted;
        for (const auto& record : records) {
            const int id = static_cast<int>(record.id);
            if (kept.contains(id)) continue;
            const std::string idText = formatInt(record.id);
            // A page naming a product twice must not leave two rows of it.
            if (!inserted.insert(id).second) writer.deleteProductFromMainTable(idText);
            writer.insertIntoDatabase(record);
            // The favourite at index i is this very product.
            auto favourite = favouriteIndex.find(id);
            if (favourite != favouriteIndex.end())
                writer.setFavorite(idText, 1, formatInt(favourite->second));
        }
        return true;
    });
}

void CatalogueUpdate::pageStored(int page, bool stored, Database::WriteFailure failure, int handled,
                                 int total) {
    if (state_ != State::Storing) return; // the run has ended meanwhile
    --jobsOutstanding_;
    if (!stored) {
        pageStoreFailed(failure);
        return;
    }
    ++pagesStored_;
    const int pages =
        static_cast<int>((static_cast<long long>(total) + recordsPerPage - 1) / recordsPerPage);
    listener_.progress(handled, total, page, pages);
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
    postToStore([run = run_, &log = platform_.log, this](Database& db, const Report& report) {
        // A deleted product's date is not in the table any more, but it was taken in all the
        // same. Only a date of the timestamp form is ever sent back: anything else would break
        // every later request.
        std::string newest = isTimestamp(run->storedTimestamp) ? run->storedTimestamp : "";
        if (const std::string held = db.selectMaxTimestampUpTo(run->latestDate); isTimestamp(held))
            newest = std::max(newest, held);
        newest = std::max(newest, run->newestSeen);
        if (newest.empty()) newest = run->storedTimestamp;
        db.updateDTimestamp(newest, "0");
        // Each was named as its page was stored; the count tells whether any was.
        if (run->refused > 0)
            log.write("Update complete; products refused by the store: " + formatInt(run->refused));
        report([this] {
            if (state_ != State::Storing) return;
            --jobsOutstanding_;
            platform_.analytics.logEvent("Sync @ Start-Finished");
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
            finish(UpdateOutcome::Offline, offlineMessage);
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
    return [run = run_, maxRows = maxRows_](Database& db) {
        if (run->lastStoredPage == 0) return;
        const long long reached = static_cast<long long>(run->lastStoredPage + 1) * recordsPerPage;
        if (reached < maxRows) db.updateDTimestampRows(formatInt(reached));
    };
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

std::optional<JsonValue> CatalogueUpdate::readReply(std::string_view body, std::string* error) {
    return JsonParser().objectWithString(body, error, replyLimits);
}

bool CatalogueUpdate::isTimestamp(const std::string& text) {
    static constexpr std::string_view form = "dddd-dd-dd dd:dd:dd";
    if (text.size() != form.size()) return false;
    for (std::size_t i = 0; i < form.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (form[i] == 'd' ? !digit : text[i] != form[i]) return false;
    }
    return true;
}

} // namespace tolvane
