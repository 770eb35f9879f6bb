// Percent-encoding of form fields and query values: the application writes them, the reference
// server reads them. Plain C++.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// Every byte as "%XX" (upper-case hex) except ASCII letters, digits, "-._~" and the characters
// of `alsoKept`.
std::string percentEncode(std::string_view text, std::string_view alsoKept = {});

// Decodes "%XX" escapes and "+" as a blank; a malformed escape is kept as it stands.
std::string percentDecode(std::string_view text);

} // namespace tolvane
