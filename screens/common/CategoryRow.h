// One category as the store lists it (recordId|name); the name is a string-table key.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

struct CategoryRow {
    std::string recordId;
    std::string name;

    // None for a record without the separator.
    static std::optional<CategoryRow> parse(std::string_view record);
};

} // namespace tolvane
