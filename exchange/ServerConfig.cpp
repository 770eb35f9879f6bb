#include "exchange/ServerConfig.h"

#include "platform/BuildConfig.h"

#include <algorithm>
#include <cstdlib>

namespace tolvane {

std::string withTrailingSlash(std::string url) {
    while (!url.empty() && url.back() == '/')
        url.pop_back();
    return url + "/";
}

std::string withoutCredentials(std::string_view url) {
    const auto scheme = url.find("://");
    const std::size_t hostFrom = scheme == std::string_view::npos ? 0 : scheme + 3;
    const std::size_t hostTo = std::min(url.find_first_of("/?#", hostFrom), url.size());
    const auto at = url.substr(0, hostTo).rfind('@');
    if (at == std::string_view::npos || at < hostFrom) return std::string(url);
    return std::string(url.substr(0, hostFrom)) + std::string(url.substr(at + 1));
}

std::string serverBaseUrl() {
    const char* fromEnvironment = std::getenv("TOLVANE_SERVER_URL");
    if (fromEnvironment && *fromEnvironment) return withTrailingSlash(fromEnvironment);
    return withTrailingSlash(config::serverUrl);
}

} // namespace tolvane
