#include "nutrition/NumberText.h"

#include "text/IntegerValue.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>

namespace tolvane {
namespace {

// The longest prefix that reads as a decimal number, with "," turned into "." and a leading "+"
// dropped (from_chars takes neither). Empty when the text does not begin with a number.
// `consumed` receives the prefix's length in the text.
std::string numberPrefix(std::string_view text, std::size_t* consumed = nullptr) {
    std::size_t i = 0;
    while (i < text.size() && isAsciiBlank(text[i]))
        ++i;
    std::string out;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') out += '-';
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && isAsciiDigit(text[i])) {
        out += text[i++];
        ++digits;
    }
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        std::size_t j = i + 1;
        std::string fraction;
        while (j < text.size() && isAsciiDigit(text[j]))
            fraction += text[j++];
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
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            if (text[j] == '-') exponent += '-';
            ++j;
        }
        std::size_t expDigits = 0;
        while (j < text.size() && isAsciiDigit(text[j])) {
            exponent += text[j++];
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

template <typename T> T readLeading(std::string_view text) {
    // Most stored values are plain ("12.5"): read in place, without building the prefix. Where
    // from_chars stops at a character that numberPrefix reads on or may read differently, the
    // prefix decides.
    if (!text.empty() && isAsciiDigit(text.front())) {
        T value{};
        const char* last = text.data() + text.size();
        const auto result = std::from_chars(text.data(), last, value, std::chars_format::general);
        if (result.ec == std::errc() &&
            (result.ptr == last || (*result.ptr != ',' && *result.ptr != '.' &&
                                    *result.ptr != 'e' && *result.ptr != 'E')))
            return value;
    }
    const std::string prefix = numberPrefix(text);
    if (prefix.empty()) return T(0);
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
    return readLeading<float>(text);
}
double leadingDouble(std::string_view text) {
    return readLeading<double>(text);
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
    for (const char* unit : {"g", "ml", "kcal", "oz", "lbs", "kg", "cm", "kJ", "mg"}) {
        const std::string pattern = std::string("%@ ") + unit;
        patterns_.emplace_back(unit, lookup(pattern));
    }
}

std::string NumberFormat::fixed(double value, int decimals) const {
    return number(formatFixed(value, decimals));
}

std::string NumberFormat::number(std::string pointText) const {
    // Only a point or comma before a digit is a decimal separator ("keine Angaben." keeps its).
    std::string out;
    for (std::size_t i = 0; i < pointText.size(); ++i) {
        const char c = pointText[i];
        const bool separator =
            (c == '.' || c == ',') && i + 1 < pointText.size() && isAsciiDigit(pointText[i + 1]);
        if (separator)
            out += separator_;
        else
            out += c;
    }
    return out;
}

std::string NumberFormat::withUnit(const std::string& number, std::string_view unit) const {
    for (const auto& [name, pattern] : patterns_)
        if (name == unit) return replaceAll(pattern, "%@", number);
    return unit.empty() ? number : number + " " + std::string(unit);
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
