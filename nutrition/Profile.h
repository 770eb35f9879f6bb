// Personal profile arithmetic: the picker lists, body-mass index and ideal weight in metric and
// US units, the daily energy need, and the check of a typed daily-calories figure.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

std::vector<std::string> ageList();      // "1" ... "99"
std::vector<std::string> heightList();   // "100" ... "220" (cm)
std::vector<std::string> usHeightList(); // "3'0''" ... "3'11''", "4'0''" ... "7'4''"
std::vector<std::string> weightList();   // "30" ... "150" (kg)
std::vector<std::string> usWeightList(); // pounds, row by row parallel to weightList()

// What a change of the body-data picker sets, in either unit system.
struct BodyData {
    std::string stringHeight; // cm
    int height = 0;
    std::string stringWeight; // kg
    int weight = 0;
    std::string stringusheight; // stored form "feet.inches", e.g. "5.9"
    std::string stringusweight; // pounds
    std::string bmiValue;       // "%0.1f"
    std::string idealWeightValue;
};

// Rows of the metric height and weight columns. Out-of-range rows are clamped.
BodyData metricBody(int heightRow, int weightRow);
// Rows of the US height and weight columns.
BodyData usBody(int usHeightRow, int weightRow);

// Height in cm to the stored US form "feet.inches", rounded to the nearest inch and kept
// within the US height list.
std::string usHeightFromCm(int heightCm);
// The ideal weight (kg, as stored) in pounds, "%.1f".
std::string idealWeightInPounds(std::string_view kilograms);
// "5'9''" <-> "5.9"
std::string usHeightStored(std::string_view displayed);
std::string usHeightDisplayed(std::string_view stored);

// Activity factors for levels 0 to 4.
inline constexpr int kActivityLevelCount = 5;

// Mifflin-St Jeor with the activity factor; nothing for a level outside 0 to 4.
// Gender "M" counts as male, anything else as female.
std::optional<float> dailyEnergyNeed(std::string_view gender, int age, int heightCm, int weightKg,
                                     int activityLevel);
// Whole-number text of the daily energy need ("%0.f").
std::string dailyCaloriesText(float calories);

enum class TypedCaloriesOutcome { Empty, Rejected, Accepted };
struct TypedCalories {
    TypedCaloriesOutcome outcome = TypedCaloriesOutcome::Empty;
    std::string dailyCalories; // the figure to keep, when accepted
};
// A figure typed into the daily-calories field: 1 to 4 integer digits starting with 1-9,
// an optional "," or "." and up to three decimals; kept as a whole number.
TypedCalories readTypedDailyCalories(std::string_view typed);

} // namespace tolvane
