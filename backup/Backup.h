// The user's own data as one JSON document (the layout is described in the README): the diary,
// own products, menu folders with their items, the profile and the settings.
//
// Export reads everything first and gives nothing when a read fails. Import checks the whole
// document before it writes anything, then merges in one checked transaction: entries and own
// products already there are not added again, folders of the same name take the items they
// lack, the profile and settings are replaced. A damaged or foreign document, or any failed
// write, changes nothing.
#pragma once

#include <optional>
#include <string>

namespace tolvane {

class Database;

inline constexpr const char* kBackupFormat = "tolvane-backup";
inline constexpr int kBackupVersion = 1;

// The document; nothing (with error set) when something could not be read.
std::optional<std::string> exportBackup(Database& database, std::string* error = nullptr);

struct BackupImport {
    enum class Outcome {
        Imported,
        Damaged, // not JSON, or a part of it is missing or of the wrong kind
        Foreign, // JSON, but not a Tolvane backup
        Newer,   // a backup of a later version of the layout
        Failed,  // the file could not be written; nothing was changed
    };
    Outcome outcome = Outcome::Failed;
    std::string detail; // what was wrong, in English, for the log and the command line
    int entriesAdded = 0;
    int ownProductsAdded = 0;
    int foldersAdded = 0;
    int folderItemsAdded = 0;
    int folderItemsSkipped = 0; // products neither in the catalogue nor carried by the backup
    int productsRestored = 0;   // catalogue products this catalogue lacked, stored from the backup
};

BackupImport importBackup(Database& database, const std::string& document);

} // namespace tolvane
