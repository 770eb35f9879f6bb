// List rows (name, maker, identifier) held end to end: the names and makers in one text buffer,
// and per row where its name and its maker end and its identifier as a number. A list screen
// holds a whole catalogue's rows for as long as it lives; a string per field would cost its
// object and an allocation on top of every field's text.
#pragma once

#include "store/Rows.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tolvane {

class PackedRows {
public:
    PackedRows() = default;
    explicit PackedRows(const std::vector<ListRow>& rows);

    // Room for rows rows of bytes bytes of names and makers in all.
    void reserve(std::size_t rows, std::size_t bytes);
    // Throws std::length_error past 4 GiB of text, as a container past its largest size.
    void push_back(std::string_view name, std::string_view maker, std::string_view recordId);
    void push_back(const ListRowView& row) { push_back(row.name, row.maker, row.recordId); }
    void push_back(const ListRow& row) { push_back(row.name, row.maker, row.recordId); }
    // Gives back the room filling left over, unless it is at most an eighth of what is used:
    // copying a whole list for that would cost more than it saves.
    void shrink_to_fit();
    void clear();

    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    // Row at must exist.
    std::string_view name(std::size_t at) const {
        const std::uint32_t begin = at == 0 ? 0 : rows_[at - 1].makerEnd;
        return std::string_view(text_).substr(begin, rows_[at].nameEnd - begin);
    }
    std::string_view maker(std::size_t at) const {
        return std::string_view(text_).substr(rows_[at].nameEnd,
                                              rows_[at].makerEnd - rows_[at].nameEnd);
    }
    // The identifier text as the store gave it.
    std::string recordId(std::size_t at) const;
    // The identifier as its number; nothing where it is kept as text.
    std::optional<std::uint32_t> idNumber(std::size_t at) const {
        if (rows_[at].id == kIdAside) return std::nullopt;
        return rows_[at].id;
    }
    ListRow row(std::size_t at) const {
        return {std::string(name(at)), std::string(maker(at)), recordId(at)};
    }

    // Copies row at of another list to the end.
    void append(const PackedRows& other, std::size_t at);
    // The rows as separate rows, where a caller needs them so (tests, comparisons).
    std::vector<ListRow> rows() const;
    // Bytes of the names and makers.
    std::size_t textBytes() const { return text_.size(); }
    // The names and makers end to end: row at's name ends at nameEnd(at), its maker follows it up
    // to rowEnd(at), and the next row's name begins there.
    std::string_view text() const { return text_; }
    std::size_t nameEnd(std::size_t at) const { return rows_[at].nameEnd; }
    std::size_t rowEnd(std::size_t at) const { return rows_[at].makerEnd; }
    // Bytes held, for the accounts of the memory a list takes.
    std::size_t heapBytes() const {
        return text_.capacity() + rows_.capacity() * sizeof(Row) +
               asideIds_.capacity() * sizeof(asideIds_[0]);
    }

    friend bool operator==(const PackedRows& a, const PackedRows& b) {
        return a.rows() == b.rows();
    }

private:
    // An identifier that is not the decimal digits of a number below this one is kept as text
    // in asideIds_ (the store holds whatever text a row was given).
    static constexpr std::uint32_t kIdAside = 0xFFFFFFFF;
    struct Row {
        std::uint32_t nameEnd;  // where the name ends in text_; it begins where the last row ends
        std::uint32_t makerEnd; // the maker follows the name
        std::uint32_t id;
    };
    void pushRow(std::string_view name, std::string_view maker, std::uint32_t id,
                 std::string_view asideText);
    const std::string* asideId(std::size_t at) const;

    std::string text_;
    std::vector<Row> rows_;
    std::vector<std::pair<std::uint32_t, std::string>> asideIds_; // by row, ascending
};

} // namespace tolvane
