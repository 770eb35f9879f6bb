#include "exchange/CataloguePageStore.h"

#include "exchange/JsonParser.h"
#include "exchange/PageReply.h"
#include "format/TimestampText.h"
#include "store/CatalogueStore.h"
#include "text/IntegerValue.h"

#include <algorithm>
#include <map>
#include <utility>

namespace tolvane {

CataloguePageStore::CataloguePageStore(Log& log, std::string storedTimestamp,
                                       std::string latestDate)
    : log_(log), storedTimestamp_(std::move(storedTimestamp)), latestDate_(std::move(latestDate)) {}

CataloguePageStore::Stored CataloguePageStore::store(Database& db, const Page& page) {
    Stored result;
    result.handled = static_cast<long long>(page.page - 1) * PageReply::recordsPerPage +
                     static_cast<long long>(page.ids.size());
    // A page that failed drops the pages read after it.
    if (failed_) {
        result.failure = Database::WriteFailure::Other;
        return result;
    }
    // Many small commits: each need not wait for the disk (ended with the run).
    if (!db.bulkWrites()) db.beginBulkWrites();
    // A product whose new record the store would refuse, or whose fields are longer than any
    // product's, keeps its old row rather than vanish.
    std::set<int> kept;
    for (const auto& record : page.records) {
        if (CataloguePageWriter::storable(record) && PageReply::withinFieldLengths(record))
            continue;
        kept.insert(static_cast<int>(record.id));
        log_.write("Product " + formatInt(record.id) +
                   " not replaced: its new record is unfit to store");
    }
    result.stored = storePage(db, page.ids, page.records, kept);
    if (!result.stored) {
        failed_ = true;
        result.failure = db.lastWriteFailure();
        return result;
    }
    lastStoredPage_ = page.page;
    refused_ += static_cast<int>(kept.size());
    // Only what was stored or deleted counts towards the newest date taken in: a product kept at
    // its old row must be asked for again.
    for (std::size_t i = 0; i < page.ids.size() && i < page.dates.size(); ++i) {
        const std::string& date = page.dates[i];
        if (kept.contains(leadingInt(page.ids[i])) || !PageReply::isTimestamp(date)) continue;
        if (date <= latestDate_)
            newestSeen_ = std::max(newestSeen_, date);
        else if (!std::exchange(aheadLogged_, true))
            log_.write("Product " + page.ids[i] + " dated " + date +
                       ", ahead of the clock: the timestamp does not advance to it");
    }
    return result;
}

std::string CataloguePageStore::latestCredibleDate(std::chrono::system_clock::time_point now) {
    constexpr std::string_view madeAfter = "2024-01-01 00:00:00";
    std::string latest = timestampText(now + std::chrono::hours(24));
    return latest < madeAfter ? "9999-12-31 23:59:59" : latest;
}

void CataloguePageStore::complete(Database& db) {
    // A deleted product's date is not in the table any more, but it was taken in all the same.
    // Only a date of the timestamp form is ever sent back: anything else would break every
    // later request.
    std::string newest = PageReply::isTimestamp(storedTimestamp_) ? storedTimestamp_ : "";
    if (const std::string held = CatalogueStore(db).selectMaxTimestampUpTo(latestDate_);
        PageReply::isTimestamp(held))
        newest = std::max(newest, held);
    newest = std::max(newest, newestSeen_);
    if (newest.empty()) newest = storedTimestamp_;
    CatalogueStore(db).updateDTimestamp(newest, "0");
    // Each was named as its page was stored; the count tells whether any was.
    if (refused_ > 0)
        log_.write("Update complete; products refused by the store: " + formatInt(refused_));
}

void CataloguePageStore::saveProgress(Database& db, long long total) const {
    if (lastStoredPage_ == 0) return;
    const long long reached =
        static_cast<long long>(lastStoredPage_ + 1) * PageReply::recordsPerPage;
    if (reached < total) CatalogueStore(db).updateDTimestampRows(formatInt(reached));
}

bool CataloguePageStore::storePage(Database& database, const std::vector<std::string>& ids,
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
        // Read before the rows they were worked out from go.
        const auto filed = writer.filedValues(records);
        for (const auto& id : ids)
            if (!kept.contains(leadingInt(id)))
                writer.deleteProductFromMainTable(ProductId::of(id));
        std::map<long long, const CatalogueRecord*> latest;
        for (const auto& record : records) {
            const int id = static_cast<int>(record.id);
            if (kept.contains(id)) continue;
            const std::string idText = formatInt(record.id);
            // A page naming a product twice must not leave two rows of it.
            if (!latest.emplace(record.id, &record).second) {
                writer.deleteProductFromMainTable(ProductId::of(idText));
                latest[record.id] = &record;
            }
            writer.insertIntoDatabase(record);
            // The favourite at index i is this very product.
            auto favourite = favouriteIndex.find(id);
            if (favourite != favouriteIndex.end())
                writer.setFavorite(ProductId::of(idText), 1, formatInt(favourite->second));
        }
        for (const auto& [id, before] : filed)
            if (const auto record = latest.find(id); record != latest.end())
                writer.refile(*record->second, before);
        return true;
    });
}

} // namespace tolvane
