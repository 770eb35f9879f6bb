// One diary entry: the product, the amount with its quick choices and kcal, the day, the time
// and the meal; "Sichern" in the bar, and for a stored entry the delete button.
#pragma once

#include "screens/diary/DiaryEntryVC.h"

#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;

namespace tolvane {

class DiaryEntryWidget : public QWidget, private DiaryEntryListener {
    Q_OBJECT
public:
    DiaryEntryWidget(std::shared_ptr<DiaryEntryVC> model, const Strings& strings,
                     QWidget* parent = nullptr);
    ~DiaryEntryWidget() override;

    std::shared_ptr<DiaryEntryVC> model() const { return model_; }
    QLineEdit* amountField() const { return amount_; }
    const QList<QPushButton*>& quickButtons() const { return quick_; }
    QPushButton* previousDayButton() const { return previousDay_; }
    QPushButton* nextDayButton() const { return nextDay_; }
    QTimeEdit* timeField() const { return time_; }
    QComboBox* mealChoice() const { return meal_; }
    QAction* saveAction() const { return save_; }
    QPushButton* deleteButton() const { return delete_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void entryChanged() override;
    // A quick choice too narrow for its words shows the amount alone, the words in its tooltip.
    void fitQuickButtons();

    std::shared_ptr<DiaryEntryVC> model_;
    const Strings& strings_;
    QLineEdit* amount_;
    QLabel* kcal_;
    QList<QPushButton*> quick_;
    QPushButton* previousDay_;
    QLabel* day_;
    QPushButton* nextDay_;
    QTimeEdit* time_;
    QComboBox* meal_;
    QAction* save_;
    QPushButton* delete_;
};

} // namespace tolvane
