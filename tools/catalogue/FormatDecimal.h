#pragma once

#include <string>

namespace tolvane {

// A number as the product server writes it: decimal point whatever the locale, at most
// `decimals` places (three below 1), no trailing zeros but at least one place ("3.0", "0.12").
std::string formatDecimal(double value, int decimals);

} // namespace tolvane
