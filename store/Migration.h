// Putting the database file in place and adding the application's own tables.
#pragma once

#include "platform/AppDefaults.h"
#include "platform/Log.h"
#include "store/StoreLocations.h"

#include <chrono>
#include <string>

namespace tolvane {

struct MigrationResult {
    enum class Problem {
        None,
        CopyFailed,     // the shipped file could not be put in place; detail says why
        NoSpace,        // as CopyFailed, for want of free space on the disk
        Locked,         // another program held the file locked for the whole wait; file kept
        Corrupt,        // SQLite cannot read the file; file kept as it is
        JournalBlocked, // a journal beside the file needs a writable folder; file kept as it is
        ReadOnly,       // folder or file cannot be written; what is there can still be read
        SeedFailed,     // the application's tables could not be created
    };
    // The file holds the catalogue and the application's tables.
    bool ok = false;
    Problem problem = Problem::None;
    // The log line of a problem.
    std::string message;
    // CopyFailed, NoSpace: the copy error's description.
    std::string detail;
    // Where a replaced documents copy was moved to; empty when none was replaced.
    std::string setAside;
};

struct MigrationOptions {
    // How long a file locked by another connection is waited for before giving up.
    std::chrono::milliseconds lockWait{10000};
};

// Copies the shipped file to the documents directory (created when needed) unless a file is
// already there. On failure returns false and describes the cause in *error.
bool copyDatabaseIfMissing(const StoreLocations& locations, std::string* error);

// The check run at every launch, after copyDatabaseIfMissing. A documents copy that cannot be
// read (locked, corrupt) is never touched. A copy without the catalogue tables, or one that
// lacks the application's tables and does not come from the current shipped file (flags
// "copiedNewDatabase" and "copiedNewFolderDatabase"), is replaced by the shipped file; the old
// file is moved aside ("Tolvane.db.replaced-<date>"), never deleted. Then each missing one of
// Personal_Profile, Menu_Folder, Favorite_Menufolder and edit_product_consumption is created
// and seeded.
MigrationResult createEditableCopyOfDatabaseIfNeeded(const StoreLocations& locations,
                                                     UserDefaults& defaults, Log& log,
                                                     MigrationOptions options = {});

} // namespace tolvane
