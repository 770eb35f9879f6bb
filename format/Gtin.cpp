#include "format/Gtin.h"

namespace tolvane {

namespace {

// The room a pasted text or a spreadsheet leaves between or around the digits: the length of the
// blank that starts at text[at] (the no-break spaces in UTF-8), 0 when none does.
std::size_t blankAt(std::string_view text, std::size_t at) {
    switch (text[at]) {
    case ' ':
    case '\t':
    case '\r':
    case '\n':
    case '\v':
    case '\f':
        return 1;
    default:
        break;
    }
    const std::string_view rest = text.substr(at);
    if (rest.starts_with("\xc2\xa0")) return 2; // no-break space
    if (rest.starts_with("\xe2\x80\xaf") || rest.starts_with("\xe2\x80\x87"))
        return 3; // narrow no-break space, figure space
    return 0;
}

} // namespace

std::optional<Gtin> readGtin(std::string_view text) {
    char digits[14];
    int count = 0;
    bool fraction = false; // past a decimal point: a number a spreadsheet wrote as "…931.0"
    bool fractionDigit = false;
    for (std::size_t at = 0; at < text.size();) {
        if (const std::size_t blank = blankAt(text, at)) {
            at += blank;
            continue;
        }
        const char c = text[at++];
        if (fraction) {
            if (c != '0') return std::nullopt;
            fractionDigit = true;
        } else if ((c == '.' || c == ',') && count > 0) {
            fraction = true;
        } else {
            if (c < '0' || c > '9' || count == 14) return std::nullopt;
            digits[count++] = c;
        }
    }
    if (fraction && !fractionDigit) return std::nullopt;
    if (count != 8 && count != 12 && count != 13 && count != 14) return std::nullopt;
    Gtin code;
    int weighted = 0; // the sum with weights 3 and 1 from the right, the check digit included
    for (int at = 0; at < count; ++at) {
        const int digit = digits[at] - '0';
        code.value = code.value * 10 + static_cast<std::uint64_t>(digit);
        weighted += digit * ((count - 1 - at) % 2 == 0 ? 1 : 3);
    }
    code.checkDigitFits = weighted % 10 == 0;
    return code;
}

std::optional<std::uint64_t> shortCodeKey(std::string_view text) {
    while (!text.empty() && blankAt(text, 0) == 1)
        text.remove_prefix(1);
    while (!text.empty() && blankAt(text, text.size() - 1) == 1)
        text.remove_suffix(1);
    if (text.size() < 3 || text.size() > 11 || text.size() == 8) return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    // Above every GTIN (below 10^14 < 2^47), with the length so that "0042" is not "042".
    return (std::uint64_t{1} << 63) | (std::uint64_t{text.size()} << 48) | value;
}

} // namespace tolvane
