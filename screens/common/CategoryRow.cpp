#include "screens/common/CategoryRow.h"

namespace tolvane {

std::optional<CategoryRow> CategoryRow::parse(std::string_view record) {
    const auto bar = record.find('|');
    if (bar == std::string_view::npos) return std::nullopt;
    return CategoryRow{std::string(record.substr(0, bar)), std::string(record.substr(bar + 1))};
}

} // namespace tolvane
