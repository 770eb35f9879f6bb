#include "server/Timestamp.h"

#include "format/TimestampText.h"

#include <chrono>

namespace tolvane::server {

namespace {

bool readNumber(std::string_view text, std::size_t pos, std::size_t len, int low, int high) {
    int value = 0;
    for (std::size_t i = pos; i < pos + len; ++i) {
        char c = text[i];
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return value >= low && value <= high;
}

} // namespace

bool isValidTimestamp(std::string_view text) {
    if (text.size() != 19) return false;
    if (text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':' || text[16] != ':')
        return false;
    return readNumber(text, 0, 4, 0, 9999) && readNumber(text, 5, 2, 1, 12) &&
           readNumber(text, 8, 2, 1, 31) && readNumber(text, 11, 2, 0, 23) &&
           readNumber(text, 14, 2, 0, 59) && readNumber(text, 17, 2, 0, 60);
}

std::string currentTimestamp() {
    return timestampText(std::chrono::system_clock::now());
}

} // namespace tolvane::server
