#include "store/SettingsStore.h"

#include "store/Columns.h"

namespace tolvane {

std::optional<SettingsRow> SettingsStore::selectSettings() {
    return db_.queryFirst(
        db_.compose("selectSettings", 0, "select LiveSuche, Lokalisierung, Metrisch from Settings"),
        [](const Database::Columns& row) {
            return SettingsRow{row.text(0), row.text(1), row.text(2)};
        });
}

void SettingsStore::updateSettings(const std::string& liveSearch,
                                   const std::string& localizationVal,
                                   const std::string& imperialUnitsVal) {
    db_.execute(
        db_.compose("updateSettings", 3000,
                    "UPDATE Settings SET LiveSuche = '%s', Lokalisierung = '%s' , Metrisch = "
                    "'%s' WHERE rowid = 1",
                    {liveSearch, localizationVal, imperialUnitsVal}));
}

std::optional<ProfileRow> SettingsStore::selectPersonalProfileData() {
    return db_.queryFirst(
        db_.compose("selectPersonalProfileData", 0,
                    "select Gender, Age, "
                    "Height,Weight,BMI,Ideal_Weight,Activity_Level,Daily_Calories,"
                    "Usheight,Usweight,Metricused from Personal_Profile"),
        [](const Database::Columns& row) {
            return ProfileRow{row.text(0), row.text(1), row.text(2), row.text(3),
                              row.text(4), row.text(5), row.text(6), row.text(7),
                              row.text(8), row.text(9), row.text(10)};
        });
}

void SettingsStore::updatePersonalSettings(const std::string& gender, const std::string& age,
                                           const std::string& height, const std::string& weight,
                                           const std::string& bmi, const std::string& ideal_weight,
                                           const std::string& activity_level,
                                           const std::string& daily_cal,
                                           const std::string& usheight, const std::string& usweight,
                                           const std::string& metricused) {
    db_.execute(db_.compose("updatePersonalSettings", 6000,
                            "UPDATE Personal_Profile SET Gender = '%s', Age= '%s' , Height = '%s', "
                            "Weight = '%s' , BMI = '%s',Ideal_Weight = '%s' "
                            ",Activity_Level='%s',Daily_Calories='%s',Usheight='%s',Usweight='%s',"
                            "Metricused='%s' WHERE rowid = 1",
                            {gender, age, height, weight, bmi, ideal_weight, activity_level,
                             daily_cal, usheight, usweight, metricused}));
}

std::string SettingsStore::selectCaloryValueFromPersonalProfileTable() {
    return db_.queryLast(db_.compose("selectCaloryValueFromPersonalProfileTable", 0,
                                     "select Daily_Calories from Personal_Profile"));
}

void SettingsStore::createPersonalProfileTable() {
    db_.execute(
        db_.compose("createPersonalProfileTable", 0,
                    "CREATE TABLE Personal_Profile (Gender VARCHAR, Age VARCHAR DEFAULT 30, "
                    "Height VARCHAR DEFAULT 175, Weight VARCHAR DEFAULT 75, BMI VARCHAR DEFAULT "
                    "0.0, Ideal_Weight VARCHAR DEFAULT 0.0, Activity_Level VARCHAR DEFAULT 2, "
                    "Daily_Calories VARCHAR DEFAULT 0.0, Usheight VARCHAR, Usweight VARCHAR, "
                    "Metricused VARCHAR)"));
}

void SettingsStore::InsertIntoPersonalProfileTable() {
    db_.execute(
        db_.compose("InsertIntoPersonalProfileTable", 0,
                    "INSERT into Personal_Profile (Gender, Age, Height, Weight , BMI , "
                    "Ideal_Weight , Activity_Level , Daily_Calories , Usheight , Usweight , "
                    "Metricused ) "
                    "Values('F','30','165','57','20.9','59.9','2','2000','5.4','126','metric')"));
}

} // namespace tolvane
