// What the settings screen reads and writes in the data store. The application adapts
// a Database on the shared file; tests use an in-memory double.
#pragma once

#include "store/Rows.h"

#include <optional>
#include <string>

namespace tolvane {

class SetupStore {
public:
    virtual ~SetupStore() = default;
    // The settings row, or none.
    virtual std::optional<SettingsRow> selectSettings() = 0;
    virtual void updateSettings(const std::string& liveSearch, const std::string& localization,
                                const std::string& metricUnits) = 0;
    // The profile row, or none.
    virtual std::optional<ProfileRow> selectPersonalProfileData() = 0;
};

} // namespace tolvane
