#include "format/TimestampText.h"

namespace tolvane {

namespace {

void appendPadded(std::string& out, long long value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width) out.append(width - digits.size(), '0');
    out += digits;
}

} // namespace

std::string timestampText(std::chrono::system_clock::time_point time) {
    using namespace std::chrono;
    const auto second = floor<seconds>(time);
    const auto day = floor<days>(second);
    const year_month_day date{day};
    const hh_mm_ss clock{second - day};
    std::string out;
    appendPadded(out, static_cast<int>(date.year()), 4);
    out += '-';
    appendPadded(out, static_cast<unsigned>(date.month()), 2);
    out += '-';
    appendPadded(out, static_cast<unsigned>(date.day()), 2);
    out += ' ';
    appendPadded(out, clock.hours().count(), 2);
    out += ':';
    appendPadded(out, clock.minutes().count(), 2);
    out += ':';
    appendPadded(out, clock.seconds().count(), 2);
    return out;
}

} // namespace tolvane
