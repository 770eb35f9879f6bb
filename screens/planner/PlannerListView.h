// A painted list of equal rows for the planner screens: a tap on a row, and, when switched on,
// a delete mark per row (tap it, then the red button) and a move handle (drag it to another row).
// From the keyboard: the arrow keys go from row to row, Return or Space taps, Delete shows the red
// button that Return then presses and Escape takes away, Alt+Up/Down moves a row. A screen reader
// meets each row as a list item named by its text, opened by its action as by a tap.
#pragma once

#include "screens/common/AccessibleRows.h"

#include <QString>
#include <QWidget>

#include <algorithm>
#include <functional>

namespace tolvane {

class PlannerListView : public QWidget, private AccessibleRows {
    Q_OBJECT
public:
    // Paints row content (background included) into the given rect.
    using RowPainter = std::function<void(QPainter&, const QRect& row, const QRect& content, int)>;

    PlannerListView(int rowHeight, std::function<int()> rowCount, RowPainter painter,
                    QWidget* parent = nullptr);
    ~PlannerListView() override;

    void setDeleteText(const QString& text) { deleteText_ = text; }
    // What a screen reader says of a row.
    void setRowText(std::function<QString(int)> text) { rowText_ = std::move(text); }
    void setDeleting(bool on);
    void setMoving(bool on);
    // Rows changed: resized and drawn again.
    void refresh();

    int rowHeight() const { return rowHeight_; }
    QRect rowRect(int row) const;
    QRect deleteMarkRect(int row) const;
    QRect confirmRect(int row) const;
    QRect handleRect(int row) const;
    QSize sizeHint() const override;

signals:
    void rowTapped(int row);
    void deleteConfirmed(int row);
    void rowMoved(int from, int to);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int rowAt(int y) const;
    void setCurrent(int row);
    // The row whose red button shows, -1 for none.
    void setPending(int row);
    int accessibleRowCount() const override { return std::max(0, rowCount_()); }
    QString accessibleRowName(int row) const override {
        return rowText_ ? rowText_(row) : QString();
    }
    QRect accessibleRowRect(int row) const override { return rowRect(row); }
    int accessibleCurrentRow() const override;
    void pressAccessibleRow(int row) override { emit rowTapped(row); }

    int rowHeight_;
    std::function<int()> rowCount_;
    RowPainter painter_;
    QString deleteText_;
    std::function<QString(int)> rowText_;
    int current_ = 0; // the keyboard's row
    bool deleting_ = false;
    bool moving_ = false;
    int pending_ = -1;
    int pressedRow_ = -1;
    bool pressedHandle_ = false;
};

} // namespace tolvane
