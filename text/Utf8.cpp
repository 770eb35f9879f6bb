#include "text/Utf8.h"

namespace tolvane {

char32_t nextCodePoint(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    std::size_t length = 0;
    char32_t c = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
    }
    bool valid = length > 0 && at + length <= text.size();
    for (std::size_t k = 1; valid && k < length; ++k) {
        valid = isContinuationByte(text[at + k]);
        c = (c << 6) | (byte(at + k) & 0x3F);
    }
    // Overlong three- and four-byte forms, surrogates and values beyond U+10FFFF.
    if (valid && ((length == 3 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) ||
                  (length == 4 && (c < 0x10000 || c > 0x10FFFF))))
        valid = false;
    if (!valid) {
        ++at;
        return kNotUtf8;
    }
    at += length;
    return c;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();)
        if (nextCodePoint(text, at) == kNotUtf8) return false;
    return true;
}

std::size_t characterCount(std::string_view text) {
    std::size_t characters = 0;
    for (const char c : text)
        if (!isContinuationByte(c)) ++characters;
    return characters;
}

std::size_t utf16Length(std::string_view text) {
    std::size_t units = 0;
    for (std::size_t at = 0; at < text.size();) {
        const char32_t c = nextCodePoint(text, at);
        units += (c != kNotUtf8 && c > 0xFFFF) ? 2 : 1;
    }
    return units;
}

} // namespace tolvane
