#include "FolderName.h"

namespace tolvane {

std::string folderDisplayName(const FolderRow& folder, const Strings& strings) {
    return folder.isLocalized() ? strings.text(folder.name) : folder.name;
}

} // namespace tolvane
