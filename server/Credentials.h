#pragma once

#include <string>

namespace tolvane::server {

struct Credentials {
    std::string updateUser;
    std::string updatePassword;
    std::string uploadUser;
    std::string uploadPassword;
};

// The development accounts the application is built with.
Credentials defaultCredentials();

} // namespace tolvane::server
