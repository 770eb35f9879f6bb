// The single rows of Settings and Personal_Profile, and the profile table's creation. A view on
// a Database: construct one where needed; it runs on the Database's connection and thread rules.
#pragma once

#include "store/Database.h"

namespace tolvane {

class SettingsStore {
public:
    explicit SettingsStore(Database& database) : db_(database) {}

    // Row 1; nothing when the table has no row or cannot be read.
    std::optional<SettingsRow> selectSettings();
    void updateSettings(const std::string& liveSearch, const std::string& localizationVal,
                        const std::string& imperialUnitsVal);
    // The first row; nothing when there is none (the profile table may be missing).
    std::optional<ProfileRow> selectPersonalProfileData();
    void updatePersonalSettings(const std::string& gender, const std::string& age,
                                const std::string& height, const std::string& weight,
                                const std::string& bmi, const std::string& ideal_weight,
                                const std::string& activity_level, const std::string& daily_cal,
                                const std::string& usheight, const std::string& usweight,
                                const std::string& metricused);
    std::string selectCaloryValueFromPersonalProfileTable();

    // Creating and seeding the profile table (the migration).
    void createPersonalProfileTable();
    void InsertIntoPersonalProfileTable();

private:
    Database& db_;
};

} // namespace tolvane
