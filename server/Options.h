#pragma once

#include "server/Credentials.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tolvane::server {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct FaultOptions {
    std::optional<long long> dropAfterPages;
    int delayMs = 0;
    bool garbage = false;
    bool emptyProducts = false;
};

struct Options {
    std::string command;
    std::string db;
    std::string products;
    std::optional<std::string> timestamp;
    std::string deleteIds;
    // import-off
    std::string csv;
    std::string country;
    std::string language;
    std::string mapping;
    std::string host = "127.0.0.1";
    int port = 8470;
    Credentials credentials = defaultCredentials();
    FaultOptions faults;
};

// Parses "COMMAND --db FILE [options]"; throws UsageError with a readable reason.
Options parseOptions(const std::vector<std::string>& args);

// Parses "1,2, 3"; throws UsageError naming a bad entry.
std::vector<long long> parseIdList(const std::string& text);

extern const char* const kUsage;

} // namespace tolvane::server
