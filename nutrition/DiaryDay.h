// The diary's day: which meal a time of day belongs to, what an entry holds for its amount, and
// the day's totals against the daily amounts scaled to the profile's daily calories (the same
// factor as the planner's folder totals; protein, carbohydrates and fibre scale alike).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// In the order the day shows them.
enum class DayNutrient {
    Energy = 0,
    Fat,
    SaturatedFat,
    Sugar,
    Salt,
    Protein,
    Carbohydrates,
    Fibre
};
inline constexpr int kDayNutrientCount = 8;

enum class Meal { Breakfast = 0, Lunch, Dinner, Snack };
inline constexpr int kMealCount = 4;

// Breakfast 4:00-10:59, lunch 11:00-14:59, dinner 17:00-21:59, a snack otherwise.
Meal mealAt(int hour, int minute);
// "07:30" -> 450; nothing for a text that is no time of day.
std::optional<int> minutesOfDay(std::string_view hhmm);

// The daily amounts at 2,000 kcal: energy in kcal, the rest in grams.
inline constexpr std::array<double, kDayNutrientCount> kDayReferences = {2000.0, 70.0, 20.0,  90.0,
                                                                         6.0,    50.0, 260.0, 25.0};

// What was eaten: the values per 100 g or 100 ml as stored texts (DayNutrient order; energy in
// kcal), and the amount in that unit.
struct DiaryFood {
    std::array<std::string, kDayNutrientCount> per100;
    double amount = 0.0;
};

// The value of one nutrient for the amount; nothing when the product gave none.
std::optional<double> foodValue(const DiaryFood& food, DayNutrient nutrient);

enum class DayColour { Green, Yellow, Red, NoData };

struct DayShare {
    double amount = 0.0;    // summed over the entries with a value
    double reference = 0.0; // the daily amount
    int percent = 0;        // cut to a whole number
    DayColour colour = DayColour::NoData;
    bool noData = true; // no entry of the day gave a value
};

struct DayTotals {
    std::array<DayShare, kDayNutrientCount> shares;
    // The profile holds no daily calories: the 2,000 kcal references are used.
    bool fixedReferences = false;
    double targetKcal = 0.0;
    double kcalLeft = 0.0; // negative when over
};

// The daily amounts for the profile's daily calories (0 or less: none).
std::array<double, kDayNutrientCount> dayReferences(int dailyCalories, bool* fixed = nullptr);

// Energy, fat, saturates, sugar, salt and carbohydrates are limits: green up to 90 %, yellow to
// 100 %, red above. Protein and fibre are wanted: green from 100 %, yellow below.
DayColour dayColour(DayNutrient nutrient, double percent);

DayTotals dayTotals(const std::vector<DiaryFood>& foods, int dailyCalories);

class NumberFormat;

// A day's amount of a nutrient as the diary writes it: energy in whole kcal, the rest in grams to
// a tenth.
std::string dayAmountText(const NumberFormat& format, double amount, DayNutrient nutrient);

} // namespace tolvane
