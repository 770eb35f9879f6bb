// A point in time as the catalogue's record dates are written: "YYYY-MM-DD HH:MM:SS", UTC.
// Such texts compare as the times they name.
#pragma once

#include <chrono>
#include <string>

namespace tolvane {

std::string timestampText(std::chrono::system_clock::time_point time);

} // namespace tolvane
