#include "screens/diary/DiaryEntryVC.h"

#include "nutrition/DiaryDate.h"
#include "nutrition/TrafficLightRating.h"
#include "screens/common/Nutrients.h"
#include "screens/diary/DiaryLog.h"
#include "store/Database.h"

#include <algorithm>

namespace tolvane {

namespace {
enum class DeleteAnswer { Delete = 0, Cancel = 1 };
} // namespace

DiaryEntryVC::DiaryEntryVC(Platform platform, Database& shared, Navigation& navigation,
                           DiaryHost host, DiaryEntryRow entry)
    : platform_(platform), shared_(shared), navigation_(navigation), host_(std::move(host)),
      entry_(std::move(entry)) {
    const NumberFormat format = numberFormat(platform_.strings);
    auto quick = [&](const char* labelKey, double amount) {
        std::string text = platform_.strings.text(labelKey);
        const std::string value = format.withUnit(format.number(diaryAmountText(amount)), unit());
        if (auto at = text.find("%@"); at != std::string::npos) text.replace(at, 2, value);
        return DiaryQuickAmount{text, value, amount};
    };
    quick_.push_back(quick(key("Diary Quick %@"), 100.0));
    if (hasSalesPortion(entry_.portion))
        if (const double pack = leadingDouble(entry_.portion); pack > 0)
            quick_.push_back(quick(key("Diary Pack %@"), pack));
    // A product eaten before starts at the amount eaten then.
    double lastAmount = 0.0;
    if (const auto last = DiaryStore(shared_).lastAmount(entry_.productId, entry_.name))
        if (const double amount = leadingDouble(*last); amount > 0) {
            // Not twice: a last amount of 100 or the pack is already a button.
            if (std::none_of(quick_.begin(), quick_.end(),
                             [&](const DiaryQuickAmount& q) { return q.amount == amount; }))
                quick_.push_back(quick(key("Diary Last %@"), amount));
            lastAmount = amount;
        }
    if (isNew()) {
        const DiaryNow now = host_.now();
        entry_.day = now.day.text();
        hour_ = now.hour;
        minute_ = now.minute;
        meal_ = mealAt(hour_, minute_);
        amount_ = lastAmount > 0 ? lastAmount : 100.0;
    } else {
        amount_ = diaryAmount(entry_);
        const int minutes = minutesOfDay(entry_.time).value_or(12 * 60);
        hour_ = minutes / 60;
        minute_ = minutes % 60;
        meal_ = static_cast<Meal>(std::clamp(integerValue(entry_.meal), 0, kMealCount - 1));
        mealChosen_ = true;
    }
}

std::string DiaryEntryVC::unitText() const {
    std::string pattern = platform_.strings.text(unit() == "g" ? key("%@ g") : key("%@ ml"));
    if (const auto at = pattern.find("%@"); at != std::string::npos) pattern.erase(at, 2);
    const auto first = pattern.find_first_not_of(' ');
    return first == std::string::npos ? unit() : pattern.substr(first);
}

std::string DiaryEntryVC::kcalText() const {
    const NumberFormat format = numberFormat(platform_.strings);
    DiaryEntryRow shown = entry_;
    shown.amount = diaryAmountText(amount_);
    const auto kcal = foodValue(diaryFood(shown), DayNutrient::Energy);
    return kcal ? format.withUnit(format.fixed(*kcal, 0), "kcal") : format.noData();
}

void DiaryEntryVC::chooseQuickAmount(int index) {
    if (index < 0 || index >= static_cast<int>(quick_.size())) return;
    amount_ = quick_[static_cast<std::size_t>(index)].amount;
    changed();
}

std::string DiaryEntryVC::amountText() const {
    return numberFormat(platform_.strings).number(diaryAmountText(amount_));
}

bool DiaryEntryVC::setAmountText(const std::string& typed) {
    const auto value = leadingFloatIfAny(typed);
    if (!value || !(*value > 0.0f) || *value >= kNutrientValueLimit) return false;
    amount_ = *value;
    changed();
    return true;
}

bool DiaryEntryVC::setDay(const std::string& day) {
    if (!DiaryDate::parse(day)) return false;
    entry_.day = day;
    changed();
    return true;
}

void DiaryEntryVC::setTime(int hour, int minute) {
    hour_ = std::clamp(hour, 0, 23);
    minute_ = std::clamp(minute, 0, 59);
    if (!mealChosen_) meal_ = mealAt(hour_, minute_);
    changed();
}

void DiaryEntryVC::setMeal(Meal meal) {
    meal_ = meal;
    mealChosen_ = true;
    changed();
}

void DiaryEntryVC::save() {
    if (!(amount_ > 0.0)) {
        platform_.alerts.show({key("Tagebuch"), amountRefusedKey(), {key("OK")}});
        return;
    }
    const std::string time = diaryTimeText(hour_, minute_);
    const std::string meal = formatInt(static_cast<int>(meal_));
    const std::string amount = diaryAmountText(amount_);
    DiaryStore diary(shared_);
    bool written = false;
    if (isNew()) {
        DiaryEntryRow entry = entry_;
        entry.time = time;
        entry.meal = meal;
        entry.amount = amount;
        written = diary.insertEntry(entry).has_value();
    } else {
        written = diary.updateEntry(entry_.id, entry_.day, time, meal, amount);
    }
    if (!written) {
        platform_.alerts.show({key("Tagebuch"), writeFailedKey(), {key("OK")}});
        return;
    }
    navigation_.pop();
}

void DiaryEntryVC::deletePressed() {
    if (isNew()) return;
    std::weak_ptr<int> alive = alive_;
    platform_.alerts.show(
        {key("Tagebuch"), deleteQuestionKey(), {key("Löschen"), key("Cancel")}, 1},
        [this, alive](int button) {
            if (alive.expired() || static_cast<DeleteAnswer>(button) != DeleteAnswer::Delete)
                return;
            if (!DiaryStore(shared_).deleteEntry(entry_.id)) {
                platform_.alerts.show({key("Tagebuch"), writeFailedKey(), {key("OK")}});
                return;
            }
            navigation_.pop();
        });
}

void DiaryEntryVC::changed() {
    if (listener_) listener_->entryChanged();
}

} // namespace tolvane
