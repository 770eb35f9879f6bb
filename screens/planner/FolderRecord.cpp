#include "FolderRecord.h"

#include "nutrition/NumberText.h"

namespace tolvane {

FolderRecord FolderRecord::parse(std::string_view record) {
    const auto fields = splitFields(record);
    const auto field = [&](std::size_t i) { return i < fields.size() ? fields[i] : std::string(); };
    return {field(0), field(1), field(2), field(3), field(4)};
}

std::string FolderRecord::displayName(const Strings& strings) const {
    return isLocalized() ? strings.text(name) : name;
}

std::string FolderRecord::joined(const std::string& shownName) const {
    return shownName + "|" + calories + "|" + sortOrder + "|" + id + "|" + localized;
}

} // namespace tolvane
