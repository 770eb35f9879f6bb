#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tolvane::server {

// Decoded name/value pairs; when a name repeats, the first value counts.
using FormFields = std::map<std::string, std::string>;

// Parses "a=1&b=two" (a query string or an application/x-www-form-urlencoded body).
FormFields parseFormFields(std::string_view text);

// The query part of a request target ("/path?query"), empty when there is none.
std::string_view queryOf(std::string_view target);

// Decodes standard base64; nothing when the text is not base64.
std::optional<std::string> base64Decode(std::string_view text);

// User and password of an "Authorization: Basic ..." header value; nothing when malformed.
std::optional<std::pair<std::string, std::string>> basicCredentials(std::string_view header);

// Compares without stopping at the first difference.
bool sameSecret(std::string_view a, std::string_view b);

} // namespace tolvane::server
