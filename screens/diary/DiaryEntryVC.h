// One diary entry, new (from a product: "Eaten") or stored (from the day): the amount with quick
// choices (100, the pack, the amount last eaten), the day, the time and the meal. A new entry
// starts now, its meal following the time until one is chosen. A stored one can be moved to
// another day or meal, changed, or deleted after a question.
#pragma once

#include "nutrition/DiaryDay.h"
#include "platform/Keys.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"
#include "screens/diary/DiaryHost.h"
#include "store/DiaryStore.h"

#include <memory>
#include <string>
#include <vector>

namespace tolvane {

class Database;

class DiaryEntryListener {
public:
    virtual ~DiaryEntryListener() = default;
    virtual void entryChanged() = 0;
};

struct DiaryQuickAmount {
    std::string label; // "100 g", "Pack 250 g", "Last 80 g"
    std::string value; // "250 g": what a button too narrow for the label shows
    double amount = 0.0;
};

class DiaryEntryVC : public Screen {
public:
    // entry.id 0: a new entry from the product's snapshot, for today now.
    DiaryEntryVC(Platform platform, Database& shared, Navigation& navigation, DiaryHost host,
                 DiaryEntryRow entry);

    static const char* titleKey() { return key("Tagebuch"); }
    void setListener(DiaryEntryListener* listener) { listener_ = listener; }

    bool isNew() const { return entry_.id == 0; }
    const std::string& productName() const { return entry_.name; }
    const std::string& maker() const { return entry_.maker; }
    // "g" or "ml".
    std::string unit() const { return entry_.unit == "g" ? "g" : "ml"; }
    // The unit word as the language writes it ("г").
    std::string unitText() const;
    // "375 kcal" for the amount, or the no-data sign.
    std::string kcalText() const;

    const std::vector<DiaryQuickAmount>& quickAmounts() const { return quick_; }
    void chooseQuickAmount(int index);
    // The amount field as the language writes it.
    std::string amountText() const;
    // The typed amount; false (kept as it was) when it is no amount above 0.
    bool setAmountText(const std::string& typed);

    const std::string& day() const { return entry_.day; }
    bool setDay(const std::string& day);
    int hour() const { return hour_; }
    int minute() const { return minute_; }
    void setTime(int hour, int minute);
    Meal meal() const { return meal_; }
    void setMeal(Meal meal);

    // Writes the entry and goes back; an alert says why when it cannot.
    void save();
    static const char* saveKey() { return key("Diary Save"); }
    // Asks first; "Löschen" deletes and goes back.
    void deletePressed();
    static const char* deleteQuestionKey() { return key("Diary Delete Question"); }
    static const char* writeFailedKey() { return key("Diary Write Failed"); }
    static const char* amountRefusedKey() { return key("Diary Amount Refused"); }

private:
    void changed();

    Platform platform_;
    Database& shared_;
    Navigation& navigation_;
    DiaryHost host_;
    DiaryEntryListener* listener_ = nullptr;
    DiaryEntryRow entry_;
    double amount_ = 100.0;
    int hour_ = 12;
    int minute_ = 0;
    Meal meal_ = Meal::Snack;
    bool mealChosen_ = false;
    std::vector<DiaryQuickAmount> quick_;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

} // namespace tolvane
