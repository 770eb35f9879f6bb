#pragma once

#include <string>
#include <string_view>

namespace tolvane::server {

// Appends `text` as a quoted JSON string. Bytes that are not valid UTF-8 become U+FFFD, so the
// reply stays readable JSON whatever a catalogue source held.
void appendJsonString(std::string& out, std::string_view text);

} // namespace tolvane::server
