#include "nutrition/DiaryDay.h"

#include "nutrition/FolderGda.h"
#include "nutrition/NumberText.h"
#include "nutrition/TrafficLightRating.h"

namespace tolvane {

Meal mealAt(int hour, int minute) {
    const int m = hour * 60 + minute;
    if (m >= 4 * 60 && m < 11 * 60) return Meal::Breakfast;
    if (m >= 11 * 60 && m < 15 * 60) return Meal::Lunch;
    if (m >= 17 * 60 && m < 22 * 60) return Meal::Dinner;
    return Meal::Snack;
}

std::optional<int> minutesOfDay(std::string_view hhmm) {
    if (hhmm.size() != 5 || hhmm[2] != ':') return std::nullopt;
    for (int i : {0, 1, 3, 4})
        if (!isAsciiDigit(hhmm[static_cast<std::size_t>(i)])) return std::nullopt;
    const int hour = (hhmm[0] - '0') * 10 + (hhmm[1] - '0');
    const int minute = (hhmm[3] - '0') * 10 + (hhmm[4] - '0');
    if (hour > 23 || minute > 59) return std::nullopt;
    return hour * 60 + minute;
}

std::optional<double> foodValue(const DiaryFood& food, DayNutrient nutrient) {
    const std::string& text = food.per100[static_cast<std::size_t>(nutrient)];
    // Read as the rated nutrients are: an empty or unreadable text has no data.
    const float per100 = nutrientValueFromText(Nutrient::Fat, text);
    if (per100 < 0.0f || !(food.amount >= 0.0)) return std::nullopt;
    return static_cast<double>(per100) * food.amount / 100.0;
}

std::array<double, kDayNutrientCount> dayReferences(int dailyCalories, bool* fixed) {
    const PersonalFactor factor = personalFactor(dailyCalories);
    if (fixed) *fixed = factor.fixedReferences;
    std::array<double, kDayNutrientCount> references{};
    for (int n = 0; n < kDayNutrientCount; ++n)
        references[static_cast<std::size_t>(n)] = static_cast<double>(
            static_cast<float>(kDayReferences[static_cast<std::size_t>(n)]) * factor.factor);
    return references;
}

DayColour dayColour(DayNutrient nutrient, double percent) {
    if (nutrient == DayNutrient::Protein || nutrient == DayNutrient::Fibre)
        return percent >= 100.0 ? DayColour::Green : DayColour::Yellow;
    if (percent <= 90.0) return DayColour::Green;
    return percent <= 100.0 ? DayColour::Yellow : DayColour::Red;
}

DayTotals dayTotals(const std::vector<DiaryFood>& foods, int dailyCalories) {
    DayTotals totals;
    const auto references = dayReferences(dailyCalories, &totals.fixedReferences);
    for (int n = 0; n < kDayNutrientCount; ++n) {
        const auto nutrient = static_cast<DayNutrient>(n);
        DayShare& share = totals.shares[static_cast<std::size_t>(n)];
        share.reference = references[static_cast<std::size_t>(n)];
        for (const DiaryFood& food : foods)
            if (const auto value = foodValue(food, nutrient)) {
                share.amount += *value;
                share.noData = false;
            }
        const double percent = share.reference > 0.0 ? share.amount / share.reference * 100.0 : 0;
        share.percent = truncated(static_cast<float>(percent));
        share.colour = share.noData ? DayColour::NoData : dayColour(nutrient, percent);
    }
    totals.targetKcal = references[0];
    totals.kcalLeft = totals.targetKcal - totals.shares[0].amount;
    return totals;
}

std::string dayAmountText(const NumberFormat& format, double amount, DayNutrient nutrient) {
    const bool energy = nutrient == DayNutrient::Energy;
    return format.withUnit(format.fixed(amount, energy ? 0 : 1), energy ? "kcal" : "g");
}

} // namespace tolvane
