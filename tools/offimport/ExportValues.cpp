#include "tools/offimport/ExportValues.h"

#include "text/SplitFields.h"

#include "format/Gtin.h"

#include <charconv>
#include <cmath>

namespace tolvane {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string padded(std::uint64_t value, std::size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

// Lower-case ASCII letters of a unit word.
std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// The leading amount of a pack size, "," or "." as the decimal mark; its length in used.
std::optional<double> leadingAmount(std::string_view text, std::size_t& used) {
    std::string number;
    used = 0;
    while (used < text.size() && (isDigit(text[used]) || text[used] == '.' || text[used] == ',')) {
        number += text[used] == ',' ? '.' : text[used];
        ++used;
    }
    if (number.empty() || !isDigit(number.front())) return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc() || result.ptr != number.data() + number.size())
        return std::nullopt;
    return value;
}

} // namespace

ExportAmount readExportAmount(std::string_view text, double limit) {
    text = trimmed(text);
    if (text.empty()) return {};
    // from_chars would also take a sign, "nan" and "inf": only digits or a point may begin it.
    if (!isDigit(text.front()) && text.front() != '.') return {ExportAmount::Kind::NotANumber, 0};
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) return {ExportAmount::Kind::OutOfRange, 0};
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return {ExportAmount::Kind::NotANumber, 0};
    if (!std::isfinite(value) || value > limit) return {ExportAmount::Kind::OutOfRange, 0};
    return {ExportAmount::Kind::Value, value};
}

std::optional<PackSize> readPackSize(std::string_view text) {
    text = trimmed(text);
    std::size_t used = 0;
    auto amount = leadingAmount(text, used);
    if (!amount) return std::nullopt;
    text = trimmed(text.substr(used));
    // "6 x 330 ml": the whole pack.
    if (!text.empty() && (text.front() == 'x' || text.front() == 'X' || text.front() == '*')) {
        const std::string_view rest = trimmed(text.substr(1));
        const auto each = leadingAmount(rest, used);
        if (!each) return std::nullopt;
        *amount *= *each;
        text = trimmed(rest.substr(used));
    }
    std::size_t wordEnd = 0;
    while (wordEnd < text.size() && ((text[wordEnd] >= 'a' && text[wordEnd] <= 'z') ||
                                     (text[wordEnd] >= 'A' && text[wordEnd] <= 'Z')))
        ++wordEnd;
    const std::string unit = lowered(text.substr(0, wordEnd));
    struct Unit {
        const char* word;
        double factor;
        bool volume;
    };
    static constexpr Unit units[] = {
        {"g", 1, false},       {"gr", 1, false},      {"gramm", 1, false},    {"grammes", 1, false},
        {"grams", 1, false},   {"kg", 1000, false},   {"mg", 0.001, false},   {"ml", 1, true},
        {"cl", 10, true},      {"dl", 100, true},     {"l", 1000, true},      {"lt", 1000, true},
        {"litre", 1000, true}, {"liter", 1000, true}, {"litres", 1000, true},
    };
    for (const Unit& u : units)
        if (unit == u.word) {
            const double total = *amount * u.factor;
            if (!(total > 0) || total > 100000) return std::nullopt;
            return PackSize{total, u.volume};
        }
    return std::nullopt;
}

std::optional<ExportCode> readExportCode(std::string_view text) {
    text = trimmed(text);
    if (text.size() < 3 || text.size() > 14) return std::nullopt;
    for (const char c : text)
        if (!isDigit(c)) return std::nullopt;
    const std::size_t n = text.size();
    if (n == 8 || n == 12 || n == 13 || n == 14) {
        const auto gtin = readGtin(text);
        if (!gtin) return std::nullopt;
        const std::string gtinText =
            n == 8 ? std::string(text)
                   : padded(gtin->value, gtin->value >= 10'000'000'000'000 ? 14 : 13);
        return ExportCode{padded(gtin->value, 14), gtinText};
    }
    if (n > 11) return std::nullopt;
    return ExportCode{std::string(text), std::string(text)};
}

long long readExportTime(std::string_view text) {
    text = trimmed(text);
    long long seconds = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), seconds);
    // Up to the end of the year 9999, which the record dates can write.
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || seconds < 0 ||
        seconds > 253'402'300'799)
        return 0;
    return seconds;
}

} // namespace tolvane
