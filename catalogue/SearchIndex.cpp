#include "catalogue/SearchIndex.h"

#include "format/Gtin.h"
#include "store/Database.h"
#include "text/SearchFold.h"

#include <algorithm>
#include <charconv>
#include <unordered_map>

namespace tolvane {

namespace {
bool isAscii(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}
} // namespace

SearchIndex::SearchIndex(const PackedRows& rows)
    : marks_(rows.size(), 0), foldedBits_((rows.size() + 63) / 64, 0),
      ranks_(foldedBits_.size(), 0) {
    const auto addLetters = [this](std::size_t row, std::string_view text) {
        std::uint32_t& letters = marks_[row];
        for (const char c : text) {
            const char lower = static_cast<char>(c | 0x20);
            if (lower >= 'a' && lower <= 'z') letters |= 1u << (lower - 'a');
        }
    };
    for (std::size_t at = 0; at < rows.size(); ++at) {
        if (at % 64 == 0) ranks_[at / 64] = static_cast<std::uint32_t>(ends_.size());
        const bool nameAsIs = isAscii(rows.name(at));
        const bool makerAsIs = isAscii(rows.maker(at));
        const std::size_t begin = text_.size();
        if (!nameAsIs) text_ += foldForSearch(rows.name(at));
        const auto nameEnd = static_cast<std::uint32_t>(text_.size());
        if (!makerAsIs) text_ += foldForSearch(rows.maker(at));
        addLetters(at, std::string_view(text_).substr(begin));
        if (nameAsIs) addLetters(at, rows.name(at));
        if (makerAsIs) addLetters(at, rows.maker(at));
        if (nameAsIs && makerAsIs) continue;
        marks_[at] |= (nameAsIs ? 0 : kNameFolded) | (makerAsIs ? 0 : kMakerFolded);
        foldedBits_[at / 64] |= std::uint64_t{1} << (at % 64);
        ends_.push_back({nameEnd, static_cast<std::uint32_t>(text_.size())});
    }
    text_.shrink_to_fit();
    ends_.shrink_to_fit();
}

BarcodeIndex::BarcodeIndex(Database& database, const PackedRows& rows) {
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
    std::vector<std::pair<std::uint64_t, std::uint32_t>> gtins;
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
                gtins.emplace_back(code->value, row->second);
                return;
            }
        }
        if (const auto row = byText.find(std::string(id)); row != byText.end())
            gtins.emplace_back(code->value, row->second);
    });
    if (!read) gtins.clear();
    std::sort(gtins.begin(), gtins.end());
    values_.reserve(gtins.size());
    rows_.reserve(gtins.size());
    for (const auto& [value, row] : gtins) {
        values_.push_back(value);
        rows_.push_back(row);
    }
}

std::vector<std::uint32_t> BarcodeIndex::rowsWith(std::uint64_t value) const {
    std::vector<std::uint32_t> found;
    for (auto at = std::lower_bound(values_.begin(), values_.end(), value);
         at != values_.end() && *at == value; ++at)
        found.push_back(rows_[static_cast<std::size_t>(at - values_.begin())]);
    return found;
}

} // namespace tolvane
