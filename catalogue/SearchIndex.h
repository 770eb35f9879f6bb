// What the search of a held list needs beside its rows, made once when the list is made rather
// than on every keystroke: the names and makers folded for search (case and accents, see
// text/SearchFold.h). Only a name or maker with a character beyond ASCII keeps a folded copy; an
// ASCII text is compared as it is, as the search's comparison ignores ASCII case.
#pragma once

#include "catalogue/PackedRows.h"

#include <atomic>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

class Database;

class SearchIndex {
public:
    // Thrown when the folding was asked to stop.
    struct Stopped : std::runtime_error {
        Stopped() : std::runtime_error("SearchIndex: stopped") {}
    };

    SearchIndex() = default;
    // Folds the names and makers of rows, a large list in two halves at once (see TwoHalves.h).
    // stop, when given, is looked at every few thousand rows: once set, Stopped is thrown.
    explicit SearchIndex(const PackedRows& rows, const std::atomic<bool>* stop = nullptr);

    // The rows it was made from.
    std::size_t rowCount() const { return marks_.size(); }
    // Whether row's name, or its maker, has a folded copy.
    bool nameFolded(std::size_t row) const { return (marks_[row] & kNameFolded) != 0; }
    bool makerFolded(std::size_t row) const { return (marks_[row] & kMakerFolded) != 0; }
    // The folded copies, laid out as PackedRows lays out its rows: entry i for the i-th row with
    // a copy, whose name copy ends at nameEnd(i) and maker copy at rowEnd(i); a name or maker
    // kept as it is has an empty copy.
    std::size_t foldedCount() const { return ends_.size(); }
    std::string_view text() const { return text_; }
    std::size_t nameEnd(std::size_t i) const { return ends_[i].nameEnd; }
    std::size_t rowEnd(std::size_t i) const { return ends_[i].makerEnd; }
    // The entry of the first row with a copy at or after row.
    std::size_t firstFoldedFrom(std::size_t row) const {
        if (row >= marks_.size()) return ends_.size();
        const std::uint64_t before = foldedBits_[row / 64] & ((std::uint64_t{1} << (row % 64)) - 1);
        return ranks_[row / 64] + static_cast<std::size_t>(__builtin_popcountll(before));
    }
    // The row of entry i; word: where the last call found its row, for calls in ascending order.
    std::size_t rowOf(std::size_t i, std::size_t& word) const {
        while (word + 1 < ranks_.size() && ranks_[word + 1] <= i)
            ++word;
        std::uint64_t bits = foldedBits_[word];
        for (std::size_t skip = i - ranks_[word]; skip > 0; --skip)
            bits &= bits - 1;
        return word * 64 + static_cast<std::size_t>(__builtin_ctzll(bits));
    }
    // Row's name and maker in search form; entry: its entry if it has a copy.
    std::string_view name(const PackedRows& rows, std::size_t row, std::size_t entry) const {
        if (!nameFolded(row)) return rows.name(row);
        const std::size_t begin = entry == 0 ? 0 : ends_[entry - 1].makerEnd;
        return std::string_view(text_).substr(begin, ends_[entry].nameEnd - begin);
    }
    std::string_view maker(const PackedRows& rows, std::size_t row, std::size_t entry) const {
        if (!makerFolded(row)) return rows.maker(row);
        return std::string_view(text_).substr(ends_[entry].nameEnd,
                                              ends_[entry].makerEnd - ends_[entry].nameEnd);
    }
    // Whether row's name or maker in search form holds the ASCII letter (either case): a search
    // for a single letter, as the first keystroke is, needs no text.
    bool holdsLetter(std::size_t row, char letter) const {
        return (marks_[row] >> ((letter | 0x20) - 'a') & 1u) != 0;
    }
    std::size_t heapBytes() const {
        return text_.capacity() + ends_.capacity() * sizeof(Ends) +
               marks_.capacity() * sizeof(marks_[0]) +
               foldedBits_.capacity() * sizeof(foldedBits_[0]) +
               ranks_.capacity() * sizeof(ranks_[0]);
    }

private:
    static constexpr std::uint32_t kNameFolded = 1u << 31;
    static constexpr std::uint32_t kMakerFolded = 1u << 30;
    struct Ends {
        std::uint32_t nameEnd; // in text_; the name begins where the entry before ends
        std::uint32_t makerEnd;
    };
    // The copies of some of the rows, as they are made.
    struct Part {
        std::string text;
        std::vector<Ends> ends;
    };
    // Folds rows [first, last) into part; marks them in marks_ and foldedBits_.
    void fold(const PackedRows& rows, std::size_t first, std::size_t last, Part& part,
              const std::atomic<bool>* stop);
    std::string text_;
    std::vector<Ends> ends_;
    // By row: bit n for the letter 'a' + n, and which of its texts are folded.
    std::vector<std::uint32_t> marks_;
    // By row, 64 to a word: whether it has a copy; and the rows with one before each word.
    std::vector<std::uint64_t> foldedBits_;
    std::vector<std::uint32_t> ranks_;
};

// The rows of a held list by barcode number (field24): a GTIN by its value, a shop's short code
// by its key (format/Gtin.h). Reading the numbers means reading every
// product's whole record, so it is done after the list is there, on the list reader.
class BarcodeIndex {
public:
    BarcodeIndex() = default;
    // The barcode numbers of the store's products, each filed under its row in rows; a number
    // that is no barcode is left out. When they cannot be read the index is empty and not read().
    BarcodeIndex(Database& database, const PackedRows& rows);

    // Whether the numbers were read: an empty index that was not cannot say a code is unknown.
    bool read() const { return read_; }

    // Positions of the rows with this barcode value, in list order.
    std::vector<std::uint32_t> rowsWith(std::uint64_t value) const;
    std::size_t heapBytes() const {
        return values_.capacity() * sizeof(values_[0]) + rows_.capacity() * sizeof(rows_[0]);
    }

private:
    // Values ascending, and the row of each.
    std::vector<std::uint64_t> values_;
    std::vector<std::uint32_t> rows_;
    bool read_ = false;
};

} // namespace tolvane
