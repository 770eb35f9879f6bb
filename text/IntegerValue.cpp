#include "text/IntegerValue.h"

#include <charconv>
#include <climits>

namespace tolvane {

long long integerValue64(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isAsciiBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulated as a negative number, whose range is one larger.
    long long value = 0;
    bool clamped = false;
    for (; i < text.size() && isAsciiDigit(text[i]); ++i) {
        const int digit = text[i] - '0';
        if (clamped) continue;
        if (value < (LLONG_MIN + digit) / 10) {
            clamped = true;
            value = LLONG_MIN;
            continue;
        }
        value = value * 10 - digit;
    }
    if (negative) return value;
    return value == LLONG_MIN ? LLONG_MAX : -value;
}

int integerValue(std::string_view text) {
    const long long value = integerValue64(text);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

std::string formatInt(long long value) {
    char buffer[24]; // "-9223372036854775808" and more
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::optional<std::uint32_t> canonicalNumber(std::string_view text) {
    std::uint32_t number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (error != std::errc() || stop != end || (text.size() > 1 && text.front() == '0'))
        return std::nullopt;
    return number;
}

} // namespace tolvane
