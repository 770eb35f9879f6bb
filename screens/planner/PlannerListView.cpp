#include "PlannerListView.h"

#include "PlannerRows.h"
#include "screens/common/Accessibility.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>

namespace tolvane {

PlannerListView::PlannerListView(int rowHeight, std::function<int()> rowCount, RowPainter painter,
                                 QWidget* parent)
    : QWidget(parent), rowHeight_(rowHeight), rowCount_(std::move(rowCount)),
      painter_(std::move(painter)) {
    exposeRows(this, this);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFocusPolicy(Qt::StrongFocus);
}

PlannerListView::~PlannerListView() {
    unexposeRows(this);
}

int PlannerListView::accessibleCurrentRow() const {
    return current_ < rowCount_() && hasFocus() ? current_ : -1;
}

void PlannerListView::setCurrent(int row) {
    current_ = std::clamp(row, 0, std::max(0, rowCount_() - 1));
    for (QWidget* p = parentWidget(); p; p = p->parentWidget())
        if (auto* scroll = qobject_cast<QScrollArea*>(p)) {
            const QRect r = rowRect(current_);
            const QPoint centre = mapTo(scroll->widget(), r.center());
            scroll->ensureVisible(centre.x(), centre.y(), 0, rowHeight_);
            break;
        }
    update();
    currentRowChanged(this);
}

void PlannerListView::focusInEvent(QFocusEvent* event) {
    setCurrent(current_);
    QWidget::focusInEvent(event);
}

void PlannerListView::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void PlannerListView::keyPressEvent(QKeyEvent* event) {
    const int rows = rowCount_();
    const bool alt = event->modifiers() == Qt::AltModifier;
    const int step = event->key() == Qt::Key_Up ? -1 : event->key() == Qt::Key_Down ? 1 : 0;
    if (rows == 0 || (event->isAutoRepeat() && step == 0)) return QWidget::keyPressEvent(event);
    if (step && alt && moving_) {
        const int to = std::clamp(current_ + step, 0, rows - 1);
        if (to != current_) emit rowMoved(current_, to);
        setCurrent(to);
    } else if (step && event->modifiers() == Qt::NoModifier) {
        setPending(-1);
        setCurrent(current_ + step);
    } else if (event->key() == Qt::Key_Delete && deleting_) {
        setPending(current_);
    } else if (event->key() == Qt::Key_Escape && pending_ >= 0) {
        setPending(-1);
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
               event->key() == Qt::Key_Space) {
        const int row = std::min(current_, rows - 1);
        if (pending_ == row) {
            setPending(-1);
            emit deleteConfirmed(row);
        } else {
            emit rowTapped(row);
        }
    } else {
        QWidget::keyPressEvent(event);
    }
}

void PlannerListView::setDeleting(bool on) {
    deleting_ = on;
    setPending(-1);
}

void PlannerListView::setPending(int row) {
    pending_ = row;
    // Escape takes the red button away instead of leaving the screen.
    holdEscape(this, row >= 0);
    update();
}

void PlannerListView::setMoving(bool on) {
    moving_ = on;
    update();
}

void PlannerListView::refresh() {
    if (pending_ >= rowCount_()) setPending(-1);
    setFixedHeight(sizeHint().height());
    update();
    rowsChanged(this);
}

QSize PlannerListView::sizeHint() const {
    return {320, std::max(0, rowCount_()) * rowHeight_};
}

QRect PlannerListView::rowRect(int row) const {
    return {0, row * rowHeight_, width(), rowHeight_};
}

QRect PlannerListView::deleteMarkRect(int row) const {
    return plannerrows::markRect(rowRect(row));
}

QRect PlannerListView::confirmRect(int row) const {
    return plannerrows::confirmRect(rowRect(row));
}

QRect PlannerListView::handleRect(int row) const {
    return plannerrows::handleRect(rowRect(row));
}

int PlannerListView::rowAt(int y) const {
    if (y < 0) return -1;
    const int row = y / rowHeight_;
    return row < rowCount_() ? row : -1;
}

void PlannerListView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const int rows = rowCount_();
    for (int row = 0; row < rows; ++row) {
        const QRect r = rowRect(row);
        if (!r.intersects(event->rect())) continue;
        QRect content = r;
        if (deleting_) content.setLeft(content.left() + plannerrows::kMarkWidth);
        if (moving_ || row == pending_)
            content.setRight(content.right() - plannerrows::kHandleWidth);
        if (row == pending_) content.setRight(r.right() - plannerrows::kConfirmWidth - 10);
        painter_(p, r, content, row);
        if (deleting_) plannerrows::paintDeleteMark(p, r);
        if (row == pending_)
            plannerrows::paintConfirm(p, r, deleteText_);
        else if (moving_)
            plannerrows::paintMoveHandle(p, r);
        p.setPen(QColor(0xdf, 0xe1, 0xe5));
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        if (row == current_ && hasFocus()) paintKeyboardFocus(p, r);
    }
}

void PlannerListView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint pos = event->position().toPoint();
    pressedRow_ = rowAt(pos.y());
    pressedHandle_ = moving_ && pressedRow_ >= 0 && pressedRow_ != pending_ &&
                     handleRect(pressedRow_).contains(pos);
}

void PlannerListView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || pressedRow_ < 0) return;
    const QPoint pos = event->position().toPoint();
    const int from = pressedRow_;
    pressedRow_ = -1;
    if (pending_ >= 0) {
        // The red button deletes; a tap anywhere else takes it away again.
        const int row = pending_;
        setPending(-1);
        if (from == row && confirmRect(row).contains(pos)) emit deleteConfirmed(row);
        return;
    }
    if (pressedHandle_) {
        const int to = std::clamp(pos.y() / rowHeight_, 0, std::max(0, rowCount_() - 1));
        if (to != from) emit rowMoved(from, to);
        return;
    }
    if (rowAt(pos.y()) != from) return;
    if (deleting_ && deleteMarkRect(from).contains(pos)) {
        setPending(from);
        return;
    }
    emit rowTapped(from);
}

} // namespace tolvane
