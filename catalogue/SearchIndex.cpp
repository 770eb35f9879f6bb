#include "catalogue/SearchIndex.h"

#include "catalogue/TwoHalves.h"

#include "format/Gtin.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"
#include "text/IntegerValue.h"
#include "text/SearchFold.h"
#include "text/Utf8.h"

#include <algorithm>
#include <array>
#include <limits>
#include <stdexcept>
#include <unordered_map>

namespace tolvane {

namespace {
bool isAscii(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// Appends text folded for search. A text of ASCII and the Latin-1 letters (U+00C0 to U+00FF)
// alone, as most names are, folds character by character (there is no mark to compose or take
// off across characters), from a table folded once; any other goes through foldForSearch whole.
void appendFolded(std::string& out, std::string_view text) {
    // By character: ASCII, then U+00C0 to U+00FF; empty where the fold is not one ASCII byte.
    struct Table {
        char ascii[128];
        std::string latin1[64];
    };
    static const Table table = [] {
        Table t{};
        for (int c = 0; c < 128; ++c) {
            const std::string folded = foldForSearch(std::string(1, static_cast<char>(c)));
            t.ascii[c] = folded.size() == 1 && static_cast<unsigned char>(folded[0]) < 0x80
                             ? folded[0]
                             : '\x80';
        }
        for (int c = 0; c < 64; ++c)
            t.latin1[c] = foldForSearch(std::string{'\xC3', static_cast<char>(0x80 + c)});
        return t;
    }();
    const std::size_t start = out.size();
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto c = static_cast<unsigned char>(text[at]);
        if (c < 0x80 && table.ascii[c] != '\x80') {
            out.push_back(table.ascii[c]);
        } else if (c == 0xC3 && at + 1 < text.size() && isContinuationByte(text[at + 1])) {
            out += table.latin1[static_cast<unsigned char>(text[++at]) & 0x3F];
        } else {
            out.resize(start);
            out += foldForSearch(text);
            return;
        }
    }
}
} // namespace

SearchIndex::SearchIndex(const PackedRows& rows, const std::atomic<bool>* stop)
    : marks_(rows.size(), 0), foldedBits_((rows.size() + 63) / 64, 0),
      ranks_(foldedBits_.size(), 0) {
    // A large list is folded in two halves that meet at a word of foldedBits_.
    Part parts[2];
    const std::size_t middle = (rows.size() / 2) & ~std::size_t{63};
    if (rows.size() < 50000) {
        fold(rows, 0, rows.size(), parts[0], stop);
    } else {
        inTwoHalves(middle, rows.size(), [&](std::size_t first, std::size_t last) {
            fold(rows, first, last, parts[first == 0 ? 0 : 1], stop);
        });
    }
    // Copied into room of their exact size: held for long.
    const std::size_t bytes = parts[0].text.size() + parts[1].text.size();
    if (bytes > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("SearchIndex: more than 4 GiB of text");
    text_.reserve(bytes);
    ends_.reserve(parts[0].ends.size() + parts[1].ends.size());
    for (Part& part : parts) {
        const auto shift = static_cast<std::uint32_t>(text_.size());
        text_ += part.text;
        for (const Ends ends : part.ends)
            ends_.push_back({ends.nameEnd + shift, ends.makerEnd + shift});
        part = Part{};
    }
    std::uint32_t before = 0;
    for (std::size_t word = 0; word < foldedBits_.size(); ++word) {
        ranks_[word] = before;
        before += static_cast<std::uint32_t>(__builtin_popcountll(foldedBits_[word]));
    }
}

void SearchIndex::fold(const PackedRows& rows, std::size_t first, std::size_t last, Part& part,
                       const std::atomic<bool>* stop) {
    // The bit of each byte that is an ASCII letter.
    static const auto bits = [] {
        std::array<std::uint32_t, 256> letterBits{};
        for (int c = 'a'; c <= 'z'; ++c)
            letterBits[c] = letterBits[c - 'a' + 'A'] = 1u << (c - 'a');
        return letterBits;
    }();
    const auto addLetters = [this](std::size_t row, std::string_view text) {
        std::uint32_t letters = 0;
        for (const char c : text)
            letters |= bits[static_cast<unsigned char>(c)];
        marks_[row] |= letters;
    };
    for (std::size_t at = first; at < last; ++at) {
        if (stop && at % 4096 == 0 && stop->load(std::memory_order_relaxed)) throw Stopped();
        const bool nameAsIs = isAscii(rows.name(at));
        const bool makerAsIs = isAscii(rows.maker(at));
        const std::size_t begin = part.text.size();
        if (!nameAsIs) appendFolded(part.text, rows.name(at));
        const std::size_t nameEnd = part.text.size();
        if (!makerAsIs) appendFolded(part.text, rows.maker(at));
        if (part.text.size() > std::numeric_limits<std::uint32_t>::max())
            throw std::length_error("SearchIndex: more than 4 GiB of text");
        addLetters(at, std::string_view(part.text).substr(begin));
        if (nameAsIs) addLetters(at, rows.name(at));
        if (makerAsIs) addLetters(at, rows.maker(at));
        if (nameAsIs && makerAsIs) continue;
        marks_[at] |= (nameAsIs ? 0 : kNameFolded) | (makerAsIs ? 0 : kMakerFolded);
        foldedBits_[at / 64] |= std::uint64_t{1} << (at % 64);
        part.ends.push_back(
            {static_cast<std::uint32_t>(nameEnd), static_cast<std::uint32_t>(part.text.size())});
    }
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
    const bool read = CatalogueStore(database).selectProductGtins(
        [&](std::string_view id, std::string_view text) {
            const auto gtin = readGtin(text);
            const std::optional<std::uint64_t> code = gtin ? gtin->value : shortCodeKey(text);
            if (!code) return;
            if (const auto number = canonicalNumber(id)) {
                const auto row = std::lower_bound(byNumber.begin(), byNumber.end(),
                                                  std::make_pair(*number, std::uint32_t{0}));
                if (row != byNumber.end() && row->first == *number) {
                    gtins.emplace_back(*code, row->second);
                    return;
                }
            }
            if (const auto row = byText.find(std::string(id)); row != byText.end())
                gtins.emplace_back(*code, row->second);
        });
    if (!read) return;
    read_ = true;
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
