#include "FolderName.h"

#include "text/SearchFold.h"

namespace tolvane {

std::string folderDisplayName(const FolderRow& folder, const Strings& strings) {
    return folder.isLocalized() ? strings.text(folder.name) : folder.name;
}

bool sameFolderName(std::string_view a, std::string_view b) {
    return foldForSearch(a) == foldForSearch(b);
}

} // namespace tolvane
