#pragma once

#include "server/ServerProduct.h"
#include "server/Sqlite.h"

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace tolvane::server {

struct Upload {
    long long number = 0;
    std::string received;
    std::string email;
    std::string subject;
    std::string msg;
    std::string data;
};

// One page of changed products and the total number of changed products.
struct ChangedPage {
    long long total = 0;
    std::vector<ServerProduct> products;
};

// What taking a whole export changed.
struct ExportChanges {
    long long added = 0;
    long long changed = 0;
    long long unchanged = 0; // the same content: not sent again
    long long older = 0;     // last_modified_t older than the one held: kept as held
    long long removed = 0;   // held from an earlier export, missing from this one
};

// A product of an export: the key it is known by (its barcode), its last_modified_t and record.
using ExportSink =
    std::function<void(const std::string& key, long long modified, const CatalogueRecord&)>;
using ExportFeed = std::function<void(const ExportSink&)>;

// The server's own catalogue and outbox in one SQLite file. Safe to share between threads.
class ServerCatalogue {
public:
    explicit ServerCatalogue(const std::string& path);
    ~ServerCatalogue();

    // Adds or replaces products by ID, all or none. A set `timestamp` replaces every product's
    // own "Aufnahmedatum". Imported products are not deleted.
    void importProducts(const std::vector<ServerProduct>& products,
                        const std::optional<std::string>& timestamp);

    // Marks products deleted as of `timestamp`, all or none. Identifiers the catalogue does not
    // hold are recorded as deleted too, so devices that have them drop them; they are returned.
    std::vector<long long> markDeleted(const std::vector<long long>& ids,
                                       const std::string& timestamp);

    // Products with an "Aufnahmedatum" after `since` (all when empty), ordered by that and ID;
    // page `pageNo` counts from 1. A page that follows the last one served for the same `since`
    // and size, with no product changed in between, is read on from that page's last key
    // instead of skipping the pages before it; it is the same page either way.
    ChangedPage changedSince(const std::string& since, long long pageNo, long long pageSize);

    // Makes the catalogue hold the products of a whole export, each known by its key: new and
    // changed products are published at timestamp, those of an earlier export that this one
    // lacks are withdrawn at timestamp, and an unchanged product keeps its date, so that devices
    // do not fetch it again. A product keeps its identifier from export to export; new ones are
    // numbered after the highest held. All or none.
    ExportChanges replaceExport(const ExportFeed& products, const std::string& timestamp);

    std::optional<ServerProduct> product(long long id);
    long long productCount();
    std::string newestTimestamp();

    void storeUpload(const Upload& upload);
    std::vector<Upload> uploads();

private:
    // Where the last page served for one `since` ended, and what it was read from.
    struct Cursor {
        long long pageNo = 0;
        long long pageSize = 0;
        long long total = 0;
        long long dataVersion = 0;
        long long ownWrites = 0;
        std::string lastTimestamp;
        long long lastId = 0;
    };
    // Several devices may sync at once; a few cursors are enough for them.
    static constexpr std::size_t kMaxCursors = 16;

    std::mutex mutex_;
    // Counts this connection's own product changes, which data_version does not show.
    long long ownWrites_ = 0;
    std::map<std::string, Cursor> cursors_;
    SqliteConnection db_;
    Statement countAll_;
    Statement countSince_;
    Statement pageAll_;
    Statement pageSince_;
    Statement pageNext_;
    Statement dataVersion_;
};

} // namespace tolvane::server
