#include "nutrition/NumberText.h"

#include "text/IntegerValue.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>

namespace tolvane {
namespace {

// The character at i as numbers are read: a full-width form (U+FF01 to U+FF5E, as East Asian
// input methods type digits, signs and points) stands for its ASCII character. width receives
// the character's length in bytes; past the end it is '\0'.
char numberCharAt(std::string_view text, std::size_t i, std::size_t& width) {
    width = 1;
    if (i >= text.size()) return '\0';
    if (static_cast<unsigned char>(text[i]) == 0xEF && i + 2 < text.size()) {
        const auto second = static_cast<unsigned char>(text[i + 1]);
        const auto third = static_cast<unsigned char>(text[i + 2]);
        char32_t point = 0;
        if (second == 0xBC && third >= 0x81 && third <= 0xBF)
            point = 0xFF00 + (third & 0x3F);
        else if (second == 0xBD && third >= 0x80 && third <= 0x9E)
            point = 0xFF40 + (third & 0x3F);
        if (point != 0) {
            width = 3;
            return static_cast<char>(point - 0xFEE0);
        }
    }
    return text[i];
}

// The longest prefix that reads as a decimal number, with "," turned into "." and a leading "+"
// dropped (from_chars takes neither). Empty when the text does not begin with a number.
// `consumed` receives the prefix's length in the text.
std::string numberPrefix(std::string_view text, std::size_t* consumed = nullptr) {
    std::size_t width = 0;
    const auto at = [&](std::size_t i) { return numberCharAt(text, i, width); };
    std::size_t i = 0;
    while (isAsciiBlank(at(i)))
        i += width;
    std::string out;
    if (const char sign = at(i); sign == '+' || sign == '-') {
        if (sign == '-') out += '-';
        i += width;
    }
    std::size_t digits = 0;
    for (char c = at(i); isAsciiDigit(c); c = at(i)) {
        out += c;
        i += width;
        ++digits;
    }
    if (const char point = at(i); point == '.' || point == ',') {
        std::size_t j = i + width;
        std::string fraction;
        for (char c = at(j); isAsciiDigit(c); c = at(j)) {
            fraction += c;
            j += width;
        }
        if (digits > 0 || !fraction.empty()) {
            out += '.';
            out += fraction;
            digits += fraction.size();
            i = j;
        }
    }
    if (digits == 0) {
        if (consumed) *consumed = 0;
        return {};
    }
    if (const char e = at(i); e == 'e' || e == 'E') {
        std::size_t j = i + width;
        std::string exponent = "e";
        if (const char sign = at(j); sign == '+' || sign == '-') {
            if (sign == '-') exponent += '-';
            j += width;
        }
        std::size_t expDigits = 0;
        for (char c = at(j); isAsciiDigit(c); c = at(j)) {
            exponent += c;
            j += width;
            ++expDigits;
        }
        if (expDigits > 0) {
            out += exponent;
            i = j;
        }
    }
    if (consumed) *consumed = i;
    return out;
}

template <typename T> std::optional<T> readLeading(std::string_view text) {
    // Most stored values are plain ("12.5"): read in place, without building the prefix. Where
    // from_chars stops at a character that numberPrefix reads on or may read differently (a
    // point, an exponent, a full-width form), the prefix decides.
    if (!text.empty() && isAsciiDigit(text.front())) {
        T value{};
        const char* last = text.data() + text.size();
        const auto result = std::from_chars(text.data(), last, value, std::chars_format::general);
        if (result.ec == std::errc() &&
            (result.ptr == last ||
             (*result.ptr != ',' && *result.ptr != '.' && *result.ptr != 'e' &&
              *result.ptr != 'E' && static_cast<unsigned char>(*result.ptr) < 0x80)))
            return value;
    }
    const std::string prefix = numberPrefix(text);
    if (prefix.empty()) return std::nullopt;
    T value{};
    const char* first = prefix.data();
    const char* last = first + prefix.size();
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc()) return value;
    // Out of range: overflow gives infinity, underflow zero, as the C readers do.
    const bool negative = prefix.front() == '-';
    const auto e = prefix.find('e');
    const bool tiny = e != std::string::npos && prefix.size() > e + 1 && prefix[e + 1] == '-';
    const T magnitude = tiny ? T(0) : std::numeric_limits<T>::infinity();
    return negative ? -magnitude : magnitude;
}

} // namespace

float leadingFloat(std::string_view text) {
    return readLeading<float>(text).value_or(0.0f);
}
double leadingDouble(std::string_view text) {
    return readLeading<double>(text).value_or(0.0);
}
std::optional<float> leadingFloatIfAny(std::string_view text) {
    return readLeading<float>(text);
}

std::size_t leadingNumberLength(std::string_view text) {
    std::size_t consumed = 0;
    numberPrefix(text, &consumed);
    return consumed;
}

int truncated(float value) {
    if (!std::isfinite(value)) return 0;
    return static_cast<int>(std::clamp(value, -2.0e9f, 2.0e9f));
}

std::string formatFixed(double value, int decimals) {
    char buffer[400]; // enough for any double in fixed notation
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) return {};
    return std::string(buffer, result.ptr);
}

NumberFormat::NumberFormat(const Lookup& lookup) {
    // A table without the key gives the key back: the defaults stand.
    if (const std::string s = lookup("Decimal Separator"); s == "," || s == ".") separator_ = s;
    if (const std::string s = lookup("No Data Sign"); s != "No Data Sign") noData_ = s;
    // A separator is one character: a point, a comma or a (narrow) no-break space.
    if (const std::string s = lookup("Thousands Separator");
        s != "Thousands Separator" && !s.empty() && s.size() <= 3)
        thousands_ = s;
    if (const std::string s = lookup("Thousands From Digits"); s == "5") groupFrom_ = 5;
    for (const char* unit : {"g", "ml", "kcal", "oz", "lbs", "kg", "cm", "kJ", "mg", "%"}) {
        const std::string key = std::string("%@ ") + unit;
        std::string pattern = lookup(key);
        // Without a table a share is written close up, as in English.
        if (unit == std::string_view("%") && pattern == key) pattern = "%@%";
        // The tables write a plain blank; the figure and its unit stay on one line.
        patterns_.emplace_back(unit, replaceAll(pattern, " ", kNoBreakSpace));
    }
}

std::string NumberFormat::fixed(double value, int decimals) const {
    return number(formatFixed(value, decimals));
}

namespace {

// Writes the text with `separator` for a decimal point or comma; with `thousands`, the integer
// digits of each number are grouped by three when there are at least `groupFrom` of them.
std::string localizedNumber(std::string_view text, const std::string& separator,
                            const std::string& thousands, std::size_t groupFrom) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        // Only a point or comma before a digit is a decimal separator ("keine Angaben." keeps
        // its).
        if ((c == '.' || c == ',') && i + 1 < text.size() && isAsciiDigit(text[i + 1])) {
            out += separator;
            ++i;
            // The fraction's digits are never grouped.
            for (; i < text.size() && isAsciiDigit(text[i]); ++i)
                out += text[i];
            continue;
        }
        if (!isAsciiDigit(c)) {
            out += c;
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && isAsciiDigit(text[end]))
            ++end;
        const std::size_t digits = end - i;
        for (std::size_t d = 0; d < digits; ++d) {
            if (!thousands.empty() && digits >= groupFrom && d > 0 && (digits - d) % 3 == 0)
                out += thousands;
            out += text[i + d];
        }
        i = end;
    }
    return out;
}

} // namespace

std::string NumberFormat::number(std::string pointText) const {
    return localizedNumber(pointText, separator_, thousands_, groupFrom_);
}

std::string NumberFormat::fieldNumber(std::string pointText) const {
    return localizedNumber(pointText, separator_, {}, groupFrom_);
}

std::string NumberFormat::amount(std::string_view storedText, int decimals) const {
    const std::size_t length = leadingNumberLength(storedText);
    if (length == 0) return number(std::string(storedText));
    const double value = leadingDouble(storedText);
    if (!std::isfinite(value)) return number(std::string(storedText));
    // Halves go up as on a label (0.25 is 0,3), not to the even binary neighbour.
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(value * scale) / scale;
    return number(formatFixed(rounded == 0.0 ? 0.0 : rounded, decimals)) +
           std::string(storedText.substr(length));
}

std::string NumberFormat::withUnit(const std::string& number, std::string_view unit) const {
    for (const auto& [name, pattern] : patterns_)
        if (name == unit) return replaceAll(pattern, "%@", number);
    if (unit == "%") return number + "%";
    return unit.empty() ? number : number + std::string(kNoBreakSpace) + std::string(unit);
}

std::string NumberFormat::percent(long long value) const {
    return withUnit(number(formatInt(value)), "%");
}

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
    if (from.empty()) return text;
    std::size_t pos = 0;
    while ((pos = text.find(from, pos)) != std::string::npos) {
        text.replace(pos, from.size(), to);
        pos += to.size();
    }
    return text;
}

std::string commaToPoint(std::string text) {
    return replaceAll(std::move(text), ",", ".");
}
std::string pointToComma(std::string text) {
    return replaceAll(std::move(text), ".", ",");
}

} // namespace tolvane
