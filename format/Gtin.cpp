#include "format/Gtin.h"

namespace tolvane {

std::optional<Gtin> readGtin(std::string_view text) {
    Gtin code;
    int digits = 0;
    int weighted = 0; // the sum with weights 3 and 1 from the right, the check digit included
    for (auto at = text.size(); at-- > 0;) {
        const char c = text[at];
        if (c == ' ') continue;
        if (c < '0' || c > '9' || digits == 14) return std::nullopt;
        weighted += (c - '0') * (digits % 2 == 0 ? 1 : 3);
        ++digits;
    }
    if (digits != 8 && digits != 12 && digits != 13 && digits != 14) return std::nullopt;
    for (char c : text)
        if (c != ' ') code.value = code.value * 10 + static_cast<std::uint64_t>(c - '0');
    code.checkDigitFits = weighted % 10 == 0;
    return code;
}

} // namespace tolvane
