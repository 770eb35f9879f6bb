// The settings screen's store: a Database object of its own on the shared file.
#pragma once

#include "screens/settings/SetupStore.h"
#include "store/Database.h"
#include "store/SettingsStore.h"

namespace tolvane {

class DatabaseSetupStore : public SetupStore {
public:
    DatabaseSetupStore(const std::string& path, Log& log) : database_(path, log) {}
    std::optional<SettingsRow> selectSettings() override {
        return SettingsStore(database_).selectSettings();
    }
    void updateSettings(const std::string& liveSearch, const std::string& localization,
                        const std::string& metricUnits) override {
        SettingsStore(database_).updateSettings(liveSearch, localization, metricUnits);
    }
    std::optional<ProfileRow> selectPersonalProfileData() override {
        return SettingsStore(database_).selectPersonalProfileData();
    }

private:
    Database database_;
};

} // namespace tolvane
