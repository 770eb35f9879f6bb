// Energy per day against the daily target over a week (Monday to Sunday) or a month, with the
// span before and after; tapping a day opens it.
#pragma once

#include "nutrition/DiaryDate.h"
#include "platform/Keys.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"
#include "screens/diary/DiaryHost.h"

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
};

} // namespace tolvane
