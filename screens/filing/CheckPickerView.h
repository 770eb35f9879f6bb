// The folder check list drawn as a picker wheel. Rows, marks, touches and snapping come from
// CheckPickerModel; this widget paints them and turns taps, drags, flicks and the mouse wheel
// into its calls.
#pragma once

#include "screens/common/AccessibleRows.h"
#include "screens/filing/CheckPickerModel.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

class QVariantAnimation;

namespace tolvane {

class CheckPickerView : public QWidget, private CheckPickerListener, private AccessibleRows {
    Q_OBJECT
public:
    explicit CheckPickerView(QWidget* parent = nullptr);
    ~CheckPickerView() override;

    void setDelegate(CheckPickerViewDelegate* delegate);
    CheckPickerViewDelegate* delegate() const { return model_.delegate(); }
    CheckPickerModel& model() { return model_; }
    const CheckPickerModel& model() const { return model_; }

    // The centre of a row as drawn now, in this widget's coordinates.
    QPoint rowCentre(int row) const;
    bool isScrolling() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // Up and Down turn the list, Space or Return flips the middle row's mark.
    void keyPressEvent(QKeyEvent* event) override;

private:
    int middleRow() const;
    void announce();
    void pickerRowsChanged() override;
    void pickerScrollTo(double offset) override;
    QRect listRect() const;
    // The folders as a screen reader meets them: a row each, checkable, its mark flipped by its
    // action as by a tap (the blank rows above and below are left out).
    int accessibleRowCount() const override;
    QString accessibleRowName(int row) const override;
    QRect accessibleRowRect(int row) const override;
    int accessibleCurrentRow() const override;
    bool accessibleRowCheckable(int) const override { return true; }
    bool accessibleRowChecked(int row) const override;
    void pressAccessibleRow(int row) override;
    void toggleAccessibleRow(int row) override { pressAccessibleRow(row); }

    CheckPickerModel model_;
    double shownOffset_ = 0.0;
    QPointer<QVariantAnimation> animation_;
    // Dragging: where the press was, the offset then, and the speed of the last move.
    bool pressed_ = false;
    bool dragging_ = false;
    double pressY_ = 0.0;
    double pressOffset_ = 0.0;
    double lastY_ = 0.0;
    double velocity_ = 0.0; // points per second, downward positive
    QElapsedTimer moveClock_;
    int wheelDelta_ = 0; // of a wheel turned by less than a notch so far
    int announcedRows_ = -1;
};

} // namespace tolvane
