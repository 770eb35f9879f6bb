#include "screens/browse/PackedRows.h"

#include <limits>
#include <stdexcept>

namespace tolvane {

PackedRows::PackedRows(const std::vector<std::string>& rows) {
    std::size_t bytes = 0;
    for (const auto& row : rows)
        bytes += row.size();
    reserve(rows.size(), bytes);
    for (const auto& row : rows)
        push_back(row);
}

void PackedRows::reserve(std::size_t rows, std::size_t bytes) {
    ends_.reserve(rows);
    text_.reserve(bytes);
}

void PackedRows::push_back(std::string_view row) {
    if (row.size() > std::numeric_limits<std::uint32_t>::max() - text_.size())
        throw std::length_error("PackedRows: more than 4 GiB of text");
    text_.append(row);
    ends_.push_back(static_cast<std::uint32_t>(text_.size()));
}

void PackedRows::shrink_to_fit() {
    text_.shrink_to_fit();
    ends_.shrink_to_fit();
}

std::vector<std::string> PackedRows::strings() const {
    std::vector<std::string> out;
    out.reserve(size());
    for (const std::string_view row : *this)
        out.emplace_back(row);
    return out;
}

} // namespace tolvane
