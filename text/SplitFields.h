// A text cut at a separator: tab-separated lines, a height typed as 5'9'' or stored as "5.9".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// The fields between the separators; an empty text is one empty field.
std::vector<std::string> splitFields(std::string_view text, char separator);

} // namespace tolvane
