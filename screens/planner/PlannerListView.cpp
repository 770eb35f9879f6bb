#include "PlannerListView.h"

#include "PlannerRows.h"

#include <QMouseEvent>
#include <QPainter>

namespace tolvane {

PlannerListView::PlannerListView(int rowHeight, std::function<int()> rowCount, RowPainter painter,
                                 QWidget* parent)
    : QWidget(parent), rowHeight_(rowHeight), rowCount_(std::move(rowCount)),
      painter_(std::move(painter)) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void PlannerListView::setDeleting(bool on) {
    deleting_ = on;
    pending_ = -1;
    update();
}

void PlannerListView::setMoving(bool on) {
    moving_ = on;
    update();
}

void PlannerListView::refresh() {
    if (pending_ >= rowCount_()) pending_ = -1;
    setFixedHeight(sizeHint().height());
    update();
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
        pending_ = -1;
        update();
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
        pending_ = from;
        update();
        return;
    }
    emit rowTapped(from);
}

} // namespace tolvane
