#include "catalogue/PackedRows.h"

#include "text/IntegerValue.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace tolvane {

PackedRows::PackedRows(const std::vector<ListRow>& rows) {
    std::size_t bytes = 0;
    for (const auto& row : rows)
        bytes += row.name.size() + row.maker.size();
    reserve(rows.size(), bytes);
    for (const auto& row : rows)
        push_back(row);
}

void PackedRows::reserve(std::size_t rows, std::size_t bytes) {
    rows_.reserve(rows);
    text_.reserve(bytes);
}

void PackedRows::push_back(std::string_view name, std::string_view maker,
                           std::string_view recordId) {
    // Only canonical digits read back as the same text. The number that marks an identifier
    // kept as text is kept as text itself.
    pushRow(name, maker, canonicalNumber(recordId).value_or(kIdAside), recordId);
}

void PackedRows::append(const PackedRows& other, std::size_t at) {
    const std::uint32_t id = other.rows_[at].id;
    pushRow(other.name(at), other.maker(at), id,
            id == kIdAside ? std::string_view(*other.asideId(at)) : std::string_view());
}

void PackedRows::pushRow(std::string_view name, std::string_view maker, std::uint32_t id,
                         std::string_view asideText) {
    if (name.size() + maker.size() > std::numeric_limits<std::uint32_t>::max() - text_.size())
        throw std::length_error("PackedRows: more than 4 GiB of text");
    const std::size_t before = text_.size();
    const std::size_t asideBefore = asideIds_.size();
    // A failed allocation leaves the rows as they were.
    try {
        text_.append(name).append(maker);
        if (id == kIdAside)
            asideIds_.emplace_back(static_cast<std::uint32_t>(rows_.size()), asideText);
        rows_.push_back(Row{static_cast<std::uint32_t>(before + name.size()),
                            static_cast<std::uint32_t>(text_.size()), id});
    } catch (...) {
        text_.resize(before);
        asideIds_.resize(asideBefore);
        throw;
    }
}

const std::string* PackedRows::asideId(std::size_t at) const {
    const auto aside =
        std::lower_bound(asideIds_.begin(), asideIds_.end(), at,
                         [](const auto& entry, std::size_t row) { return entry.first < row; });
    return aside != asideIds_.end() && aside->first == at ? &aside->second : nullptr;
}

std::string PackedRows::recordId(std::size_t at) const {
    const std::uint32_t id = rows_[at].id;
    if (id != kIdAside) return formatInt(id);
    const std::string* aside = asideId(at);
    return aside ? *aside : std::string();
}

namespace {
template <class Container> void shrinkWhenWorthIt(Container& c) {
    if (c.capacity() - c.size() > c.size() / 8) c.shrink_to_fit();
}
} // namespace

void PackedRows::shrink_to_fit() {
    shrinkWhenWorthIt(text_);
    shrinkWhenWorthIt(rows_);
    asideIds_.shrink_to_fit();
}

void PackedRows::clear() {
    text_.clear();
    rows_.clear();
    asideIds_.clear();
}

std::vector<ListRow> PackedRows::rows() const {
    std::vector<ListRow> out;
    out.reserve(size());
    for (std::size_t at = 0; at < size(); ++at)
        out.push_back(row(at));
    return out;
}

} // namespace tolvane
