// Putting the database file in place and adding the application's own tables.
#pragma once

#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "store/StoreLocations.h"

#include <string>

namespace tolvane {

struct MigrationResult {
    bool ok = false;
    std::string message;
};

// Copies the shipped file to the documents directory (created when needed) unless a file is
// already there. On failure returns false and describes the cause in *error.
bool copyDatabaseIfMissing(const StoreLocations& locations, std::string* error);

// The check run at every launch, after copyDatabaseIfMissing. Replaces a documents copy that
// does not come from the current shipped file (flags "copiedNewDatabase" and
// "copiedNewFolderDatabase"), unless it already holds the application's tables, and creates and
// seeds each of Personal_Profile, Menu_Folder, Favorite_Menufolder and edit_product_consumption
// that is missing. A failed copy gives ok false with the message (also logged).
MigrationResult createEditableCopyOfDatabaseIfNeeded(const StoreLocations& locations,
                                                     UserDefaults& defaults, Log& log);

} // namespace tolvane
