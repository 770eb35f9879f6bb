#include "store/Migration.h"

#include "store/Database.h"
#include "store/DatabaseFileCheck.h"
#include "store/DiaryStore.h"
#include "store/PlannerStore.h"
#include "store/SettingsStore.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace tolvane {

namespace fs = std::filesystem;

namespace {

constexpr const char* kAppTables[] = {"Personal_Profile", "Menu_Folder", "Favorite_Menufolder",
                                      "edit_product_consumption"};
// Without these the catalogue screens have nothing to show, for good.
constexpr const char* kCatalogueTables[] = {"ProductsTable", "Categories", "Timestamp", "Settings"};
constexpr const char* kJournalSuffixes[] = {"-journal", "-wal", "-shm"};
// Room beyond the copy itself for its journal's first writes.
constexpr std::uintmax_t kSpareBytes = 1 << 20;

// Flushes a file or folder to the disk; false when that fails.
bool syncPath(const fs::path& path, bool folder) {
    const int fd = ::open(path.c_str(), folder ? O_RDONLY | O_DIRECTORY : O_RDWR);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// "Tolvane.db.replaced-20261207-015500", numbered when that name is taken.
fs::path setAsideName(const fs::path& target) {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &utc);
    const std::string base = target.string() + ".replaced-" + stamp;
    fs::path name = base;
    std::error_code ec;
    for (int n = 2; fs::exists(name, ec); ++n)
        name = base + "-" + std::to_string(n);
    return name;
}

// Puts the shipped file at the documents path through a temporary file, flushed before and
// after the rename, so that neither a failed copy nor a power cut leaves half a database.
// An existing file is moved to setAside (when given) with its journal; otherwise only a stale
// journal is removed, which would be rolled back into the new copy.
bool copyShippedFile(const StoreLocations& locations, const fs::path& setAside, std::string* error,
                     bool* noSpace) {
    std::error_code ec;
    const fs::path source = locations.shippedDatabasePath();
    const fs::path target = locations.databasePath();
    const fs::path temporary = target.string() + ".copying";
    const fs::path folder = target.parent_path();
    // A full disk does not always fail as one (a copy can end in an I/O error): what the user
    // must do is told by the space left.
    auto tooLittleSpace = [&] {
        std::error_code ignored;
        const auto needed = fs::file_size(source, ignored);
        const auto space = fs::space(folder, ignored);
        return !ignored && space.available < needed + kSpareBytes;
    };
    auto fail = [&](const std::string& message) {
        if (error) *error = message;
        if (noSpace) *noSpace = tooLittleSpace();
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    };
    if (!fs::is_regular_file(source, ec))
        return fail("The shipped database " + source.string() + " does not exist.");
    fs::create_directories(folder, ec);
    if (ec) return fail(ec.message());
    fs::remove(temporary, ec);
    if (tooLittleSpace())
        return fail(std::make_error_code(std::errc::no_space_on_device).message());
    fs::copy_file(source, temporary, fs::copy_options::overwrite_existing, ec);
    if (ec) return fail(ec.message());
    if (!syncPath(temporary, false) || !syncPath(folder, true))
        return fail("The copy could not be written to the disk.");
    if (!setAside.empty()) {
        fs::rename(target, setAside, ec);
        if (ec) return fail(ec.message());
        for (const char* suffix : kJournalSuffixes) {
            std::error_code ignored;
            if (fs::exists(target.string() + suffix, ignored))
                fs::rename(target.string() + suffix, setAside.string() + suffix, ignored);
        }
    } else {
        for (const char* suffix : kJournalSuffixes)
            fs::remove(target.string() + suffix, ec);
    }
    ec.clear();
    fs::rename(temporary, target, ec);
    if (ec) return fail(ec.message());
    syncPath(folder, true);
    return true;
}

// Whether two files hold the same bytes.
bool sameContent(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::file_size(a, ec) != fs::file_size(b, ec) || ec) return false;
    std::ifstream first(a, std::ios::binary), second(b, std::ios::binary);
    std::array<char, 65536> x{}, y{};
    while (first && second) {
        first.read(x.data(), x.size());
        second.read(y.data(), y.size());
        if (first.gcount() != second.gcount() ||
            !std::equal(x.begin(), x.begin() + first.gcount(), y.begin()))
            return false;
    }
    return first.eof() && second.eof();
}

bool hasAll(const DatabaseFileCheck& check, const auto& tables) {
    for (const char* table : tables)
        if (!check.has(table)) return false;
    return true;
}

bool hasAllAppTables(Database& database) {
    for (const char* table : kAppTables)
        if (!database.tableExists(table)) return false;
    return true;
}

// Creates and seeds every application table that is missing, all or nothing: a table whose
// seed rows could not be written is not kept, or it would count as seeded at every later start.
bool seedMissingTables(Database& database) {
    // Nothing to write: a read-only file with every table is fine as it is.
    if (hasAllAppTables(database)) return true;
    return database.runInCheckedTransaction([&database] {
        SettingsStore settings(database);
        PlannerStore planner(database);
        if (!database.tableExists("Personal_Profile")) {
            settings.createPersonalProfileTable();
            settings.InsertIntoPersonalProfileTable();
        }
        if (!database.tableExists("Menu_Folder")) {
            planner.createMenu_FolderTable();
            planner.insertIntoMenu_FolderTableStarted("0", "Menu List Item 2", "0", FolderId{1},
                                                      "1");
            planner.insertIntoMenu_FolderTableStarted("1", "Menu List Item 3", "0", FolderId{2},
                                                      "1");
            planner.insertIntoMenu_FolderTableStarted("2", "Menu List Item 4", "0", FolderId{3},
                                                      "1");
            planner.insertIntoMenu_FolderTableStarted("3", "Menu List Item 1", "0", FolderId{4},
                                                      "1");
        }
        if (!database.tableExists("Favorite_Menufolder")) planner.createFavorite_MenufolderTable();
        if (!database.tableExists("edit_product_consumption"))
            planner.createEdit_ConsumptionTable();
        return hasAllAppTables(database);
    });
}

MigrationResult problem(MigrationResult::Problem kind, std::string message, Log& log) {
    MigrationResult result;
    result.problem = kind;
    result.message = std::move(message);
    log.warn(result.message);
    return result;
}

} // namespace

bool copyDatabaseIfMissing(const StoreLocations& locations, std::string* error) {
    std::error_code ec;
    if (fs::exists(locations.databasePath(), ec)) return true;
    return copyShippedFile(locations, {}, error, nullptr);
}

MigrationResult createEditableCopyOfDatabaseIfNeeded(const StoreLocations& locations,
                                                     UserDefaults& defaults, Log& log,
                                                     MigrationOptions options) {
    using Problem = MigrationResult::Problem;
    const bool copiedDatabase = AppDefaults(defaults).copiedNewDatabase();
    const bool copiedFolders = AppDefaults(defaults).copiedNewFolderDatabase();
    const std::string path = locations.databasePath();

    // A file that cannot be read is kept whatever it holds: only a file read to the end can
    // be judged as lacking something.
    const DatabaseFileCheck check = DatabaseFileCheck::of(path, options.lockWait);
    if (check.state == DatabaseFileCheck::State::Locked)
        return problem(Problem::Locked,
                       path + " is locked by another program (" + check.error + "); kept as it is",
                       log);
    if (check.state == DatabaseFileCheck::State::Corrupt)
        return problem(Problem::Corrupt,
                       path + " cannot be read (" + check.error + "); kept as it is", log);
    if (check.state == DatabaseFileCheck::State::JournalBlocked)
        return problem(Problem::JournalBlocked,
                       path +
                           " has a journal left beside it that only a writable folder lets "
                           "SQLite finish (" +
                           check.error + "); kept as it is",
                       log);

    std::string reason;
    if (check.state == DatabaseFileCheck::State::Missing)
        reason = "missing";
    else if (!hasAll(check, kCatalogueTables))
        reason = "without the catalogue tables";
    // An installation that already holds its planner and profile tables keeps its data.
    else if (!(copiedDatabase && copiedFolders) && !hasAll(check, kAppTables))
        reason = "from an older version";

    // A copy that still is the shipped file (the first copy of a fresh installation) is what
    // copying again would give; there is nothing to set aside.
    if (!reason.empty() && check.state != DatabaseFileCheck::State::Missing &&
        sameContent(path, locations.shippedDatabasePath()))
        reason.clear();

    MigrationResult result;
    if (!reason.empty()) {
        const fs::path aside =
            check.state == DatabaseFileCheck::State::Missing ? fs::path() : setAsideName(path);
        std::string error;
        bool noSpace = false;
        if (!copyShippedFile(locations, aside, &error, &noSpace)) {
            MigrationResult failed = problem(
                noSpace ? Problem::NoSpace : Problem::CopyFailed,
                "Failed to create writable database file with message '" + error + "'.", log);
            failed.detail = error;
            return failed;
        }
        if (!aside.empty()) {
            result.setAside = aside.string();
            log.warn("Database " + reason + " replaced by the shipped file; the old file is " +
                      result.setAside);
        }
    }
    AppDefaults(defaults).setCopiedNewDatabase(true);

    const bool writable = databaseWritable(locations.documentsDir, path);
    Database database(path, log);
    if (!seedMissingTables(database)) {
        result = problem(writable ? Problem::SeedFailed : Problem::ReadOnly,
                         "Failed to create the application tables in " + path, log);
        return result;
    }
    AppDefaults(defaults).setCopiedNewFolderDatabase(true);
    // The diary's own tables, at their version; without them only the diary cannot be used.
    if (writable && !DiaryStore(database).createTables())
        log.write("The diary's tables could not be created in " + path);
    result.ok = true;
    if (!writable) {
        result.problem = Problem::ReadOnly;
        result.message = path + " cannot be written; changes are not kept";
        log.warn(result.message);
    }
    return result;
}

} // namespace tolvane
