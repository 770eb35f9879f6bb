#pragma once

#include <string>
#include <string_view>

namespace tolvane::server {

// True for "YYYY-MM-DD HH:MM:SS" with plausible field ranges.
bool isValidTimestamp(std::string_view text);

// The current UTC time as "YYYY-MM-DD HH:MM:SS".
std::string currentTimestamp();

} // namespace tolvane::server
