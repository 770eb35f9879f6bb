// The stored personal profile as named fields.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

struct ProfileRecord {
    std::string gender;
    std::string age;
    std::string height; // cm
    std::string weight; // kg
    std::string bmi;
    std::string idealWeight;
    std::string activityLevel; // "-1" when none was chosen
    std::string dailyCalories;
    std::string usHeight; // feet and inches joined by a point, "5.9"
    std::string usWeight; // pounds
    std::string metricUsed;

    // The values a new file is seeded with.
    static ProfileRecord seed();
    // The first record of selectPersonalProfileData; the seed values when there is none or it
    // is short (the profile table may be missing).
    static ProfileRecord fromRecords(const std::vector<std::string>& records);
};

} // namespace tolvane
