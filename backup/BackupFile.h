// The backup written to and read from a file.
#pragma once

#include "backup/Backup.h"

#include <string>

namespace tolvane {

// Writes the document beside the file and renames it into place, so that a failed write never
// leaves half a backup under the name. False, with error set, when it could not be done.
bool exportBackupFile(Database& database, const std::string& path, std::string* error = nullptr);

// An unreadable file is Damaged.
BackupImport importBackupFile(Database& database, const std::string& path);

} // namespace tolvane
