// Reading numbers from texts and writing them with the app's fixed formats, independent of the
// process locale: "," reads as a decimal point; the fixed formats write ".", NumberFormat writes
// figures as the interface language does.
#pragma once

#include "text/IntegerValue.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// The leading number of a text: optional blanks, sign, digits, fraction and exponent; reading
// stops at the first character that does not fit. Every "," counts as "."; full-width digits,
// signs and points count as theirs. 0 when there is none; out of range it is infinite.
float leadingFloat(std::string_view text);
double leadingDouble(std::string_view text);
// The same, nothing when the text does not begin with a number.
std::optional<float> leadingFloatIfAny(std::string_view text);
// Length in bytes of that leading number, blanks included; 0 when there is none.
std::size_t leadingNumberLength(std::string_view text);

// "%.<decimals>f" ("%.1f", "%.2f", "%0.f" for decimals 0); exact halves round to even.
std::string formatFixed(double value, int decimals);
inline std::string formatOneDecimal(double value) {
    return formatFixed(value, 1);
}
inline std::string formatWhole(double value) {
    return formatFixed(value, 0);
}
// "%d" is formatInt of text/IntegerValue.h.

// Figures as the interface language writes them: its decimal separator, its thousands separator,
// its unit words with the non-breaking space it puts before them, its way of writing a share and
// its sign for "no data", all looked up in the string tables, never taken from the process
// locale. Every figure a screen shows goes through one of these.
class NumberFormat {
public:
    using Lookup = std::function<std::string(const std::string& key)>;
    // Without tables: "." and the English words.
    NumberFormat() = default;
    explicit NumberFormat(const Lookup& lookup);

    // "%.<decimals>f" with the language's separators.
    std::string fixed(double value, int decimals) const;
    // A text with numbers written with "." (or ","), shown with the language's decimal and
    // thousands separators ("13543.5" is "13 543,5" in French).
    std::string number(std::string pointText) const;
    // The same without thousands separators, for a field the user edits and that is read back.
    std::string fieldNumber(std::string pointText) const;
    // A stored figure shown with a fixed number of decimals ("1951.0" with 0 is "1951", "3" with
    // 1 is "3,0"); a text that is no number is shown as it is.
    std::string amount(std::string_view storedText, int decimals) const;
    // The number with its unit word: unit is "g", "ml", "kcal", "oz", "lbs", "kg", "cm", "kJ",
    // "mg" or "%"; other unit texts (a stored unit of an old row) follow the number after a
    // non-breaking space. A space before the unit never breaks.
    std::string withUnit(const std::string& number, std::string_view unit) const;
    // A whole share: "47%", "47 %".
    std::string percent(long long value) const;
    const std::string& noData() const { return noData_; }

private:
    std::string separator_ = ".";
    std::string thousands_;     // none without tables
    std::size_t groupFrom_ = 4; // integer digits from which they are grouped
    std::string noData_ = "n/a";
    std::vector<std::pair<std::string, std::string>> patterns_; // unit -> "%@ g"
};

// The no-break space put between a number and its unit.
inline constexpr std::string_view kNoBreakSpace = "\u00A0";

// A figure cut towards zero to a whole number, as the rules cut amounts, shares and bar lengths
// (2.99 is 2, -2.99 is -2); 0 for NaN and the infinities, within ±2e9 so that no figure overflows.
int truncated(float value);

// Small text helpers shared by the rules.
std::string replaceAll(std::string text, std::string_view from, std::string_view to);
std::string commaToPoint(std::string text);
std::string pointToComma(std::string text);

} // namespace tolvane
