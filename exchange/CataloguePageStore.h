// The store side of one catalogue update run: each page in one checked transaction of the store
// worker's Database, the newest date taken in, and how far an unfinished run got. One object per
// run, made on the UI thread before the run's first job and handed to the store worker with each
// job; from then on only the worker uses it (its jobs run one after another, in order).
#pragma once

#include "format/CatalogueRecord.h"
#include "platform/Log.h"
#include "store/CataloguePageWriter.h"
#include "store/Database.h"

#include <chrono>
#include <set>
#include <string>
#include <vector>

namespace tolvane {

class CataloguePageStore {
public:
    // storedTimestamp: the dtimestamp the run starts from, as stored. latestDate: a record date
    // after it (a day ahead of the device clock at the start) is a slip, kept with its product
    // but never taken as the timestamp, which would make every later run "nothing new".
    CataloguePageStore(Log& log, std::string storedTimestamp, std::string latestDate);
    // The latestDate for a run started at now. A clock before this program was made (a machine
    // whose clock went back to 1970) cannot judge dates: none is a slip then, so that the date
    // taken in stays and the next run does not ask for the whole catalogue again.
    static std::string latestCredibleDate(std::chrono::system_clock::time_point now);

    struct Page {
        std::vector<std::string> ids;
        std::vector<std::string> dates; // the record date of each of ids
        std::vector<CatalogueRecord> records;
        int page = 1;
    };
    struct Stored {
        bool stored = false;
        Database::WriteFailure failure = Database::WriteFailure::None;
        long long handled = 0; // products of the run handled up to this page
    };
    // Stores a page; after a page that failed, no later page of the run is stored. A product
    // whose new record the store would refuse, or that has a field longer than
    // PageReply::withinFieldLengths allows, keeps its old row, and its date does not count as
    // taken in.
    Stored store(Database& db, const Page& page);
    // The last page was read: the newest date taken in becomes the timestamp, rows "0".
    void complete(Database& db);
    // While the server reported more products than the pages stored hold, keeps the page after
    // the last one stored, counted in products. A run that stored nothing leaves the saved
    // progress as the run found it.
    void saveProgress(Database& db, long long total) const;

    // The page store in one checked transaction: reads the favourites, removes every product of
    // ids not kept, inserts the records not kept (the last one of a product named twice wins)
    // and re-marks those that were favourites, at their position among them. A filed product
    // whose values changed has its consumption rows and folder totals worked out anew. False
    // when it was rolled back.
    static bool storePage(Database& database, const std::vector<std::string>& ids,
                          const std::vector<CatalogueRecord>& records, const std::set<int>& kept,
                          CataloguePageWriter::Mode writes = CataloguePageWriter::Mode::Bound);

private:
    Log& log_;
    std::string storedTimestamp_;
    std::string latestDate_;
    std::string newestSeen_; // the newest inclusion date stored or deleted in this run
    bool aheadLogged_ = false;
    int refused_ = 0; // products of stored pages whose new record the store refused
    int lastStoredPage_ = 0;
    bool failed_ = false;
};

} // namespace tolvane
