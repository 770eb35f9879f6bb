// A picker wheel: a column of rows turned by dragging, the mouse wheel, the arrow keys or a
// click on a row; the row in the middle band is the chosen one. The mouse wheel and the arrow
// keys only turn an open wheel, and only show the next rows: a click or Return chooses, leaving
// the wheel without choosing turns it back. A wheel that stays on screen is closed until the user
// takes it up (clicks or tabs into it), so that the page scrolls over it; a wheel that is shown to
// be used is open while shown. A screen reader meets it as a spin box whose Value is the chosen
// row's number, its rows as children, each chosen by its action.
#pragma once

#include "screens/common/AccessibleRows.h"

#include <QStringList>
#include <QWidget>

namespace tolvane {

class WheelPicker : public QWidget, private AccessibleRows {
    Q_OBJECT
public:
    explicit WheelPicker(QWidget* parent = nullptr);
    ~WheelPicker() override;

    void setRows(const QStringList& rows);
    const QStringList& rows() const { return rows_; }
    // Turns the wheel to the row without telling anyone (a preset).
    void setCurrentRow(int row);
    int currentRow() const { return current_; }
    // A wheel that stays on screen: the mouse wheel turns it only while it has the focus.
    void setClosedUntilFocused(bool closed) { closedUntilFocused_ = closed; }
    bool isOpen() const { return isVisible() && (!closedUntilFocused_ || hasFocus()); }
    // Where a row is drawn now, in widget coordinates (empty when it is out of view).
    QRect rowRect(int row) const;

    static constexpr int kRowHeight = 32;
    static constexpr int kVisibleRows = 5;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user turned the wheel to this row.
    void rowChosen(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Turns back to the chosen row when the user leaves the wheel without choosing.
    void turnBack();
    void choose(int row);
    // Redraws and tells a screen reader the row in the middle.
    void redraw();
    int middleTop() const;
    int accessibleRowCount() const override { return int(rows_.size()); }
    QString accessibleRowName(int row) const override { return rows_.value(row); }
    QRect accessibleRowRect(int row) const override;
    int accessibleCurrentRow() const override { return rows_.isEmpty() ? -1 : current_; }
    void pressAccessibleRow(int row) override { choose(row); }

    QStringList rows_;
    int current_ = 0;
    int chosen_ = 0; // the row set or chosen last; the mouse wheel turns away from it
    bool closedUntilFocused_ = false;
    // Pixels the wheel is turned away from the current row while it is dragged.
    int dragOffset_ = 0;
    int pressY_ = 0;
    bool dragging_ = false;
    int wheelRemainder_ = 0;
};

} // namespace tolvane
