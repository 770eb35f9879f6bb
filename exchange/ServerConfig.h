// Where the product server is and how to reach its scripts.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// TOLVANE_SERVER_URL from the environment when set, else the build default; always ends in "/".
std::string serverBaseUrl();
// The address with exactly one "/" at the end.
std::string withTrailingSlash(std::string url);
// The address as it may be shown: without a user name or password written into it.
std::string withoutCredentials(std::string_view url);

} // namespace tolvane
