#include "screens/diary/DiaryChartVC.h"

#include "screens/common/Nutrients.h"
#include "screens/diary/DiaryDayVC.h"
#include "screens/diary/DiaryLog.h"
#include "store/Database.h"
#include "store/DiaryStore.h"
#include "store/SettingsStore.h"

#include <algorithm>

namespace tolvane {

namespace {

DiaryDate spanStart(DiaryChartVC::Span span, const DiaryDate& day) {
    return span == DiaryChartVC::Span::Week ? day.weekStart() : day.monthStart();
}

} // namespace

DiaryChartVC::DiaryChartVC(Platform platform, Database& shared, Navigation& navigation,
                           DiaryHost host, Span span, const std::string& anyDay)
    : platform_(platform), shared_(shared), navigation_(navigation), host_(std::move(host)),
      span_(span), first_(spanStart(span, DiaryDate::parse(anyDay).value_or(host_.now().day))) {}

DiaryDate DiaryChartVC::last() const {
    return first_.plusDays(span_ == Span::Week ? 6 : first_.daysInMonth() - 1);
}

void DiaryChartVC::reload() {
    const DiaryDate end = last();
    days_.clear();
    for (DiaryDate d = first_; d <= end; d = d.plusDays(1))
        days_.push_back({d.text(), 0.0, false});
    const auto rows = DiaryStore(shared_).entriesBetween(first_.text(), end.text());
    state_ = rows ? State::Ready : State::Failed;
    if (rows)
        for (const DiaryEntryRow& row : *rows) {
            const auto date = DiaryDate::parse(row.day);
            if (!date) continue;
            const long long index = date->dayNumber() - first_.dayNumber();
            if (index < 0 || index >= static_cast<long long>(days_.size())) continue;
            DiaryChartDay& day = days_[static_cast<std::size_t>(index)];
            day.eaten = true;
            const DiaryFood food = diaryFood(row);
            for (int n = 0; n < kDayNutrientCount; ++n)
                if (const auto v = foodValue(food, static_cast<DayNutrient>(n))) {
                    day.values[static_cast<std::size_t>(n)] += *v;
                    day.known[static_cast<std::size_t>(n)] = true;
                }
            day.kcal = day.values[0];
        }
    references_ = dayReferences(
        integerValue(SettingsStore(shared_).selectCaloryValueFromPersonalProfileTable()));
    target_ = references_[0];
    if (listener_) listener_->chartChanged();
}

double DiaryChartVC::scaleKcal() const {
    return scale(DayNutrient::Energy);
}

std::vector<DayNutrient> DiaryChartVC::choosableNutrients() {
    return {DayNutrient::Fat,     DayNutrient::SaturatedFat,  DayNutrient::Sugar, DayNutrient::Salt,
            DayNutrient::Protein, DayNutrient::Carbohydrates, DayNutrient::Fibre};
}

void DiaryChartVC::setNutrient(DayNutrient nutrient) {
    if (nutrient == DayNutrient::Energy || nutrient == nutrient_) return;
    nutrient_ = nutrient;
    if (listener_) listener_->chartChanged();
}

double DiaryChartVC::value(int index, DayNutrient nutrient) const {
    if (index < 0 || index >= static_cast<int>(days_.size())) return 0.0;
    return days_[static_cast<std::size_t>(index)].values[static_cast<std::size_t>(nutrient)];
}

double DiaryChartVC::scale(DayNutrient nutrient) const {
    double most = reference(nutrient);
    for (int i = 0; i < static_cast<int>(days_.size()); ++i)
        most = std::max(most, value(i, nutrient));
    return most;
}

std::string DiaryChartVC::valueText(int index, DayNutrient nutrient) const {
    if (index < 0 || index >= static_cast<int>(days_.size())) return {};
    const NumberFormat format = numberFormat(platform_.strings);
    const DiaryChartDay& day = days_[static_cast<std::size_t>(index)];
    // A day with entries none of which gave the nutrient is no zero.
    if (day.eaten && !day.known[static_cast<std::size_t>(nutrient)]) return format.noData();
    return dayAmountText(format, value(index, nutrient), nutrient);
}

std::string DiaryChartVC::referenceText(DayNutrient nutrient) const {
    return dayAmountText(numberFormat(platform_.strings), reference(nutrient), nutrient);
}

void DiaryChartVC::previous() {
    first_ = spanStart(span_, first_.plusDays(-1));
    reload();
}

void DiaryChartVC::next() {
    first_ = last().plusDays(1);
    reload();
}

std::string DiaryChartVC::targetText() const {
    return referenceText(DayNutrient::Energy);
}

std::string DiaryChartVC::dayText(int index) const {
    return valueText(index, DayNutrient::Energy);
}

void DiaryChartVC::openDay(int index) {
    if (index < 0 || index >= static_cast<int>(days_.size())) return;
    navigation_.push(std::make_shared<DiaryDayVC>(platform_, shared_, navigation_, host_,
                                                  days_[static_cast<std::size_t>(index)].day));
}

} // namespace tolvane
