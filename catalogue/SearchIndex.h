// What the search of a held list needs beside its rows, made once when the list is made rather
// than on every keystroke: the names and makers folded for search (case and accents, see
// text/SearchFold.h). Only rows with a character beyond ASCII keep
// a folded copy; an ASCII text is compared as it is, as the search's comparison ignores ASCII case.
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

    // visit(position, name, maker) for each row of rows (the rows this index was made from), in
    // order, with the name and maker in their search form; any ASCII letters may still be capitals.
    template <class Visit> void forEachRow(const PackedRows& rows, Visit&& visit) const {
        std::size_t next = 0;
        for (std::size_t at = 0; at < rows.size(); ++at) {
            if (next < folded_.size() && folded_[next].row == at) {
                const Folded& f = folded_[next];
                const std::uint32_t begin = next == 0 ? 0 : folded_[next - 1].makerEnd;
                const std::string_view text(text_);
                visit(at, text.substr(begin, f.nameEnd - begin),
                      text.substr(f.nameEnd, f.makerEnd - f.nameEnd));
                ++next;
            } else {
                visit(at, rows.name(at), rows.maker(at));
            }
        }
    }

    // The rows kept folded, laid out as PackedRows lays out its rows: entry i stands for row
    // foldedRow(i), ascending.
    std::size_t foldedCount() const { return folded_.size(); }
    std::size_t foldedRow(std::size_t i) const { return folded_[i].row; }
    std::string_view text() const { return text_; }
    std::size_t nameEnd(std::size_t i) const { return folded_[i].nameEnd; }
    std::size_t rowEnd(std::size_t i) const { return folded_[i].makerEnd; }
    // The first entry of a row at or after row.
    std::size_t firstFoldedFrom(std::size_t row) const;
    std::size_t heapBytes() const { return text_.capacity() + folded_.capacity() * sizeof(Folded); }

private:
    struct Folded {
        std::uint32_t row;
        std::uint32_t nameEnd; // in text_; the name begins where the row before ends
        std::uint32_t makerEnd;
    };
    std::string text_;
    std::vector<Folded> folded_; // ascending by row
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
