#include "text/SearchFold.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/uscript.h>

namespace tolvane {

namespace {

bool isAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

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

} // namespace

std::string foldForSearch(std::string_view text) {
    if (isAscii(text)) {
        std::string out(text);
        for (char& c : out)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return out;
    }
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

} // namespace tolvane
