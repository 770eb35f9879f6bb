// The single rows of Settings and Personal_Profile.
#include "store/Database.h"

#include "store/Columns.h"

namespace tolvane {

std::optional<SettingsRow> Database::selectSettings() {
    return queryFirst(
        compose("selectSettings", 0, "select LiveSuche, Lokalisierung, Metrisch from Settings"),
        [](const Columns& row) {
            return SettingsRow{row.text(0), row.text(1), row.text(2)};
        });
}

void Database::updateSettings(const std::string& liveSearch, const std::string& localizationVal,
                              const std::string& imperialUnitsVal) {
    execute(compose("updateSettings", 3000,
                    "UPDATE Settings SET LiveSuche = '%s', Lokalisierung = '%s' , Metrisch = "
                    "'%s' WHERE rowid = 1",
                    {liveSearch, localizationVal, imperialUnitsVal}));
}

std::optional<ProfileRow> Database::selectPersonalProfileData() {
    return queryFirst(compose("selectPersonalProfileData", 0,
                              "select Gender, Age, "
                              "Height,Weight,BMI,Ideal_Weight,Activity_Level,Daily_Calories,"
                              "Usheight,Usweight,Metricused from Personal_Profile"),
                      [](const Columns& row) {
                          return ProfileRow{row.text(0), row.text(1), row.text(2), row.text(3),
                                            row.text(4), row.text(5), row.text(6), row.text(7),
                                            row.text(8), row.text(9), row.text(10)};
                      });
}

void Database::updatePersonalSettings(const std::string& gender, const std::string& age,
                                      const std::string& height, const std::string& weight,
                                      const std::string& bmi, const std::string& ideal_weight,
                                      const std::string& activity_level,
                                      const std::string& daily_cal, const std::string& usheight,
                                      const std::string& usweight, const std::string& metricused) {
    execute(compose("updatePersonalSettings", 6000,
                    "UPDATE Personal_Profile SET Gender = '%s', Age= '%s' , Height = '%s', "
                    "Weight = '%s' , BMI = '%s',Ideal_Weight = '%s' "
                    ",Activity_Level='%s',Daily_Calories='%s',Usheight='%s',Usweight='%s',"
                    "Metricused='%s' WHERE rowid = 1",
                    {gender, age, height, weight, bmi, ideal_weight, activity_level, daily_cal,
                     usheight, usweight, metricused}));
}

std::string Database::selectCaloryValueFromPersonalProfileTable() {
    return queryLast(compose("selectCaloryValueFromPersonalProfileTable", 0,
                             "select Daily_Calories from Personal_Profile"));
}

} // namespace tolvane
