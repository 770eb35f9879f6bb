#include "nutrition/DiaryDate.h"

#include <chrono>
#include <cstdio>

namespace tolvane {

namespace chr = std::chrono;

std::optional<DiaryDate> DiaryDate::parse(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    int parts[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
    for (int p = 0; p < 3; ++p)
        for (std::size_t i = starts[p]; i < starts[p] + lengths[p]; ++i) {
            if (text[i] < '0' || text[i] > '9') return std::nullopt;
            parts[p] = parts[p] * 10 + (text[i] - '0');
        }
    const chr::year_month_day ymd{chr::year(parts[0]), chr::month(static_cast<unsigned>(parts[1])),
                                  chr::day(static_cast<unsigned>(parts[2]))};
    if (!ymd.ok()) return std::nullopt;
    return DiaryDate{parts[0], parts[1], parts[2]};
}

DiaryDate DiaryDate::fromDayNumber(long long days) {
    const chr::year_month_day ymd{chr::sys_days{chr::days{days}}};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

std::string DiaryDate::text() const {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
    return buffer;
}

long long DiaryDate::dayNumber() const {
    const chr::year_month_day ymd{chr::year(year), chr::month(static_cast<unsigned>(month)),
                                  chr::day(static_cast<unsigned>(day))};
    return chr::sys_days(ymd).time_since_epoch().count();
}

int DiaryDate::weekday() const {
    // 1970-01-01 was a Thursday.
    const long long d = (dayNumber() + 3) % 7;
    return static_cast<int>(d < 0 ? d + 7 : d);
}

int DiaryDate::daysInMonth() const {
    const chr::year_month_day_last last{chr::year(year) / chr::month(static_cast<unsigned>(month)) /
                                        chr::last};
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

} // namespace tolvane
