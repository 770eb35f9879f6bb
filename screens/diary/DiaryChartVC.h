// Energy per day against the daily target over a week (Monday to Sunday) or a month, with the
// span before and after, and beside it one nutrient the user chooses against its daily amount
// (scaled to the profile's daily calories as the day's totals are); tapping a day opens it.
#pragma once

#include "nutrition/DiaryDate.h"
#include "nutrition/DiaryDay.h"
#include "platform/Keys.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"
#include "screens/diary/DiaryHost.h"

#include <array>
#include <string>
#include <vector>

namespace tolvane {

class Database;

class DiaryChartListener {
public:
    virtual ~DiaryChartListener() = default;
    virtual void chartChanged() = 0;
};

struct DiaryChartDay {
    std::string day; // "2026-12-08"
    double kcal = 0.0;
    bool eaten = false; // the day has entries
    // Each nutrient summed over the entries that gave it (DayNutrient order), and whether any did.
    std::array<double, kDayNutrientCount> values{};
    std::array<bool, kDayNutrientCount> known{};
};

class DiaryChartVC : public Screen {
public:
    enum class Span { Week, Month };
    enum class State { Ready, Failed };

    DiaryChartVC(Platform platform, Database& shared, Navigation& navigation, DiaryHost host,
                 Span span, const std::string& anyDay);

    static const char* titleKey(Span span) {
        return span == Span::Week ? key("Diary Week") : key("Diary Month");
    }
    Span span() const { return span_; }
    void setListener(DiaryChartListener* listener) { listener_ = listener; }

    void viewWillAppear() { reload(); }
    void reload();
    void previous();
    void next();

    State state() const { return state_; }
    const std::vector<DiaryChartDay>& days() const { return days_; }
    double targetKcal() const { return target_; }
    // "2.000 kcal" as the language writes it.
    std::string targetText() const;
    // The top of the scale: the target or the most eaten day, whichever is more.
    double scaleKcal() const;
    const DiaryDate& first() const { return first_; }
    DiaryDate last() const;
    // Said for the chart as a whole, for a screen reader: "7 days, 2,000 kcal target".
    std::string dayText(int index) const;

    // The nutrient drawn beside the energy: fat to fibre, fat until the user chooses.
    static std::vector<DayNutrient> choosableNutrients();
    DayNutrient nutrient() const { return nutrient_; }
    void setNutrient(DayNutrient nutrient);
    static const char* nutrientChoiceKey() { return key("Diary Chart Nutrient"); }
    // Any nutrient's figures (energy too): the day's amount, the daily amount, the top of its
    // scale (the daily amount or the most eaten day, whichever is more), and both as the
    // language writes them ("12,5 g", "70 g"; the no-data sign for a day that gave none).
    double value(int index, DayNutrient nutrient) const;
    double reference(DayNutrient nutrient) const {
        return references_[static_cast<std::size_t>(nutrient)];
    }
    double scale(DayNutrient nutrient) const;
    std::string valueText(int index, DayNutrient nutrient) const;
    std::string referenceText(DayNutrient nutrient) const;

    // Opens the day's diary.
    void openDay(int index);

private:
    Platform platform_;
    Database& shared_;
    Navigation& navigation_;
    DiaryHost host_;
    Span span_;
    DiaryChartListener* listener_ = nullptr;
    DiaryDate first_;
    State state_ = State::Ready;
    std::vector<DiaryChartDay> days_;
    double target_ = 2000.0;
    std::array<double, kDayNutrientCount> references_ = kDayReferences;
    DayNutrient nutrient_ = DayNutrient::Fat;
};

} // namespace tolvane
