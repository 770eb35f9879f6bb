#include "tools/catalogue/FormatDecimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tolvane {

std::string formatDecimal(double value, int decimals) {
    if (!std::isfinite(value)) return "";
    if (value != 0 && std::fabs(value) < 1) decimals = std::max(decimals, 3);
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.') text += '0';
    } else {
        text += ".0";
    }
    if (text == "-0.0") text = "0.0";
    return text;
}

} // namespace tolvane
