#include "Placeholders.h"

#include <cctype>
#include <cstring>

namespace tolvane {
namespace {

bool digit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Length of the placeholder starting at text[at] == '%', 0 when there is none.
size_t placeholderLength(const std::string& text, size_t at) {
    size_t i = at + 1;
    // positional argument: %1$@
    size_t j = i;
    while (j < text.size() && digit(text[j]))
        ++j;
    if (j > i && j < text.size() && text[j] == '$') i = j + 1;
    while (i < text.size() && std::strchr("-+0#'", text[i]) != nullptr)
        ++i;
    if (i < text.size() && text[i] == '*') ++i;
    while (i < text.size() && digit(text[i]))
        ++i;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && digit(text[i]))
            ++i;
    }
    for (const char* length : {"hh", "ll", "h", "l", "L", "q", "z", "j", "t"}) {
        if (text.compare(i, std::strlen(length), length) == 0) {
            i += std::strlen(length);
            break;
        }
    }
    if (i < text.size() && std::strchr("@dDiuUxXoOfFeEgGaAcCsSp", text[i]) != nullptr)
        return i + 1 - at;
    return 0;
}

} // namespace

std::vector<std::string> placeholdersOf(const std::string& text) {
    std::vector<std::string> found;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') continue;
        if (i + 1 < text.size() && text[i + 1] == '%') {
            ++i;
            continue;
        }
        if (const size_t n = placeholderLength(text, i); n > 0) {
            found.push_back(text.substr(i, n));
            i += n - 1;
        }
    }
    return found;
}

} // namespace tolvane
