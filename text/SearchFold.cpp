#include "text/SearchFold.h"

#include "text/Utf8.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <array>
#include <optional>
#include <unicode/uscript.h>

namespace tolvane {

namespace {

// Latin letters that have no decomposition to take their mark from.
const char16_t* baseOf(UChar32 c) {
    switch (c) {
    case 0x00F8:
        return u"o"; // ø
    case 0x0142:
        return u"l"; // ł
    case 0x0111:
        return u"d"; // đ
    case 0x0153:
        return u"oe"; // œ
    case 0x00E6:
        return u"ae"; // æ
    case 0x2019:
    case 0x2018:
    case 0x02BC:
        return u"'";
    default:
        return nullptr;
    }
}

constexpr UChar32 kCyrillicE = 0x0435;
constexpr UChar32 kDiaeresis = 0x0308;

std::string foldWithIcu(std::string_view text) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status)) return std::string(text);
    // Decomposed before and after folding: a folded letter may decompose (İ to i and a dot).
    icu::UnicodeString s = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    s = nfd->normalize(s, status);
    s.foldCase(U_FOLD_CASE_DEFAULT);
    s = nfd->normalize(s, status);
    if (U_FAILURE(status)) return std::string(text);

    icu::UnicodeString bare;
    bool afterLatin = false;
    UChar32 base = 0;
    for (int32_t at = 0; at < s.length();) {
        const UChar32 c = s.char32At(at);
        at += U16_LENGTH(c);
        if (u_getCombiningClass(c) != 0 || u_charType(c) == U_NON_SPACING_MARK) {
            if (afterLatin || (base == kCyrillicE && c == kDiaeresis)) continue;
            bare.append(c);
            continue;
        }
        base = c;
        UErrorCode scriptStatus = U_ZERO_ERROR;
        afterLatin = uscript_getScript(c, &scriptStatus) == USCRIPT_LATIN;
        if (const char16_t* replaced = baseOf(c))
            bare.append(replaced);
        else
            bare.append(c);
    }
    bare = nfc->normalize(bare, status);
    std::string out;
    bare.toUTF8String(out);
    return out;
}

// Latin, Greek and Cyrillic letters one by one, made once: a text of letters without marks folds
// as its letters do, and names are mostly such texts. Nothing for a letter whose folding leaves a
// mark, which then depends on the letters around it.
constexpr char32_t kTableEnd = 0x530;
struct LetterTable {
    std::array<std::optional<std::string>, kTableEnd> folded;
    LetterTable() {
        for (char32_t c = 0x80; c < kTableEnd; ++c) {
            std::string letter;
            appendUtf8(letter, c);
            if (u_getCombiningClass(static_cast<UChar32>(c)) != 0 ||
                u_charType(static_cast<UChar32>(c)) == U_NON_SPACING_MARK)
                continue;
            std::string out = foldWithIcu(letter);
            bool marks = false;
            for (std::size_t at = 0; at < out.size();)
                marks = marks || u_getCombiningClass(static_cast<UChar32>(nextCodePoint(out, at)));
            if (!marks) folded[c] = std::move(out);
        }
    }
};

} // namespace

std::string foldForSearch(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    static const LetterTable table;
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte < 0x80) {
            out += static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte);
            ++at;
            continue;
        }
        const char32_t c = nextCodePoint(text, at);
        if (c >= kTableEnd || !table.folded[c]) return foldWithIcu(text);
        out += *table.folded[c];
    }
    return out;
}

} // namespace tolvane
