// The week or month chart: a bar of energy per day against the target line, drawn here, and
// under it the nutrient chosen in the box against its daily amount; the span before and after
// by the arrows; a tap (or Return on the day the arrow keys chose) opens the day.
#pragma once

#include "screens/common/AccessibleRows.h"
#include "screens/diary/DiaryChartVC.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace tolvane {

class DiaryChartView : public QWidget, public AccessibleRows {
    Q_OBJECT
public:
    // energy false: the nutrient the model has chosen.
    DiaryChartView(DiaryChartVC& model, const Strings& strings, bool energy,
                   QWidget* parent = nullptr);
    ~DiaryChartView() override;
    // Where the day's bar is drawn (the whole column, to be tapped).
    QRect dayRect(int index) const;
    void refresh();

    int accessibleRowCount() const override;
    QString accessibleRowName(int row) const override;
    QRect accessibleRowRect(int row) const override { return dayRect(row); }
    int accessibleCurrentRow() const override { return current_; }
    void pressAccessibleRow(int row) override { model_.openDay(row); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRect plotRect() const;
    DayNutrient nutrient() const { return energy_ ? DayNutrient::Energy : model_.nutrient(); }

    DiaryChartVC& model_;
    const Strings& strings_;
    bool energy_;
    int current_ = -1;
};

class DiaryChartWidget : public QWidget, private DiaryChartListener {
    Q_OBJECT
public:
    DiaryChartWidget(std::shared_ptr<DiaryChartVC> model, const Strings& strings,
                     QWidget* parent = nullptr);
    ~DiaryChartWidget() override;

    std::shared_ptr<DiaryChartVC> model() const { return model_; }
    DiaryChartView* chart() const { return chart_; }
    DiaryChartView* nutrientChart() const { return nutrientChart_; }
    QComboBox* nutrientBox() const { return nutrientBox_; }
    QPushButton* previousButton() const { return previous_; }
    QPushButton* nextButton() const { return next_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void chartChanged() override;

    std::shared_ptr<DiaryChartVC> model_;
    const Strings& strings_;
    QPushButton* previous_;
    QLabel* range_;
    QPushButton* next_;
    QLabel* failed_;
    DiaryChartView* chart_;
    QComboBox* nutrientBox_;
    DiaryChartView* nutrientChart_;
};

} // namespace tolvane
