// Where the database file lives and where its shipped copy comes from.
#pragma once

#include <string>

namespace tolvane {

struct StoreLocations {
    std::string documentsDir;
    std::string resourceDir;

    // documentsDir + "/Tolvane.db"
    std::string databasePath() const;
    // resourceDir + "/Tolvane.db"
    std::string shippedDatabasePath() const;
    // $XDG_DATA_HOME/Tolvane, else ~/.local/share/Tolvane.
    static std::string defaultDocumentsDir();
};

} // namespace tolvane
