// Finds the string-table keys that product code uses as literals:
//   key("…"), .text("…"), ->text("…"), every literal inside AlertRequest{…} and .show({…}).
#pragma once

#include <string>
#include <vector>

namespace tolvane {

struct KeyUse {
    std::string key;
    std::string file;
    int line = 0;
};

// Keys in one source text; file is only copied into the results.
std::vector<KeyUse> scanKeys(const std::string& source, const std::string& file);

// Keys in every .cpp/.h below root/<folder> for each folder; test sources are skipped.
std::vector<KeyUse> scanKeyFolders(const std::string& root,
                                   const std::vector<std::string>& folders);

// The value of the body of a narrow C++ string literal (between the quotes), escapes decoded.
std::string decodeCppLiteral(const std::string& body);

} // namespace tolvane
