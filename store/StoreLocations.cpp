#include "store/StoreLocations.h"

#include <cstdlib>

namespace tolvane {

std::string StoreLocations::databasePath() const {
    return documentsDir + "/Tolvane.db";
}

std::string StoreLocations::shippedDatabasePath() const {
    return resourceDir + "/Tolvane.db";
}

std::string StoreLocations::defaultDocumentsDir() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/') return std::string(dataHome) + "/Tolvane";
    const char* home = std::getenv("HOME");
    const std::string base = home != nullptr && home[0] != '\0' ? home : ".";
    return base + "/.local/share/Tolvane";
}

} // namespace tolvane
