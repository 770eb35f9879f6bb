#include "backup/DiaryCsv.h"

#include "format/Csv.h"
#include "nutrition/DiaryDate.h"
#include "nutrition/DiaryDay.h"
#include "nutrition/NumberText.h"
#include "store/DiaryStore.h"

namespace tolvane {

namespace {

constexpr const char* kMealNames[kMealCount] = {"breakfast", "lunch", "dinner", "snack"};

} // namespace

std::optional<std::string> diaryCsv(Database& database, const std::string& from,
                                    const std::string& to, std::string* error) {
    if (!DiaryDate::parse(from) || !DiaryDate::parse(to)) {
        if (error) *error = "days are written YYYY-MM-DD";
        return std::nullopt;
    }
    const auto rows = DiaryStore(database).entriesBetween(from, to);
    if (!rows) {
        if (error) *error = "the diary could not be read";
        return std::nullopt;
    }
    std::string csv = "day,time,meal,product,maker,amount,unit,energy_kcal,fat_g,saturated_fat_g,"
                      "sugar_g,salt_g,protein_g,carbohydrates_g,fibre_g\n";
    for (const DiaryEntryRow& e : *rows) {
        DiaryFood food;
        food.amount = leadingDouble(e.amount);
        food.per100 = {e.energyKcal, e.fat,     e.saturatedFat,  e.sugar,
                       e.salt,       e.protein, e.carbohydrates, e.fibre};
        const int meal = integerValue(e.meal);
        std::string line = csvField(e.day) + "," + csvField(e.time) + "," +
                           (meal >= 0 && meal < kMealCount ? kMealNames[meal] : "") + "," +
                           csvField(e.name) + "," + csvField(e.maker) + "," +
                           formatFixed(food.amount, 1) + "," + csvField(e.unit);
        for (int n = 0; n < kDayNutrientCount; ++n) {
            const auto value = foodValue(food, static_cast<DayNutrient>(n));
            line += "," + (value ? formatFixed(*value, n == 0 ? 0 : 2) : std::string());
        }
        csv += line + "\n";
    }
    return csv;
}

} // namespace tolvane
