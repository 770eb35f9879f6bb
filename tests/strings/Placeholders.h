// The printf-style placeholders of a text (%@, %d, %s, %.1f, %0.f, %1$@ ...), in order.
// "%%" is a literal percent sign; a percent sign followed by a blank ("100 % of") is prose.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

std::vector<std::string> placeholdersOf(const std::string& text);

} // namespace tolvane
