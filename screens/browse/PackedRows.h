// Rows of text held end to end in one buffer, with the offset where each ends. A list screen
// holds a whole catalogue's rows for as long as it lives; one string per row would cost its
// object and an allocation on top of every row's text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

class PackedRows {
public:
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        std::string_view operator*() const { return (*rows_)[at_]; }
        const_iterator& operator++() {
            ++at_;
            return *this;
        }
        const_iterator operator++(int) {
            auto before = *this;
            ++at_;
            return before;
        }
        friend bool operator==(const const_iterator&, const const_iterator&) = default;

    private:
        friend class PackedRows;
        const_iterator(const PackedRows* rows, std::size_t at) : rows_(rows), at_(at) {}
        const PackedRows* rows_ = nullptr;
        std::size_t at_ = 0;
    };

    PackedRows() = default;
    explicit PackedRows(const std::vector<std::string>& rows);

    // Room for rows rows of bytes bytes of text in all, so that filling does not move the text.
    void reserve(std::size_t rows, std::size_t bytes);
    // Throws std::length_error past 4 GiB of text, as a container past its largest size.
    void push_back(std::string_view row);
    // Gives back the room filling left over: a held list keeps no spare capacity.
    void shrink_to_fit();

    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    // Row at must exist.
    std::string_view operator[](std::size_t at) const {
        const std::size_t begin = at == 0 ? 0 : ends_[at - 1];
        return std::string_view(text_).substr(begin, ends_[at] - begin);
    }
    std::string_view back() const { return (*this)[size() - 1]; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    // The rows as separate strings, where a caller needs them so (tests, comparisons).
    std::vector<std::string> strings() const;
    // Bytes of the rows' text, and bytes the two buffers hold allocated.
    std::size_t textBytes() const { return text_.size(); }
    std::size_t capacityBytes() const {
        return text_.capacity() + ends_.capacity() * sizeof(std::uint32_t);
    }

    friend bool operator==(const PackedRows& a, const PackedRows& b) {
        return a.ends_ == b.ends_ && a.text_ == b.text_;
    }

private:
    std::string text_;
    std::vector<std::uint32_t> ends_; // where row i ends in text_; row i begins where i - 1 ends
};

} // namespace tolvane
