// A menu folder's nutrient totals set against the daily amounts scaled by the user's daily
// calories: personal factor, references, percentages, bar lengths and labels.
#pragma once

#include "nutrition/NumberText.h"
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
    bool noData = false;      // no item has a value: both labels show the no-data sign
};

using FolderGdaBars = std::array<FolderGdaBar, kNutrientCount>;

// Bars for the folder totals (texts as the folder list sums them) with portion 100.
// A total without data (nutrientValueFromText) counts 0 and shows the no-data sign.
FolderGdaBars folderGdaBars(const NutrientTexts& totals, const PersonalFactor& factor,
                            const NumberFormat& format = {});

// The total in grams ("%@ g"), energy in kcal ("%@ kcal"), written as the language does.
std::string folderValueLabel(Nutrient nutrient, const std::string& totalText,
                             const NumberFormat& format = {});

} // namespace tolvane
