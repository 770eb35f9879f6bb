// A matcher for patterns made of character classes with possessive counted repeats, such as
// "[0-9]{0,4}+[,.]{0,1}+[0-9]{0,3}": each piece takes as many characters as it can and never
// gives any back; the whole text must be consumed.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tolvane {

struct PatternPiece {
    std::string_view chars; // the ASCII characters of the class, ranges written out
    int min = 0;
    int max = 0;
};

bool matchesPossessive(std::string_view text, std::span<const PatternPiece> pieces);

// Appends ".0" to a text that holds neither "," nor ".".
std::string withDecimalPart(std::string_view text);

// "[1-9]{1}+[0-9]{0,3}+[,.]{0,1}+[0-9]{0,3}" (typed daily calories)
bool matchesDailyCaloriesPattern(std::string_view text);
// "[0-9]{0,4}+[,.]{0,1}+[0-9]{0,3}" (typed consumption values)
bool matchesConsumptionPattern(std::string_view text);

} // namespace tolvane
