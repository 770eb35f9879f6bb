// The settings screen's store: a Database object of its own on the shared file.
#pragma once

#include "screens/settings/SettingsStore.h"
#include "store/Database.h"

namespace tolvane {

class DatabaseSettingsStore : public SettingsStore {
public:
    DatabaseSettingsStore(const std::string& path, Log& log) : database_(path, log) {}
    std::optional<SettingsRow> selectSettings() override { return database_.selectSettings(); }
    void updateSettings(const std::string& liveSearch, const std::string& localization,
                        const std::string& metricUnits) override {
        database_.updateSettings(liveSearch, localization, metricUnits);
    }
    std::optional<ProfileRow> selectPersonalProfileData() override {
        return database_.selectPersonalProfileData();
    }

private:
    Database database_;
};

} // namespace tolvane
