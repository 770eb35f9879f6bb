#pragma once

#include "server/ServerProduct.h"

#include <istream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::server {

// A catalogue source that cannot be taken as a whole; the message names the line.
class CatalogueSourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a catalogue source: UTF-8, tab-separated, no quoting, a header line with the 25 keys.
// With `checkTimestamps` every line needs its own valid "Aufnahmedatum".
std::vector<ServerProduct> readCatalogueSource(std::istream& in, std::string_view sourceName,
                                               bool checkTimestamps);

// Parses a catalogue identifier: decimal, positive, below the reserved range.
// Returns the reason it is refused when it is not acceptable.
std::optional<std::string> identifierProblem(std::string_view text, long long& id);

} // namespace tolvane::server
