#include "screens/common/WheelPicker.h"

#include "screens/common/Accessibility.h"
#include "screens/common/AccessibleRows.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace tolvane {
namespace {

// Movement below this is a click, not a drag.
constexpr int kDragThreshold = 6;

} // namespace

WheelPicker::WheelPicker(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    exposeRows(this, this, QAccessible::SpinBox);
}

WheelPicker::~WheelPicker() {
    unexposeRows(this);
}

void WheelPicker::redraw() {
    currentRowChanged(this);
    update();
}

QRect WheelPicker::accessibleRowRect(int row) const {
    return rowRect(row).intersected(rect());
}

QSize WheelPicker::sizeHint() const {
    return {120, kRowHeight * kVisibleRows + 8};
}

QSize WheelPicker::minimumSizeHint() const {
    return {40, kRowHeight * kVisibleRows + 8};
}

void WheelPicker::setRows(const QStringList& rows) {
    const bool replaced = rows != rows_;
    rows_ = rows;
    if (replaced) rowsChanged(this);
    current_ = std::clamp(current_, 0, std::max(0, int(rows_.size()) - 1));
    redraw();
}

void WheelPicker::setCurrentRow(int row) {
    if (rows_.isEmpty()) return;
    current_ = std::clamp(row, 0, int(rows_.size()) - 1);
    chosen_ = current_;
    dragOffset_ = 0;
    redraw();
}

void WheelPicker::turnBack() {
    wheelRemainder_ = 0;
    if (current_ == chosen_ || rows_.isEmpty()) return;
    current_ = std::clamp(chosen_, 0, int(rows_.size()) - 1);
    dragOffset_ = 0;
    redraw();
}

void WheelPicker::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    // A wheel that closes with the focus drops what the mouse wheel showed.
    if (closedUntilFocused_) turnBack();
}

void WheelPicker::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    turnBack();
}

int WheelPicker::middleTop() const {
    return (height() - kRowHeight) / 2;
}

QRect WheelPicker::rowRect(int row) const {
    const int top = middleTop() + (row - current_) * kRowHeight - dragOffset_;
    const QRect r(0, top, width(), kRowHeight);
    return r.intersects(rect()) ? r.intersected(rect()) : QRect();
}

void WheelPicker::choose(int row) {
    if (rows_.isEmpty()) return;
    row = std::clamp(row, 0, int(rows_.size()) - 1);
    dragOffset_ = 0;
    current_ = row;
    chosen_ = row;
    redraw();
    // A click on the middle row chooses it too, so a preset row can be taken as it is.
    emit rowChosen(row);
}

void WheelPicker::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(0xf7, 0xf7, 0xf8));
    const QRect band(0, middleTop(), width(), kRowHeight);
    p.fillRect(band, QColor(35, 115, 90, 30));
    p.setPen(QColor(0xb8, 0xbc, 0xc2));
    p.drawLine(band.topLeft(), band.topRight());
    p.drawLine(band.bottomLeft(), band.bottomRight());
    for (int row = 0; row < int(rows_.size()); ++row) {
        const QRect r = rowRect(row);
        if (r.isEmpty()) continue;
        const QRect full(0, middleTop() + (row - current_) * kRowHeight - dragOffset_, width(),
                         kRowHeight);
        QFont f = font();
        f.setPixelSize(17);
        f.setBold(row == current_ && dragOffset_ == 0);
        // A word longer than a narrow column ("Weiblich", "Женский") gets a smaller type
        // rather than losing its ends.
        const int room = width() - 12;
        while (f.pixelSize() > 11 && QFontMetrics(f).horizontalAdvance(rows_[row]) > room)
            f.setPixelSize(f.pixelSize() - 1);
        p.setFont(f);
        p.setPen(row == current_ ? QColor(0x1c, 0x1e, 0x21) : QColor(0x5a, 0x5f, 0x66));
        p.drawText(full.adjusted(6, 0, -6, 0), Qt::AlignCenter, rows_[row]);
    }
    // The rows fade towards the rims, as on a turning drum.
    QLinearGradient top(0, 0, 0, middleTop());
    top.setColorAt(0, QColor(0xf7, 0xf7, 0xf8, 235));
    top.setColorAt(1, QColor(0xf7, 0xf7, 0xf8, 0));
    p.fillRect(QRect(0, 0, width(), middleTop()), top);
    QLinearGradient bottom(0, height(), 0, band.bottom());
    bottom.setColorAt(0, QColor(0xf7, 0xf7, 0xf8, 235));
    bottom.setColorAt(1, QColor(0xf7, 0xf7, 0xf8, 0));
    p.fillRect(QRect(0, band.bottom() + 1, width(), height() - band.bottom()), bottom);
    if (hasFocus()) paintKeyboardFocus(p, band);
}

void WheelPicker::mousePressEvent(QMouseEvent* event) {
    pressY_ = int(event->position().y());
    dragging_ = false;
    event->accept();
}

void WheelPicker::mouseMoveEvent(QMouseEvent* event) {
    const int moved = pressY_ - int(event->position().y());
    if (!dragging_ && std::abs(moved) < kDragThreshold) return;
    dragging_ = true;
    const int lowest = -current_ * kRowHeight;
    const int highest = (int(rows_.size()) - 1 - current_) * kRowHeight;
    dragOffset_ = std::clamp(moved, lowest, highest);
    redraw();
}

void WheelPicker::mouseReleaseEvent(QMouseEvent* event) {
    if (rows_.isEmpty()) return;
    if (dragging_) {
        dragging_ = false;
        choose(current_ + int(std::lround(double(dragOffset_) / kRowHeight)));
        return;
    }
    const int y = int(event->position().y());
    const int steps = int(std::floor(double(y - middleTop()) / kRowHeight));
    choose(current_ + steps);
}

void WheelPicker::wheelEvent(QWheelEvent* event) {
    // Over a closed wheel the notch belongs to the page around it.
    if (!isOpen() || rows_.isEmpty() || dragging_) {
        event->ignore();
        return;
    }
    event->accept();
    wheelRemainder_ += event->angleDelta().y();
    const int steps = wheelRemainder_ / 120;
    if (steps == 0) return;
    wheelRemainder_ -= steps * 120;
    // Shows the next rows; a click or Return chooses.
    current_ = std::clamp(current_ - steps, 0, int(rows_.size()) - 1);
    redraw();
}

void WheelPicker::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        // As the mouse wheel: an open wheel shows the next row, a click or Return chooses it.
        if (!isOpen() || rows_.isEmpty() || dragging_) return event->ignore();
        current_ = std::clamp(current_ + (key == Qt::Key_Down ? 1 : -1), 0, int(rows_.size()) - 1);
        dragOffset_ = 0;
        return redraw();
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
        return choose(current_);
    QWidget::keyPressEvent(event);
}

} // namespace tolvane
