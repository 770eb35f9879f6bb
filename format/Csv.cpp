#include "format/Csv.h"

namespace tolvane {

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::vector<std::vector<std::string>> csvLines(std::string_view text) {
    std::vector<std::vector<std::string>> lines;
    std::vector<std::string> line;
    std::string field;
    bool quoted = false;
    // Whether the line has begun: an empty text, or nothing after the last break, is no line.
    bool open = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        open = true;
        if (quoted) {
            if (c != '"') {
                field += c;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"' && field.empty()) {
            quoted = true;
        } else if (c == ',') {
            line.push_back(std::move(field));
            field.clear();
        } else if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            if (c == '\r') ++i;
            line.push_back(std::move(field));
            field.clear();
            lines.push_back(std::move(line));
            line.clear();
            open = false;
        } else {
            field += c;
        }
    }
    if (open) {
        line.push_back(std::move(field));
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace tolvane
