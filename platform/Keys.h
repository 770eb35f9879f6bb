// Marks a string-table key that is kept for a later lookup (tab titles, row labels, alert texts).
// lupdate collects the literals in key("...") and text("...") for the string-table test; it misses
// a key("...") nested in text(...), so a lookup takes the literal itself.
#pragma once

namespace tolvane {

constexpr const char* key(const char* k) { return k; }

} // namespace tolvane
