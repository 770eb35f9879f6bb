#include "screens/diary/DiaryDayVC.h"

#include "nutrition/DiaryDate.h"
#include "screens/common/Nutrients.h"
#include "screens/diary/DiaryChartVC.h"
#include "screens/diary/DiaryEntryVC.h"
#include "screens/diary/DiaryLog.h"
#include "store/Database.h"
#include "store/SettingsStore.h"

namespace tolvane {

const char* mealTitleKey(Meal meal) {
    switch (meal) {
    case Meal::Breakfast:
        return key("Frühstück");
    case Meal::Lunch:
        return key("Mittagessen");
    case Meal::Dinner:
        return key("Abendessen");
    case Meal::Snack:
        break;
    }
    return key("Diary Snacks");
}

const char* dayNutrientKey(DayNutrient nutrient) {
    switch (nutrient) {
    case DayNutrient::Energy:
        return key("Kalorien");
    case DayNutrient::Fat:
        return key("Fett");
    case DayNutrient::SaturatedFat:
        return key("gesättigte Fette");
    case DayNutrient::Sugar:
        return key("Zucker");
    case DayNutrient::Salt:
        return key("Salz");
    case DayNutrient::Protein:
        return key("Eiweiß");
    case DayNutrient::Carbohydrates:
        return key("Kohlenhydrate");
    case DayNutrient::Fibre:
        break;
    }
    return key("Ballaststoffe");
}

DiaryDayVC::DiaryDayVC(Platform platform, Database& shared, Navigation& navigation, DiaryHost host,
                       std::string day)
    : platform_(platform), shared_(shared), navigation_(navigation), host_(std::move(host)),
      day_(DiaryDate::parse(day) ? std::move(day) : host_.now().day.text()) {}

void DiaryDayVC::reload() {
    const auto rows = DiaryStore(shared_).entriesOn(day_);
    state_ = rows ? State::Ready : State::Failed;
    rows_ = rows.value_or(std::vector<DiaryEntryRow>{});
    const NumberFormat format = numberFormat(platform_.strings);
    std::vector<DiaryFood> foods;
    for (auto& meal : meals_)
        meal.clear();
    for (auto& ids : ids_)
        ids.clear();
    for (const DiaryEntryRow& row : rows_) {
        const DiaryFood food = diaryFood(row);
        foods.push_back(food);
        const int meal = std::clamp(integerValue(row.meal), 0, kMealCount - 1);
        DiaryEntryLine line{
            row.id,
            row.name,
            row.maker,
            format.withUnit(format.number(row.amount), row.unit == "g" ? "g" : "ml"),
            {}};
        const auto kcal = foodValue(food, DayNutrient::Energy);
        line.kcal = kcal ? format.withUnit(format.fixed(*kcal, 0), "kcal") : format.noData();
        meals_[static_cast<std::size_t>(meal)].push_back(std::move(line));
        ids_[static_cast<std::size_t>(meal)].push_back(row.id);
    }
    const int dailyCalories =
        integerValue(SettingsStore(shared_).selectCaloryValueFromPersonalProfileTable());
    dayTotals_ = dayTotals(foods, dailyCalories);
    totals_.clear();
    for (int n = 0; n < kDayNutrientCount; ++n) {
        const auto nutrient = static_cast<DayNutrient>(n);
        const DayShare& share = dayTotals_.shares[static_cast<std::size_t>(n)];
        DiaryTotalLine line;
        line.nutrient = nutrient;
        line.title = platform_.strings.text(dayNutrientKey(nutrient));
        std::string of = platform_.strings.text(key("Diary %@ of %@"));
        const std::string amount =
            share.noData ? format.noData() : dayAmountText(format, share.amount, nutrient);
        const std::string reference = dayAmountText(format, share.reference, nutrient);
        if (auto at = of.find("%@"); at != std::string::npos) of.replace(at, 2, amount);
        if (auto at = of.find("%@"); at != std::string::npos) of.replace(at, 2, reference);
        line.amount = of;
        line.percent = share.noData ? format.noData() : format.percent(share.percent);
        line.percentValue = share.percent;
        line.colour = share.colour;
        totals_.push_back(std::move(line));
    }
    changed();
}

std::string DiaryDayVC::kcalLeftText() const {
    if (state_ != State::Ready) return {};
    const NumberFormat format = numberFormat(platform_.strings);
    const double left = dayTotals_.kcalLeft;
    std::string text =
        platform_.strings.text(left < 0 ? key("Diary %@ kcal over") : key("Diary %@ kcal left"));
    if (auto at = text.find("%@"); at != std::string::npos)
        text.replace(at, 2, format.fixed(left < 0 ? -left : left, 0));
    return text;
}

void DiaryDayVC::previousDay() {
    setDay(DiaryDate::parse(day_)->plusDays(-1).text());
}

void DiaryDayVC::nextDay() {
    setDay(DiaryDate::parse(day_)->plusDays(1).text());
}

void DiaryDayVC::today() {
    setDay(host_.now().day.text());
}

bool DiaryDayVC::setDay(const std::string& day) {
    if (!DiaryDate::parse(day)) return false;
    day_ = day;
    reload();
    return true;
}

void DiaryDayVC::openEntry(Meal meal, int row) {
    const auto& ids = ids_[static_cast<std::size_t>(meal)];
    if (row < 0 || row >= static_cast<int>(ids.size())) return;
    for (const DiaryEntryRow& entry : rows_)
        if (entry.id == ids[static_cast<std::size_t>(row)])
            navigation_.push(
                std::make_shared<DiaryEntryVC>(platform_, shared_, navigation_, host_, entry));
}

void DiaryDayVC::openWeek() {
    navigation_.push(std::make_shared<DiaryChartVC>(platform_, shared_, navigation_, host_,
                                                    DiaryChartVC::Span::Week, day_));
}

void DiaryDayVC::openMonth() {
    navigation_.push(std::make_shared<DiaryChartVC>(platform_, shared_, navigation_, host_,
                                                    DiaryChartVC::Span::Month, day_));
}

void DiaryDayVC::changed() {
    if (listener_) listener_->dayChanged();
}

} // namespace tolvane
