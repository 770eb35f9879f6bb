// The diary's day: its date (previous, next, today, a date picked), the meals with what was
// eaten, and the day's totals against the daily amounts with the kcal left. A day that cannot
// be read says so instead of showing an empty day. Tapping an entry opens it for a change;
// the week and month charts open from here.
#pragma once

#include "nutrition/DiaryDay.h"
#include "platform/Keys.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"
#include "screens/diary/DiaryHost.h"
#include "store/DiaryStore.h"

#include <array>
#include <string>
#include <vector>

namespace tolvane {

class Database;

class DiaryDayListener {
public:
    virtual ~DiaryDayListener() = default;
    virtual void dayChanged() = 0;
};

struct DiaryEntryLine {
    long long id = 0;
    std::string name;
    std::string maker;
    std::string amount; // "150 g"
    std::string kcal;   // "375 kcal"
};

struct DiaryTotalLine {
    DayNutrient nutrient = DayNutrient::Energy;
    std::string title;   // looked up
    std::string amount;  // "41,5 g of 70 g"
    std::string percent; // "59%", or the no-data sign
    DayColour colour = DayColour::NoData;
    int percentValue = 0;
};

// The string-table key of a meal's name.
const char* mealTitleKey(Meal meal);
// The string-table key of a day nutrient's name.
const char* dayNutrientKey(DayNutrient nutrient);

class DiaryDayVC : public Screen {
public:
    enum class State { Ready, Failed };

    // day "" is today.
    DiaryDayVC(Platform platform, Database& shared, Navigation& navigation, DiaryHost host = {},
               std::string day = {});

    static const char* titleKey() { return key("Tagebuch"); }
    void setListener(DiaryDayListener* listener) { listener_ = listener; }

    // Reads the day again (every appearance: an entry may have been added or moved).
    void viewWillAppear() { reload(); }
    void reload();

    const std::string& day() const { return day_; }
    bool isToday() const { return day_ == host_.now().day.text(); }
    void previousDay();
    void nextDay();
    void today();
    // False for a text that is not a day.
    bool setDay(const std::string& day);

    State state() const { return state_; }
    static const char* readFailedKey() { return key("Diary Read Failed"); }
    const std::vector<DiaryEntryLine>& entries(Meal meal) const {
        return meals_[static_cast<std::size_t>(meal)];
    }
    const std::vector<DiaryTotalLine>& totals() const { return totals_; }
    // "1.250 kcal left" or "300 kcal over".
    std::string kcalLeftText() const;
    bool kcalOver() const { return state_ == State::Ready && dayTotals_.kcalLeft < 0; }
    // Said when the profile holds no daily calories.
    bool fixedReferences() const { return dayTotals_.fixedReferences; }
    static const char* fixedReferencesKey() { return key("Diary Fixed References"); }

    // Opens the entry for a change, a move or its deletion.
    void openEntry(Meal meal, int row);
    void openWeek();
    void openMonth();

private:
    void changed();

    Platform platform_;
    Database& shared_;
    Navigation& navigation_;
    DiaryHost host_;
    DiaryDayListener* listener_ = nullptr;
    std::string day_;
    State state_ = State::Ready;
    std::vector<DiaryEntryRow> rows_;
    std::array<std::vector<DiaryEntryLine>, kMealCount> meals_;
    std::array<std::vector<long long>, kMealCount> ids_;
    std::vector<DiaryTotalLine> totals_;
    DayTotals dayTotals_;
};

} // namespace tolvane
