// The stored options (LiveSuche|Lokalisierung|Metrisch), each "YES" or "NO"; a missing field
// reads as empty, which is neither.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

struct SettingsRecord {
    std::string liveSearch;
    std::string localization;
    std::string metricUnits;

    static SettingsRecord parse(std::string_view record);
    // The first record of Database::selectSettings(); all fields empty when there is none.
    static SettingsRecord first(const std::vector<std::string>& records);

    bool liveSearchOn() const { return liveSearch == "YES"; }
    bool metricUnitsOn() const { return metricUnits == "YES"; }
};

} // namespace tolvane
