#include "catalogue/SearchIndex.h"

#include "format/Gtin.h"
#include "store/Database.h"
#include "text/SearchFold.h"

#include <algorithm>
#include <charconv>
#include <unordered_map>

namespace tolvane {

SearchIndex::SearchIndex(const PackedRows& rows) {
    text_.reserve(rows.textBytes());
    ends_.reserve(rows.size());
    for (std::size_t at = 0; at < rows.size(); ++at) {
        text_ += foldForSearch(rows.name(at));
        const auto nameEnd = static_cast<std::uint32_t>(text_.size());
        text_ += foldForSearch(rows.maker(at));
        ends_.emplace_back(nameEnd, static_cast<std::uint32_t>(text_.size()));
    }
    text_.shrink_to_fit();
}

void SearchIndex::readGtins(Database& database, const PackedRows& rows) {
    // The rows by identifier, for the time of the reading: numbers sorted, other texts hashed.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> byNumber;
    std::unordered_map<std::string, std::uint32_t> byText;
    byNumber.reserve(rows.size());
    for (std::size_t at = 0; at < rows.size(); ++at) {
        if (const auto number = rows.idNumber(at))
            byNumber.emplace_back(*number, static_cast<std::uint32_t>(at));
        else
            byText.emplace(rows.recordId(at), static_cast<std::uint32_t>(at));
    }
    std::sort(byNumber.begin(), byNumber.end());
    gtins_.clear();
    const bool read = database.selectProductGtins([&](std::string_view id, std::string_view text) {
        const auto code = readGtin(text);
        if (!code) return;
        std::uint32_t number = 0;
        const auto [end, error] = std::from_chars(id.data(), id.data() + id.size(), number);
        if (error == std::errc() && end == id.data() + id.size() &&
            (id.size() == 1 || id.front() != '0')) {
            const auto row = std::lower_bound(byNumber.begin(), byNumber.end(),
                                              std::make_pair(number, std::uint32_t{0}));
            if (row != byNumber.end() && row->first == number) {
                gtins_.emplace_back(code->value, row->second);
                return;
            }
        }
        if (const auto row = byText.find(std::string(id)); row != byText.end())
            gtins_.emplace_back(code->value, row->second);
    });
    if (!read) gtins_.clear();
    std::sort(gtins_.begin(), gtins_.end());
    gtins_.shrink_to_fit();
}

std::vector<std::uint32_t> SearchIndex::rowsWithGtin(std::uint64_t value) const {
    std::vector<std::uint32_t> found;
    for (auto at = std::lower_bound(gtins_.begin(), gtins_.end(), std::make_pair(value, 0u));
         at != gtins_.end() && at->first == value; ++at)
        found.push_back(at->second);
    return found;
}

} // namespace tolvane
