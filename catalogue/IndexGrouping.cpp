#include "IndexGrouping.h"

#include "text/Utf8.h"

#include <map>
#include <string_view>

namespace tolvane {
namespace {

// Upper case for the scripts product names are written in (Latin, Greek, Cyrillic); the
// locale must not matter here, so no C library case mapping.
char32_t upperCase(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    if (c == 0xFF) return 0x178;
    if (c == 0x131) return 'I';
    if (c == 0x17F) return 'S';
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c & ~char32_t(1);
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c % 2 == 0) ? c - 1 : c;
    if (c == 0x3C2) return 0x3A3;
    if (c >= 0x3B1 && c <= 0x3C9) return c - 0x20;
    if (c >= 0x430 && c <= 0x44F) return c - 0x20;
    if (c >= 0x450 && c <= 0x45F) return c - 0x50;
    return c;
}

// The base letter of an upper-cased accented Latin letter, so that "É" and "Ĺ" stand under "E"
// and "L" as the umlauts do; a small table for Latin-1 and Latin Extended-A ("." keeps the
// character). Cyrillic "Ё" (and "Ѐ", "Ѝ") stand under "Е" ("И"), as Russian indexes file them.
char32_t baseLetter(char32_t c) {
    static constexpr std::string_view latin1 = "AAAAAAACEEEEIIIIDNOOOOO.OUUUUY..";
    static constexpr std::string_view extendedA =
        "AAAAAACCCCCCCCDDDDEEEEEEEEEEGGGGGGGGHHHHIIIIIIIIIIIIJJKKKLLLLLLLLLLNNNNNNNNNOOOOOOOORRRRR"
        "RSSSSSSSSTTTTTTUUUUUUUUUUUUWWYYYZZZZZZS";
    char base = '.';
    if (c >= 0xC0 && c < 0xE0) base = latin1[c - 0xC0];
    if (c >= 0x100 && c < 0x180) base = extendedA[c - 0x100];
    if (base != '.') return static_cast<char32_t>(base);
    if (c == 0x400 || c == 0x401) return 0x415;
    if (c == 0x40D) return 0x418;
    return c;
}

void replaceAll(std::string& s, const std::string& from, const std::string& to) {
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
}

bool isBlankKey(const std::string& key) {
    return !key.empty() && key[0] == ' ';
}

bool isLetterKey(const std::string& key) {
    return !key.empty() && static_cast<unsigned char>(key[0]) > 64;
}

} // namespace

std::string indexKeyOf(std::string_view name) {
    if (name.empty()) return " ";
    std::size_t at = 0;
    const char32_t first = nextCodePoint(name, at);
    std::string key;
    if (first == 0xDF) {
        key = "SS";
    } else if (first == kNotUtf8) {
        key = std::string(name.substr(0, 1)); // not a character; keep the byte
    } else {
        appendUtf8(key, baseLetter(upperCase(first)));
    }
    replaceAll(key, "SS", "S");
    replaceAll(key, "|", " ");
    return key;
}

std::string sortKeyOf(std::string_view name) {
    std::string key;
    key.reserve(name.size());
    for (std::size_t at = 0; at < name.size();) {
        const char32_t c = nextCodePoint(name, at);
        if (c == 0xDF)
            key += "SS";
        else if (c != kNotUtf8)
            appendUtf8(key, baseLetter(upperCase(c)));
    }
    return key;
}

namespace {

template <class Positions>
IndexGrouping group(const PackedRows& rows, const Positions& positions, BlankKeys blanks) {
    // std::map keeps the keys in byte order, which for UTF-8 is character-code order.
    using Bucket = std::vector<std::uint32_t>;
    std::map<std::string, Bucket> buckets;
    // A key depends on the name's first character alone: one look-up per character below U+0800
    // (ASCII and the two-byte sequences: Latin, Greek, Cyrillic), not per row.
    std::vector<Bucket*> known(0x800, nullptr);
    for (const std::uint32_t at : positions) {
        const std::string_view name = rows.name(at);
        std::size_t first = 0x800; // none known
        if (!name.empty()) {
            const auto lead = static_cast<unsigned char>(name[0]);
            if (lead < 0x80)
                first = lead;
            else if (lead >= 0xC2 && lead <= 0xDF && name.size() > 1 && isContinuationByte(name[1]))
                first = ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(name[1]) & 0x3Fu);
        }
        Bucket* bucket = nullptr;
        if (first < known.size()) {
            if (known[first] == nullptr) known[first] = &buckets[indexKeyOf(name)];
            bucket = known[first];
        } else {
            bucket = &buckets[indexKeyOf(name)];
        }
        bucket->push_back(at);
    }

    IndexGrouping result;
    for (const auto& [key, bucket] : buckets)
        result.indexLetters.push_back(key);

    auto firstLetter = buckets.end();
    bool nonLetterKeys = false;
    for (auto it = buckets.begin(); it != buckets.end(); ++it) {
        if (blanks == BlankKeys::Hidden && isBlankKey(it->first)) continue;
        if (isLetterKey(it->first)) {
            firstLetter = it;
            break;
        }
        nonLetterKeys = true;
    }

    if (firstLetter == buckets.end()) {
        // Nothing but digits, signs and blanks: each key is its own section, no "#".
        for (auto& [key, bucket] : buckets)
            result.displayList.push_back(ProductSection{key, std::move(bucket)});
        return result;
    }

    ProductSection hash{"#", {}};
    for (auto it = buckets.begin(); it != firstLetter; ++it) {
        if (blanks == BlankKeys::Hidden && isBlankKey(it->first)) continue;
        hash.rows.insert(hash.rows.end(), it->second.begin(), it->second.end());
    }
    for (auto it = firstLetter; it != buckets.end(); ++it)
        result.displayList.push_back(ProductSection{it->first, std::move(it->second)});

    const auto skipped = static_cast<std::size_t>(std::distance(buckets.begin(), firstLetter));
    if (skipped > 0) {
        result.indexLetters.erase(result.indexLetters.begin(),
                                  result.indexLetters.begin() + static_cast<long>(skipped));
        if (nonLetterKeys) result.indexLetters.push_back("#");
    }
    if (!hash.rows.empty()) result.displayList.push_back(std::move(hash));
    return result;
}

// The positions 0 to count, without holding them.
struct AllRows {
    struct Iterator {
        std::uint32_t at;
        std::uint32_t operator*() const { return at; }
        Iterator& operator++() {
            ++at;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return at != other.at; }
    };
    std::size_t count;
    Iterator begin() const { return {0}; }
    Iterator end() const { return {static_cast<std::uint32_t>(count)}; }
};

} // namespace

IndexGrouping groupUnderIndexLetters(const PackedRows& rows, BlankKeys blanks) {
    return group(rows, AllRows{rows.size()}, blanks);
}

IndexGrouping groupUnderIndexLetters(const PackedRows& rows,
                                     const std::vector<std::uint32_t>& positions,
                                     BlankKeys blanks) {
    return group(rows, positions, blanks);
}

} // namespace tolvane
