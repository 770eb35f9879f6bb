// Marks a string-table key that is kept for a later lookup (tab titles, row labels, buttons).
// A test scans the sources for key("...") and text("...") and checks every table has the key.
#pragma once

namespace tolvane {

constexpr const char* key(const char* k) { return k; }

} // namespace tolvane
