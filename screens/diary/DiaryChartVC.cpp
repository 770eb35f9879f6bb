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
            day.kcal += foodValue(diaryFood(row), DayNutrient::Energy).value_or(0.0);
        }
    target_ = dayReferences(
        integerValue(SettingsStore(shared_).selectCaloryValueFromPersonalProfileTable()))[0];
    if (listener_) listener_->chartChanged();
}

double DiaryChartVC::scaleKcal() const {
    double most = target_;
    for (const DiaryChartDay& day : days_)
        most = std::max(most, day.kcal);
    return most;
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
    const NumberFormat format = numberFormat(platform_.strings);
    return format.withUnit(format.fixed(target_, 0), "kcal");
}

std::string DiaryChartVC::dayText(int index) const {
    if (index < 0 || index >= static_cast<int>(days_.size())) return {};
    const NumberFormat format = numberFormat(platform_.strings);
    return format.withUnit(format.fixed(days_[static_cast<std::size_t>(index)].kcal, 0), "kcal");
}

void DiaryChartVC::openDay(int index) {
    if (index < 0 || index >= static_cast<int>(days_.size())) return;
    navigation_.push(std::make_shared<DiaryDayVC>(platform_, shared_, navigation_, host_,
                                                  days_[static_cast<std::size_t>(index)].day));
}

} // namespace tolvane
