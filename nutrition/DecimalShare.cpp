#include "nutrition/DecimalShare.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace tolvane {
namespace {

using Wide = unsigned __int128;

constexpr Wide kWideLimit = ~Wide(0) / 10;

// A figure as digits × 10^exponent, the shortest decimal that reads back as the float.
struct Decimal {
    std::uint64_t digits = 0;
    int exponent = 0;
    bool negative = false;
};

Decimal decimalOf(float value) {
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    Decimal out;
    const char* p = buffer;
    if (*p == '-') {
        out.negative = true;
        ++p;
    }
    int fractionDigits = 0;
    bool fraction = false;
    for (; p < result.ptr && *p != 'e'; ++p) {
        if (*p == '.') {
            fraction = true;
            continue;
        }
        out.digits = out.digits * 10 + static_cast<std::uint64_t>(*p - '0');
        if (fraction) ++fractionDigits;
    }
    int exponent = 0;
    if (p < result.ptr) std::from_chars(p + (p[1] == '+' ? 2 : 1), result.ptr, exponent);
    out.exponent = exponent - fractionDigits;
    return out;
}

// Multiplies in place; false when the product would not fit.
bool multiply(Wide& value, Wide by) {
    if (by != 0 && value > ~Wide(0) / by) return false;
    value *= by;
    return true;
}

} // namespace

int cutDecimalQuotient(std::initializer_list<float> factors,
                       std::initializer_list<float> divisors) {
    constexpr Wide kLimit = 2000000000;
    Wide numerator = 1;
    Wide denominator = 1;
    int exponent = 0; // of the quotient
    bool negative = false;
    for (const float f : factors) {
        if (!std::isfinite(f)) return 0;
        const Decimal d = decimalOf(f);
        if (d.digits == 0) return 0;
        numerator *= d.digits; // at most two nine-digit figures per side
        exponent += d.exponent;
        negative = negative != d.negative;
    }
    for (const float f : divisors) {
        if (!std::isfinite(f)) return 0;
        const Decimal d = decimalOf(f);
        if (d.digits == 0) return 0;
        denominator *= d.digits;
        exponent -= d.exponent;
        negative = negative != d.negative;
    }
    for (; exponent > 0; --exponent)
        if (numerator > kWideLimit || !multiply(numerator, 10)) {
            numerator = ~Wide(0); // far beyond any whole number shown
            break;
        }
    for (; exponent < 0; ++exponent)
        if (denominator > kWideLimit || !multiply(denominator, 10)) return 0; // below one
    Wide quotient = numerator / denominator;
    if (quotient > kLimit) quotient = kLimit;
    const int whole = static_cast<int>(quotient);
    return negative ? -whole : whole;
}

} // namespace tolvane
