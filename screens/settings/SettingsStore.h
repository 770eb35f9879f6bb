// What the settings screen reads and writes in the data store. The application adapts
// a Database on the shared file; tests use an in-memory double.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // One record "LiveSuche|Lokalisierung|Metrisch", or none.
    virtual std::vector<std::string> selectSettings() = 0;
    virtual void updateSettings(const std::string& liveSearch, const std::string& localization,
                                const std::string& metricUnits) = 0;
    // One 11-field profile record, or none.
    virtual std::vector<std::string> selectPersonalProfileData() = 0;
};

} // namespace tolvane
