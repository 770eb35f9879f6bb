// What the search of a held list needs beside its rows, made once when the list is made rather
// than on every keystroke: each row's name and maker folded for search (case and accents, see
// text/SearchFold.h), and the rows by barcode number.
#pragma once

#include "catalogue/PackedRows.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tolvane {

class Database;

class SearchIndex {
public:
    SearchIndex() = default;
    // Folds the names and makers of rows.
    explicit SearchIndex(const PackedRows& rows);

    // Reads the barcode numbers of the store's products and files the rows of rows under them;
    // a number that is no barcode is left out.
    void readGtins(Database& database, const PackedRows& rows);

    std::size_t size() const { return ends_.size(); }
    std::string_view name(std::size_t at) const {
        const std::uint32_t begin = at == 0 ? 0 : ends_[at - 1].second;
        return std::string_view(text_).substr(begin, ends_[at].first - begin);
    }
    std::string_view maker(std::size_t at) const {
        return std::string_view(text_).substr(ends_[at].first, ends_[at].second - ends_[at].first);
    }
    // Positions of the rows with this barcode value, in list order.
    std::vector<std::uint32_t> rowsWithGtin(std::uint64_t value) const;

private:
    std::string text_;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> ends_;  // name end, maker end
    std::vector<std::pair<std::uint64_t, std::uint32_t>> gtins_; // value, row; ascending
};

} // namespace tolvane
