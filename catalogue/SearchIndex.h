// What the search of a held list needs beside its rows, made once when the list is made rather
// than on every keystroke: the names and makers folded for search (case and accents, see
// text/SearchFold.h). Only a name or maker with a character beyond ASCII keeps a folded copy; an
// ASCII text is compared as it is, as the search's comparison ignores ASCII case.
#pragma once

#include "catalogue/PackedRows.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

class Database;

class SearchIndex {
public:
    SearchIndex() = default;
    // Folds the names and makers of rows.
    explicit SearchIndex(const PackedRows& rows);

    // The rows with a folded copy, laid out as PackedRows lays out its rows: entry i stands for
    // row foldedRow(i), ascending; a name or maker kept as it is has an empty copy.
    std::size_t foldedCount() const { return folded_.size(); }
    std::size_t foldedRow(std::size_t i) const { return folded_[i].row & kRowBits; }
    std::string_view text() const { return text_; }
    std::size_t nameEnd(std::size_t i) const { return folded_[i].nameEnd; }
    std::size_t rowEnd(std::size_t i) const { return folded_[i].makerEnd; }
    bool nameAsIs(std::size_t i) const { return (folded_[i].row & kNameAsIs) != 0; }
    bool makerAsIs(std::size_t i) const { return (folded_[i].row & kMakerAsIs) != 0; }
    // Entry i's name and maker in their search form; rows: the rows this index was made from.
    std::string_view name(const PackedRows& rows, std::size_t i) const {
        if (nameAsIs(i)) return rows.name(foldedRow(i));
        const std::size_t begin = i == 0 ? 0 : folded_[i - 1].makerEnd;
        return std::string_view(text_).substr(begin, folded_[i].nameEnd - begin);
    }
    std::string_view maker(const PackedRows& rows, std::size_t i) const {
        if (makerAsIs(i)) return rows.maker(foldedRow(i));
        return std::string_view(text_).substr(folded_[i].nameEnd,
                                              folded_[i].makerEnd - folded_[i].nameEnd);
    }
    // The first entry of a row at or after row.
    std::size_t firstFoldedFrom(std::size_t row) const;
    // Whether row's name or maker in search form holds the ASCII letter (either case): a search
    // for a single letter, as the first keystroke is, needs no text.
    bool holdsLetter(std::size_t row, char letter) const {
        return (letters_[row] >> ((letter | 0x20) - 'a') & 1u) != 0;
    }
    std::size_t heapBytes() const {
        return text_.capacity() + folded_.capacity() * sizeof(Folded) +
               letters_.capacity() * sizeof(letters_[0]);
    }

private:
    // The row's number, and whether its name or its maker is kept as it is.
    static constexpr std::uint32_t kNameAsIs = 1u << 31;
    static constexpr std::uint32_t kMakerAsIs = 1u << 30;
    static constexpr std::uint32_t kRowBits = kMakerAsIs - 1;
    struct Folded {
        std::uint32_t row;
        std::uint32_t nameEnd; // in text_; the name begins where the row before ends
        std::uint32_t makerEnd;
    };
    std::string text_;
    std::vector<Folded> folded_;         // ascending by row
    std::vector<std::uint32_t> letters_; // by row: bit n for the letter 'a' + n
};

// The rows of a held list by barcode number (field24). Reading the numbers means reading every
// product's whole record, so it is done after the list is there, on the list reader.
class BarcodeIndex {
public:
    BarcodeIndex() = default;
    // The barcode numbers of the store's products, each filed under its row in rows; a number
    // that is no barcode is left out.
    BarcodeIndex(Database& database, const PackedRows& rows);

    // Positions of the rows with this barcode value, in list order.
    std::vector<std::uint32_t> rowsWith(std::uint64_t value) const;
    std::size_t heapBytes() const {
        return values_.capacity() * sizeof(values_[0]) + rows_.capacity() * sizeof(rows_[0]);
    }

private:
    // Values ascending, and the row of each.
    std::vector<std::uint64_t> values_;
    std::vector<std::uint32_t> rows_;
};

} // namespace tolvane
