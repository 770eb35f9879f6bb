// The leading integer of a text, as stored numbers, identifiers and typed values are read, and
// integers written as text. Below every other library, so it depends on nothing but the standard
// library.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

// The blanks and digits numbers are read with, in the C locale whatever the process's is.
constexpr bool isAsciiBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
constexpr bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// The leading decimal integer of a text (leading blanks and a sign allowed, fraction dropped,
// clamped to the int range); 0 when empty or not numeric.
int integerValue(std::string_view text);
// The same in 64 bits, clamped to the long long range.
long long integerValue64(std::string_view text);

// "%d": the decimal digits of a number, "-" before a negative one, whatever the process locale.
std::string formatInt(long long value);

// The number of an identifier written canonically: decimal digits only, no sign, blank or leading
// zero, within 32 bits, so that formatInt gives the same text back. Nothing for any other text.
std::optional<std::uint32_t> canonicalNumber(std::string_view text);

} // namespace tolvane
