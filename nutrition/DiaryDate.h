// Calendar days as the diary stores them ("2026-12-08"): reading, writing, stepping, weekdays
// and months, on the proleptic Gregorian calendar, independent of the process locale and zone.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

struct DiaryDate {
    int year = 1970;
    int month = 1; // 1-12
    int day = 1;   // 1-31

    // Nothing for a text that is not a real day in "YYYY-MM-DD".
    static std::optional<DiaryDate> parse(std::string_view text);
    static DiaryDate fromDayNumber(long long days); // days since 1970-01-01
    std::string text() const;
    long long dayNumber() const;
    DiaryDate plusDays(long long days) const { return fromDayNumber(dayNumber() + days); }
    // 0 Monday ... 6 Sunday.
    int weekday() const;
    // The Monday of its week; the first of its month.
    DiaryDate weekStart() const { return plusDays(-weekday()); }
    DiaryDate monthStart() const { return {year, month, 1}; }
    int daysInMonth() const;

    friend auto operator<=>(const DiaryDate&, const DiaryDate&) = default;
};

} // namespace tolvane
