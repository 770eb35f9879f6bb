// Reading the store's record strings: the fields of a record and the leading integer of a
// text. Used by every layer, so it depends on nothing but the standard library.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// The fields between the separators; an empty text is one empty field.
std::vector<std::string> splitFields(std::string_view text, char separator = '|');

// The leading decimal integer of a text (leading blanks and a sign allowed, fraction dropped,
// clamped to the int range); 0 when empty or not numeric.
int integerValue(std::string_view text);
// The same in 64 bits, clamped to the long long range.
long long integerValue64(std::string_view text);

} // namespace tolvane
