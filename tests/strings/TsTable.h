// Reads a Qt Linguist (.ts) string table without Qt: contexts, messages and their state.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

struct TsMessage {
    std::string context;
    std::string source;
    std::string translation;
    std::string type; // "", "unfinished", "obsolete" or "vanished"
    int line = 0;     // line of the <message> tag
};

struct TsTable {
    std::string language;
    std::vector<std::string> contexts;
    std::vector<TsMessage> messages;
    std::vector<std::string> errors; // malformed markup, with line numbers
};

TsTable parseTsText(const std::string& text);
TsTable readTsFile(const std::string& path);

// Replaces the five XML entities and numeric character references; an unknown or unterminated
// reference is kept as written and reported through ok.
std::string decodeXmlText(const std::string& text, bool& ok);

} // namespace tolvane
