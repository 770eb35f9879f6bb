#include "nutrition/PossessivePattern.h"

#include <array>

namespace tolvane {

bool matchesPossessive(std::string_view text, std::span<const PatternPiece> pieces) {
    std::size_t pos = 0;
    for (const PatternPiece& piece : pieces) {
        int taken = 0;
        // Take greedily and never give back: a later piece cannot reclaim these characters.
        while (taken < piece.max && pos < text.size() &&
               piece.chars.find(text[pos]) != std::string_view::npos) {
            ++pos;
            ++taken;
        }
        if (taken < piece.min) return false;
    }
    return pos == text.size();
}

std::string withDecimalPart(std::string_view text) {
    std::string result(text);
    if (result.find_first_of(",.") == std::string::npos) result += ".0";
    return result;
}

bool matchesDailyCaloriesPattern(std::string_view text) {
    static constexpr std::array<PatternPiece, 4> pieces = {{
        {"123456789", 1, 1},
        {"0123456789", 0, 3},
        {",.", 0, 1},
        {"0123456789", 0, 3},
    }};
    return matchesPossessive(text, pieces);
}

bool matchesConsumptionPattern(std::string_view text) {
    static constexpr std::array<PatternPiece, 3> pieces = {{
        {"0123456789", 0, 4},
        {",.", 0, 1},
        {"0123456789", 0, 3},
    }};
    return matchesPossessive(text, pieces);
}

} // namespace tolvane
