#include "store/Migration.h"

#include "store/Database.h"

#include <filesystem>
#include <system_error>

namespace tolvane {

namespace fs = std::filesystem;

namespace {

constexpr const char* kCopiedNewDatabase = "copiedNewDatabase";
constexpr const char* kCopiedNewFolderDatabase = "copiedNewFolderDatabase";
constexpr const char* kAppTables[] = {"Personal_Profile", "Menu_Folder", "Favorite_Menufolder",
                                      "edit_product_consumption"};

// Copies through a temporary file so that a failed copy never leaves half a database behind.
bool copyShippedFile(const StoreLocations& locations, std::string* error) {
    std::error_code ec;
    const fs::path source = locations.shippedDatabasePath();
    const fs::path target = locations.databasePath();
    const fs::path temporary = target.string() + ".copying";
    if (!fs::is_regular_file(source, ec)) {
        if (error) *error = "The shipped database " + source.string() + " does not exist.";
        return false;
    }
    fs::create_directories(target.parent_path(), ec);
    if (ec) {
        if (error) *error = ec.message();
        return false;
    }
    fs::remove(temporary, ec);
    fs::copy_file(source, temporary, fs::copy_options::overwrite_existing, ec);
    if (!ec) {
        // A journal left by the file being replaced would be rolled back into the new copy.
        for (const char* suffix : {"-journal", "-wal", "-shm"})
            fs::remove(target.string() + suffix, ec);
        ec.clear();
        fs::rename(temporary, target, ec);
    }
    if (ec) {
        if (error) *error = ec.message();
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}

bool hasAllAppTables(Database& database) {
    for (const char* table : kAppTables)
        if (!database.tableExists(table)) return false;
    return true;
}

// Creates and seeds every application table that is missing, all or nothing.
bool seedMissingTables(Database& database) {
    return database.runInTransaction([&database] {
        if (!database.tableExists("Personal_Profile")) {
            database.createPersonalProfileTable();
            database.InsertIntoPersonalProfileTable();
        }
        if (!database.tableExists("Menu_Folder")) {
            database.createMenu_FolderTable();
            database.insertIntoMenu_FolderTableStarted("0", "Menu List Item 2", "0", 1, "1");
            database.insertIntoMenu_FolderTableStarted("1", "Menu List Item 3", "0", 2, "1");
            database.insertIntoMenu_FolderTableStarted("2", "Menu List Item 4", "0", 3, "1");
            database.insertIntoMenu_FolderTableStarted("3", "Menu List Item 1", "0", 4, "1");
        }
        if (!database.tableExists("Favorite_Menufolder")) database.createFavorite_MenufolderTable();
        if (!database.tableExists("edit_product_consumption"))
            database.createEdit_ConsumptionTable();
        return hasAllAppTables(database);
    });
}

} // namespace

bool copyDatabaseIfMissing(const StoreLocations& locations, std::string* error) {
    std::error_code ec;
    if (fs::exists(locations.databasePath(), ec)) return true;
    return copyShippedFile(locations, error);
}

MigrationResult createEditableCopyOfDatabaseIfNeeded(const StoreLocations& locations,
                                                     UserDefaults& defaults, Log& log) {
    const bool copiedDatabase = defaults.boolForKey(kCopiedNewDatabase);
    const bool copiedFolders = defaults.boolForKey(kCopiedNewFolderDatabase);
    Database database(locations.databasePath(), log);

    std::error_code ec;
    const bool exists = fs::exists(locations.databasePath(), ec);
    // An installation that already holds its planner and profile tables keeps its data.
    const bool keep = exists && ((copiedDatabase && copiedFolders) || hasAllAppTables(database));
    if (!keep) {
        // The copy replaces the old file only once it is complete, so a failed copy loses
        // nothing.
        std::string error;
        if (!copyShippedFile(locations, &error)) {
            MigrationResult result;
            result.message =
                "Failed to create writable database file with message '" + error + "'.";
            log.write(result.message);
            return result;
        }
    }
    defaults.setBool(kCopiedNewDatabase, true);

    if (!seedMissingTables(database)) {
        MigrationResult result;
        result.message = "Failed to create the application tables in " + locations.databasePath();
        log.write(result.message);
        return result;
    }
    defaults.setBool(kCopiedNewFolderDatabase, true);
    return {true, {}};
}

} // namespace tolvane
