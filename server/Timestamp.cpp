#include "server/Timestamp.h"

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

void appendPadded(std::string& out, long long value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width) out.append(width - digits.size(), '0');
    out += digits;
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
    using namespace std::chrono;
    auto now = floor<seconds>(system_clock::now());
    auto day = floor<days>(now);
    year_month_day date{day};
    hh_mm_ss time{now - day};
    std::string out;
    appendPadded(out, static_cast<int>(date.year()), 4);
    out += '-';
    appendPadded(out, static_cast<unsigned>(date.month()), 2);
    out += '-';
    appendPadded(out, static_cast<unsigned>(date.day()), 2);
    out += ' ';
    appendPadded(out, time.hours().count(), 2);
    out += ':';
    appendPadded(out, time.minutes().count(), 2);
    out += ':';
    appendPadded(out, time.seconds().count(), 2);
    return out;
}

} // namespace tolvane::server
