// The personal profile as stored (Gender|Age|Height|Weight|BMI|Ideal_Weight|Activity_Level|
// Daily_Calories|Usheight|Usweight|Metricused); missing fields read as empty.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

struct ProfileRecord {
    std::string gender;
    std::string age;
    std::string height;
    std::string weight;
    std::string bmi;
    std::string idealWeight;
    std::string activityLevel;
    std::string dailyCalories;
    std::string usHeight;
    std::string usWeight;
    std::string metricUsed;

    static ProfileRecord parse(std::string_view record);
};

} // namespace tolvane
