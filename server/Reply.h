#pragma once

#include <string>

namespace tolvane::server {

inline constexpr const char* kTextType = "text/plain; charset=utf-8";
// JSON is UTF-8 by definition; a charset parameter would also stop the HTTP library compressing it.
inline constexpr const char* kJsonType = "application/json";

// What a handler answers, independent of the HTTP library.
struct Reply {
    int status = 200;
    std::string contentType = kTextType;
    std::string body;
};

} // namespace tolvane::server
