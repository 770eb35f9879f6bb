// The diary's day: the date with previous, next, today and a picked date, the week and month
// charts, the meals with their entries, and the day's totals against the daily amounts.
#pragma once

#include "screens/diary/DiaryDayVC.h"

#include <QColor>
#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace tolvane {

class DiaryDayWidget : public QWidget, private DiaryDayListener {
    Q_OBJECT
public:
    DiaryDayWidget(std::shared_ptr<DiaryDayVC> model, const Strings& strings,
                   QWidget* parent = nullptr);
    ~DiaryDayWidget() override;

    std::shared_ptr<DiaryDayVC> model() const { return model_; }
    QPushButton* previousButton() const { return previous_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* dateButton() const { return date_; }
    QPushButton* todayButton() const { return today_; }
    QPushButton* weekButton() const { return week_; }
    QPushButton* monthButton() const { return month_; }
    // The entry rows of a meal, in the order shown.
    QList<QWidget*> entryRows(Meal meal) const;
    QLabel* kcalLeftLabel() const { return kcalLeft_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void dayChanged() override;
    void pickDate();
    void fitDate();

    std::shared_ptr<DiaryDayVC> model_;
    const Strings& strings_;
    QPushButton* previous_;
    QPushButton* date_;
    QPushButton* next_;
    QPushButton* today_;
    QPushButton* week_;
    QPushButton* month_;
    QLabel* failed_;
    QLabel* kcalLeft_;
    QWidget* content_;
    QVBoxLayout* contentLayout_;
};

// The day written as the interface language writes it ("Dienstag, 8. Dezember 2026").
QString diaryDateText(const Strings& strings, const std::string& isoDay, bool withWeekday = true);
// A share's traffic colour, as the day's totals and the nutrient chart draw it.
QColor diaryColour(DayColour colour);

} // namespace tolvane
