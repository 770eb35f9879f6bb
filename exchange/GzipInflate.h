// Inflates a gzip body (one or more members) with zlib.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

// Nothing when the data is not valid gzip or would inflate to more than limit bytes.
std::optional<std::string> inflateGzip(std::string_view data, std::size_t limit);

} // namespace tolvane
