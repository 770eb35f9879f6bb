// Reading UTF-8 by characters, for every library that counts, checks or changes characters rather
// than bytes. Plain C++.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tolvane {

// What nextCodePoint gives for a byte that does not start a well-formed sequence.
inline constexpr char32_t kNotUtf8 = 0xFFFFFFFF;

// Whether the byte continues a multi-byte sequence (10xxxxxx).
constexpr bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The character starting at `at`, moving `at` past it. A byte that does not start a well-formed
// sequence (a stray continuation byte, a cut, overlong or surrogate sequence, beyond U+10FFFF)
// gives kNotUtf8 and moves one byte.
char32_t nextCodePoint(std::string_view text, std::size_t& at);

void appendUtf8(std::string& out, char32_t c);

bool isValidUtf8(std::string_view text);

// Characters counted by their first bytes: every byte that is not a continuation byte.
std::size_t characterCount(std::string_view text);

// Length in UTF-16 units; a byte that is not UTF-8 counts one.
std::size_t utf16Length(std::string_view text);

} // namespace tolvane
