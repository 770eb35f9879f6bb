// The leading integer of a text, as stored numbers, identifiers and typed values are read.
// Below every other library, so it depends on nothing but the standard library.
#pragma once

#include <string_view>

namespace tolvane {

// The leading decimal integer of a text (leading blanks and a sign allowed, fraction dropped,
// clamped to the int range); 0 when empty or not numeric.
int integerValue(std::string_view text);
// The same in 64 bits, clamped to the long long range.
long long integerValue64(std::string_view text);

} // namespace tolvane
