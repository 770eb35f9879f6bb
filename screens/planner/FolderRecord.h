// A menu folder record read once into named fields: name|calories|sortOrder|folderId|localized.
#pragma once

#include "platform/Strings.h"

#include <string>
#include <string_view>

namespace tolvane {

struct FolderRecord {
    std::string name; // a string-table key when localized
    std::string calories;
    std::string sortOrder;
    std::string id;
    std::string localized;

    static FolderRecord parse(std::string_view record);

    bool isLocalized() const { return localized == "1"; }
    // Seed folders show the string-table text of their name, others the name as typed.
    std::string displayName(const Strings& strings) const;
    // The five fields joined again, with the given text as the name.
    std::string joined(const std::string& shownName) const;
};

} // namespace tolvane
