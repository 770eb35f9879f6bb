// Reading numbers from texts and writing them with the app's fixed formats, independent of the
// process locale: "," reads as a decimal point and output always uses ".".
#pragma once

#include "text/IntegerValue.h"

#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// The leading number of a text: optional blanks, sign, digits, fraction and exponent; reading
// stops at the first character that does not fit. Every "," counts as ".". 0 when there is none.
float leadingFloat(std::string_view text);
double leadingDouble(std::string_view text);
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
// "%d"
std::string formatInt(long long value);

// Small text helpers shared by the rules.
std::string replaceAll(std::string text, std::string_view from, std::string_view to);
std::string commaToPoint(std::string text);
std::string pointToComma(std::string text);

} // namespace tolvane
