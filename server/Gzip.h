#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane::server {

// True when an Accept-Encoding header value allows gzip (and does not refuse it with q=0).
bool acceptsGzip(std::string_view acceptEncoding);

// Compresses to the gzip format.
std::string gzipCompress(std::string_view data);

// Inflates gzip data; nothing when the data is not valid gzip.
std::optional<std::string> gzipDecompress(std::string_view data);

} // namespace tolvane::server
