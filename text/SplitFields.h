// A text cut at a separator, or trimmed: tab-separated lines, a height typed as 5'9'' or stored as
// "5.9".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// The fields between the separators; an empty text is one empty field.
std::vector<std::string> splitFields(std::string_view text, char separator);

// The text without the blanks (any of their characters) at its ends.
std::string_view trimmed(std::string_view text, std::string_view blanks = " \t");

} // namespace tolvane
