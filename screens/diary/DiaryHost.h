// What the diary screens need from the application: the clock (today and now, as the user's
// own clock shows them).
#pragma once

#include "nutrition/DiaryDate.h"

#include <functional>

namespace tolvane {

struct DiaryNow {
    DiaryDate day;
    int hour = 12;
    int minute = 0;
};

struct DiaryHost {
    // Empty: the system clock in the local time zone.
    std::function<DiaryNow()> clock;

    DiaryNow now() const;
};

} // namespace tolvane
