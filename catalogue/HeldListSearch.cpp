#include "catalogue/HeldListSearch.h"

#include "catalogue/TwoHalves.h"

#include "store/LikePattern.h"
#include "text/SearchFold.h"
#include "text/Utf8.h"

#include <algorithm>
#include <iterator>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tolvane {

namespace {

// Where folding can make a hit of SQLite's rule miss, that rule is asked as well: "_" against a
// character folded to two ("Stra_e", "Straße"), a mark standing first in the pattern, text that
// is not UTF-8, and "<", "=", ">" that compose with a following stroke.
bool needsStoreRule(const std::string& typed) {
    for (char c : typed)
        if (c == '_' || c == '<' || c == '=' || c == '>' || static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

// The longest run of the pattern without a wildcard, ASCII lower-cased: every text the pattern
// matches holds its bytes, as LikePattern compares a character but for ASCII case only with
// itself. Empty where the pattern has none.
std::string longestLiteral(std::string_view pattern) {
    std::string_view longest;
    for (std::size_t at = 0; at <= pattern.size();) {
        std::size_t end = pattern.find_first_of("%_", at);
        if (end == std::string_view::npos) end = pattern.size();
        if (end - at > longest.size()) longest = pattern.substr(at, end - at);
        at = end + 1;
    }
    std::string literal(longest);
    for (char& c : literal)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return literal;
}

// Below this many rows a second thread costs more than it saves.
constexpr std::size_t kHalvesFrom = 50000;

using Positions = std::vector<std::uint32_t>;

// The store's rule is only asked of names and makers beyond ASCII (those with a folded copy): an
// ASCII text it matches holds the typed text's characters as ASCII, whose folded form is the same
// text ASCII lower-cased, which the folded rule matches as well.
struct Query {
    Query(const PackedRows& list, const SearchIndex& folded, const std::string& typed)
        : list(list), folded(folded), foldedTyped(foldForSearch(typed) + "%"), pattern(foldedTyped),
          literal(longestLiteral(foldedTyped)), storeRule(needsStoreRule(typed)),
          stored(storeRule ? typed + "%" : std::string()),
          storedLiteral(storeRule ? longestLiteral(typed) : std::string()) {}

    bool matches(std::size_t row) const {
        const bool nameFolded = folded.nameFolded(row);
        const bool makerFolded = folded.makerFolded(row);
        if (!nameFolded && !makerFolded)
            return pattern.matches(list.name(row)) || pattern.matches(list.maker(row));
        const std::size_t entry = folded.firstFoldedFrom(row);
        return pattern.matches(folded.name(list, row, entry)) ||
               pattern.matches(folded.maker(list, row, entry)) ||
               (storeRule && ((nameFolded && stored.matches(list.name(row))) ||
                              (makerFolded && stored.matches(list.maker(row)))));
    }

    const PackedRows& list;
    const SearchIndex& folded;
    const std::string foldedTyped;
    const LikePattern pattern;
    const std::string literal; // the longest run without wildcards of pattern
    const bool storeRule;
    const LikePattern stored;
    const std::string storedLiteral;
};

char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Whether text is the (lower-cased) literal but for the case of ASCII letters.
bool sameAscii(std::string_view text, std::string_view literal) {
    for (std::size_t i = 0; i < literal.size(); ++i) {
        const char c = text[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != literal[i])
            return false;
    }
    return true;
}

// The first position from at on, before end, where the literal's first two bytes stand (ASCII
// letters in either case), and its last byte where it has more than two; end where there is
// none. Sixteen positions at a time where the processor can.
std::size_t findCandidate(std::string_view text, std::size_t at, std::size_t end,
                          std::string_view literal) {
    const char* data = text.data();
    const char lower0 = literal[0];
    const char upper0 = upperAscii(lower0);
    const bool two = literal.size() > 1;
    const char lower1 = two ? literal[1] : '\0';
    const char upper1 = upperAscii(lower1);
#if defined(__SSE2__)
    const std::size_t lastAt = literal.size() > 2 ? literal.size() - 1 : 0;
    const __m128i l0 = _mm_set1_epi8(lower0);
    const __m128i u0 = _mm_set1_epi8(upper0);
    const __m128i l1 = _mm_set1_epi8(lower1);
    const __m128i u1 = _mm_set1_epi8(upper1);
    const __m128i lz = _mm_set1_epi8(literal[lastAt]);
    const __m128i uz = _mm_set1_epi8(upperAscii(literal[lastAt]));
    const auto equal = [data](std::size_t from, __m128i lower, __m128i upper) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + from));
        return _mm_or_si128(_mm_cmpeq_epi8(bytes, lower), _mm_cmpeq_epi8(bytes, upper));
    };
    while (at + 16 + std::max<std::size_t>(lastAt, 1) <= end) {
        __m128i hit = equal(at, l0, u0);
        if (two) hit = _mm_and_si128(hit, equal(at + 1, l1, u1));
        if (lastAt > 0) hit = _mm_and_si128(hit, equal(at + lastAt, lz, uz));
        if (const int mask = _mm_movemask_epi8(hit); mask != 0)
            return at + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
        at += 16;
    }
#endif
    for (; at < end; ++at)
        if ((data[at] == lower0 || data[at] == upper0) &&
            (!two || (at + 1 < end && (data[at + 1] == lower1 || data[at + 1] == upper1))))
            return at;
    return end;
}

// Which fields of an entry a scan leaves to another.
struct Skipped {
    bool name = false;
    bool maker = false;
};

// The entries [first, last) of a text laid out as PackedRows lays out its rows (Entries:
// PackedRows or SearchIndex's folded rows) are searched for literal, a text every field the
// pattern matches holds, in one run over their text, and a row is only asked where it stands.
// rowOf gives an entry's row; skip(entry) the fields left out. Appends the rows found, ascending.
template <class Entries, class RowOf, class Skip>
void scanText(const Entries& entries, std::size_t first, std::size_t last,
              const LikePattern& pattern, std::string_view literal, RowOf rowOf, Skip skip,
              Positions& found) {
    if (first >= last) return;
    // A "%literal%" pattern is asked from where its literal stands; any other of the whole field.
    const bool contains = pattern.containedLiteral() == literal;
    const std::string_view text = entries.text();
    const bool ascii = std::all_of(literal.begin(), literal.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const std::size_t end = entries.rowEnd(last - 1);
    std::size_t at = first == 0 ? 0 : entries.rowEnd(first - 1);
    std::size_t entry = first;
    while (at < end) {
        const std::size_t candidate = findCandidate(text, at, end, literal);
        if (candidate >= end) break;
        while (entries.rowEnd(entry) <= candidate)
            ++entry;
        const Skipped skipped = skip(entry);
        const std::size_t nameBegin = entry == 0 ? 0 : entries.rowEnd(entry - 1);
        const std::size_t nameEnd = entries.nameEnd(entry);
        const std::size_t rowEnd = entries.rowEnd(entry);
        const bool inName = candidate < nameEnd;
        if (contains && ascii) {
            // An ASCII literal is a hit wherever its bytes stand whole in a field searched here;
            // elsewhere the search goes on from the next byte.
            const std::size_t fieldEnd = inName ? nameEnd : rowEnd;
            if (inName ? skipped.name : skipped.maker) {
                at = fieldEnd;
            } else if (candidate + literal.size() <= fieldEnd &&
                       sameAscii(text.substr(candidate, literal.size()), literal)) {
                found.push_back(static_cast<std::uint32_t>(rowOf(entry)));
                at = rowEnd;
                ++entry;
            } else {
                at = candidate + 1;
            }
            continue;
        }
        // The literal starts a character here, and nothing before it in its field matched.
        bool hit = false;
        if (!(inName ? skipped.name : skipped.maker)) {
            const std::size_t fieldEnd = inName ? nameEnd : rowEnd;
            const std::size_t from = contains ? candidate : inName ? nameBegin : nameEnd;
            hit = pattern.matches(text.substr(from, fieldEnd - from));
        }
        if (!hit && inName && !skipped.maker)
            hit = pattern.matches(text.substr(nameEnd, rowEnd - nameEnd));
        if (hit) found.push_back(static_cast<std::uint32_t>(rowOf(entry)));
        at = rowEnd;
        ++entry;
    }
}

Positions unite(Positions a, const Positions& b) {
    if (b.empty()) return a;
    Positions both;
    both.reserve(a.size() + b.size());
    std::set_union(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(both));
    return both;
}

// Rows [first, last) of the list.
Positions findInRows(const Query& query, std::size_t first, std::size_t last) {
    Positions found;
    const bool literals =
        !query.literal.empty() && (!query.storeRule || !query.storedLiteral.empty());
    if (!literals) {
        for (std::size_t row = first; row < last; ++row)
            if (query.matches(row)) found.push_back(static_cast<std::uint32_t>(row));
        return found;
    }
    const SearchIndex& folded = query.folded;
    if (const std::string_view literal = query.pattern.containedLiteral();
        literal.size() == 1 && !query.storeRule && (literal[0] | 0x20) >= 'a' &&
        (literal[0] | 0x20) <= 'z') {
        for (std::size_t row = first; row < last; ++row)
            if (folded.holdsLetter(row, literal[0]))
                found.push_back(static_cast<std::uint32_t>(row));
        return found;
    }
    const std::size_t foldedFirst = folded.firstFoldedFrom(first);
    const std::size_t foldedLast = folded.firstFoldedFrom(last);
    // The names and makers kept folded are searched in their folded text, the others as they are.
    const auto foldedFields = [&folded](std::size_t row) {
        return Skipped{folded.nameFolded(row), folded.makerFolded(row)};
    };
    const auto self = [](std::size_t row) { return row; };
    const auto none = [](std::size_t) { return Skipped{}; };
    scanText(query.list, first, last, query.pattern, query.literal, self, foldedFields, found);
    Positions inFolded;
    std::size_t word = first / 64;
    scanText(
        folded, foldedFirst, foldedLast, query.pattern, query.literal,
        [&folded, &word](std::size_t entry) { return folded.rowOf(entry, word); }, none, inFolded);
    found = unite(std::move(found), inFolded);
    if (query.storeRule) {
        // Only the names and makers beyond ASCII, as they are.
        const auto asciiFields = [&folded](std::size_t row) {
            return Skipped{!folded.nameFolded(row), !folded.makerFolded(row)};
        };
        Positions stored;
        scanText(query.list, first, last, query.stored, query.storedLiteral, self, asciiFields,
                 stored);
        found = unite(std::move(found), stored);
    }
    return found;
}

// half(first, last) for [0, count), in two halves when count is large; the halves' positions one
// after the other.
template <class Half> Positions inHalves(std::size_t count, Half half) {
    if (count < kHalvesFrom) return half(std::size_t{0}, count);
    Positions halves[2];
    inTwoHalves(count / 2, count, [&](std::size_t first, std::size_t last) {
        halves[first == 0 ? 0 : 1] = half(first, last);
    });
    halves[0].insert(halves[0].end(), halves[1].begin(), halves[1].end());
    return std::move(halves[0]);
}

std::string withoutTrailingAny(const std::string& typed) {
    return typed.substr(0, typed.find_last_not_of('%') + 1);
}

// Whether every row now finds was found by before: now adds whole characters to before, and its
// folded form adds to before's. A pattern followed by "%" matches no text that the same pattern
// cut short does not, wildcards or not. So the folded rule's hits of now are among before's, and
// so are the store rule's: a text it matches for now it matches for before, where it was asked
// too, or else before is ASCII without "_", "<", "=" and ">", and the folded rule found the text.
bool narrows(const std::string& before, const std::string& now) {
    const auto extends = [](const std::string& longer, const std::string& shorter) {
        return longer.compare(0, shorter.size(), shorter) == 0 &&
               (longer.size() == shorter.size() || !isContinuationByte(longer[shorter.size()]));
    };
    return now.size() >= before.size() && extends(now, before) &&
           extends(foldForSearch(now), foldForSearch(before));
}

} // namespace

std::vector<std::uint32_t> findInHeldList(const PackedRows& list, const SearchIndex& folded,
                                          const std::string& typed) {
    if (folded.rowCount() != list.size()) return findInHeldList(list, SearchIndex(list), typed);
    const Query query(list, folded, typed);
    return inHalves(list.size(), [&query](std::size_t first, std::size_t last) {
        return findInRows(query, first, last);
    });
}

std::vector<std::uint32_t> findInHeldList(const PackedRows& list, const SearchIndex& folded,
                                          const std::string& typed,
                                          const std::vector<std::uint32_t>& among) {
    if (folded.rowCount() != list.size())
        return findInHeldList(list, SearchIndex(list), typed, among);
    // Among many of the list's rows, the byte search over the whole text is quicker than asking
    // each row, and finds the same rows: every hit of a narrower text is among the wider one's.
    // A plain ASCII text is found by bytes alone; a pattern asks each candidate row, so only
    // among most of the list.
    const Query query(list, folded, typed);
    const std::string_view plain = query.pattern.containedLiteral();
    const bool bytesAlone =
        !plain.empty() && !query.storeRule && std::all_of(plain.begin(), plain.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x80;
        });
    if (among.size() > list.size() / (bytesAlone ? 16 : 4))
        return inHalves(list.size(), [&query](std::size_t first, std::size_t last) {
            return findInRows(query, first, last);
        });
    return inHalves(among.size(), [&](std::size_t first, std::size_t last) {
        Positions found;
        if (first == last) return found;
        for (std::size_t i = first; i < last; ++i)
            if (query.matches(among[i])) found.push_back(among[i]);
        return found;
    });
}

PackedRows rowsAt(const PackedRows& list, const std::vector<std::uint32_t>& positions) {
    PackedRows rows;
    for (const std::uint32_t at : positions)
        rows.append(list, at);
    return rows;
}

PackedRows searchHeldList(const PackedRows& list, const SearchIndex& folded,
                          const std::string& typed) {
    return rowsAt(list, findInHeldList(list, folded, typed));
}

const std::vector<std::uint32_t>&
HeldListSearch::find(const std::shared_ptr<const PackedRows>& list,
                     const std::shared_ptr<const SearchIndex>& folded, const std::string& typed) {
    std::string now = withoutTrailingAny(typed);
    if (list_.lock() == list && folded_.lock() == folded && narrows(typed_, now)) {
        if (now != typed_) hits_ = findInHeldList(*list, *folded, typed, hits_);
    } else {
        hits_ = findInHeldList(*list, *folded, typed);
        list_ = list;
        folded_ = folded;
    }
    typed_ = std::move(now);
    return hits_;
}

} // namespace tolvane
