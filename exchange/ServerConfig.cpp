#include "exchange/ServerConfig.h"

#include "platform/BuildConfig.h"

#include <cstdlib>

namespace tolvane {

std::string withTrailingSlash(std::string url) {
    while (!url.empty() && url.back() == '/')
        url.pop_back();
    return url + "/";
}

std::string serverBaseUrl() {
    const char* fromEnvironment = std::getenv("TOLVANE_SERVER_URL");
    if (fromEnvironment && *fromEnvironment) return withTrailingSlash(fromEnvironment);
    return withTrailingSlash(config::serverUrl);
}

} // namespace tolvane
