// tolvane-sync: brings a catalogue file up to date from a product server, with the update the
// catalogue service runs in the program, and prints its progress and the alerts' keys.
#include "exchange/CatalogueUpdate.h"
#include "exchange/ServerConfig.h"
#include "platform/Platform.h"
#include "store/Database.h"
#include "store/DatabaseWorker.h"
#include "store/OwnProductStore.h"
#include "tools/FolderLock.h"
#include "tools/sync/ConsoleListener.h"
#include "tools/sync/EventLoop.h"

#include <filesystem>
#include <iostream>
#include <string>

using namespace tolvane;

namespace {

int usage() {
    std::cerr << "usage: tolvane-sync --db FILE [--server URL] [--upload] [--verbose]\n"
                 "  --db FILE     catalogue database (it must exist, e.g. a copy of Tolvane.db)\n"
                 "  --server URL  product server address (default: TOLVANE_SERVER_URL or the "
                 "build's)\n"
                 "  --upload      also send the own products not yet uploaded\n"
                 "  --verbose     print the diagnostic log to standard error\n"
                 "Exit status: 0 when the catalogue is up to date, 1 when the update failed or "
                 "another program holds the folder, 2 for a usage error.\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string dbPath;
    std::string server = serverBaseUrl();
    bool upload = false;
    bool verbose = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--db" && i + 1 < argc)
            dbPath = argv[++i];
        else if (arg == "--server" && i + 1 < argc)
            server = argv[++i];
        else if (arg == "--upload")
            upload = true;
        else if (arg == "--verbose")
            verbose = true;
        else
            return usage();
    }
    if (dbPath.empty()) return usage();
    std::error_code error;
    if (!std::filesystem::is_regular_file(dbPath, error)) {
        std::cerr << "tolvane-sync: no database file at " << dbPath << "\n";
        return 2;
    }

    LockFile lock(LockFile::forFolderOf(dbPath));
    if (!claimFolderLock(lock, "tolvane-sync")) return 1;

    StreamLog verboseLog(std::cerr);
    NullLog quietLog;
    Log& log = verbose ? static_cast<Log&>(verboseLog) : quietLog;
    MemoryUserDefaults defaults;
    MemoryStrings strings;
    ConsoleAlerts alerts(std::cout);
    MemoryAnalytics analytics;
    EventLoop loop;
    FakeUrlOpener urls;
    Platform platform{defaults, strings, alerts, analytics, log, loop, urls};

    Database database(dbPath, log);
    // Stores the pages; it waits for its last job (the progress saved below) when it goes.
    DatabaseWorker store(dbPath, log);
    ConsoleListener listener(std::cout);
    CatalogueUpdate update(platform, database, store, listener, server);
    std::cout << "server: " << withoutCredentials(update.serverBase()) << "\n";

    if (upload) {
        auto unsent = OwnProductStore(database).selectProductsForCsv();
        std::cout << "upload: " + std::to_string(unsent.size()) + " own products\n";
        update.createCsvForUpload(std::move(unsent));
    }
    update.update();
    bool ended = loop.runUntil(
        [&] { return listener.outcome().has_value() && update.upload().pendingUploads() == 0; },
        std::chrono::minutes(30));
    // As when the list screen goes out of view: an unfinished run resumes from here next time.
    update.saveProgress();
    if (upload) {
        auto left = OwnProductStore(database).selectProductsForCsv().size();
        std::cout << "upload: " + std::to_string(left) + " own products still unsent\n";
    }
    if (!ended) {
        std::cerr << "tolvane-sync: gave up waiting\n";
        return 1;
    }
    auto outcome = *listener.outcome();
    return outcome == UpdateOutcome::Completed || outcome == UpdateOutcome::NothingNew ? 0 : 1;
}
