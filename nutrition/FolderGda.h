// A menu folder's nutrient totals set against the daily amounts scaled by the user's daily
// calories: personal factor, references, percentages, bar lengths and labels.
#pragma once

#include "nutrition/Nutrient.h"

#include <array>
#include <string>
#include <string_view>

namespace tolvane {

inline constexpr double kFolderBarPointsPerPercent = 2.84;
inline constexpr int kFolderBarThickness = 28;

struct PersonalFactor {
    float factor = 1.0f;
    // True when the profile holds no usable daily calories and the fixed amounts are used.
    bool fixedReferences = false;
};

// (daily calories / 20, integer division) / 100; below 20 kcal the fixed amounts (factor 1).
PersonalFactor personalFactor(int dailyCalories);
PersonalFactor personalFactorFromText(std::string_view dailyCaloriesText);

// The five daily amounts multiplied by the factor.
std::array<float, kNutrientCount> personalReferences(float factor);

struct FolderGdaBar {
    float percent = 0.0f;
    int amount = 0;
    std::string percentLabel; // "44%"
    std::string valueLabel;   // "12,5 g" or "2500 kcal"
    int barLength = 0;        // points, not capped
};

using FolderGdaBars = std::array<FolderGdaBar, kNutrientCount>;

// Bars for the folder totals (texts as the folder list sums them) with portion 100.
FolderGdaBars folderGdaBars(const NutrientTexts& totals, const PersonalFactor& factor);

// "%@ g" with the decimal point shown as a comma; "%@ kcal" for energy.
std::string folderValueLabel(Nutrient nutrient, const std::string& totalText);

} // namespace tolvane
