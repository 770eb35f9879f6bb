#include "CheckPickerView.h"

#include "screens/common/Accessibility.h"

#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVariantAnimation>
#include <QWheelEvent>

#include <cmath>

namespace tolvane {
namespace {

using M = CheckPickerModel;

QIcon picture(const char* name) {
    return QIcon(QString("pictures:") + name + ".svg");
}

constexpr double kDragThreshold = 4.0;
constexpr double kFlickSpeed = 300.0;    // points per second that count as a flick
constexpr double kMomentumSeconds = 0.3; // how far a flick carries

} // namespace

CheckPickerView::CheckPickerView(QWidget* parent) : QWidget(parent) {
    setObjectName("CheckPickerView");
    setFixedSize(M::kWidth, M::kHeight);
    setFocusPolicy(Qt::StrongFocus);
    model_.setListener(this);
    exposeRows(this, this);
    announce();
}

int CheckPickerView::middleRow() const {
    return int(std::lround(model_.snappedOffset(model_.offset()) / model_.rowHeight())) +
           CheckPickerModel::kBlankRows;
}

void CheckPickerView::announce() {
    const int rows = accessibleRowCount();
    if (rows != announcedRows_) {
        announcedRows_ = rows;
        rowsChanged(this);
    } else {
        for (int row = 0; row < rows; ++row)
            rowCheckChanged(this, row);
    }
    currentRowChanged(this);
}

int CheckPickerView::accessibleRowCount() const {
    return std::max(0, model_.numberOfRows() - 2 * M::kBlankRows);
}

QString CheckPickerView::accessibleRowName(int row) const {
    return QString::fromStdString(model_.row(row + M::kBlankRows).text);
}

QRect CheckPickerView::accessibleRowRect(int row) const {
    const int h = static_cast<int>(model_.rowHeight());
    const QRect cell(M::kListLeft, rowCentre(row + M::kBlankRows).y() - h / 2, M::kListWidth, h);
    return cell.intersected(listRect());
}

int CheckPickerView::accessibleCurrentRow() const {
    const int row = middleRow() - M::kBlankRows;
    return row >= 0 && row < accessibleRowCount() ? row : -1;
}

bool CheckPickerView::accessibleRowChecked(int row) const {
    return model_.row(row + M::kBlankRows).checked;
}

void CheckPickerView::pressAccessibleRow(int row) {
    if (row >= 0 && row < accessibleRowCount()) model_.touchRow(row + M::kBlankRows);
}

void CheckPickerView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down)
        model_.scrollByRows(key == Qt::Key_Up ? -1 : 1);
    else if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
        model_.touchRow(middleRow());
    else
        QWidget::keyPressEvent(event);
}

CheckPickerView::~CheckPickerView() {
    unexposeRows(this);
    model_.setListener(nullptr);
}

void CheckPickerView::setDelegate(CheckPickerViewDelegate* delegate) {
    model_.setDelegate(delegate);
    shownOffset_ = model_.offset();
    update();
}

QRect CheckPickerView::listRect() const {
    return {M::kListLeft, M::kListTop, M::kListWidth, M::kListHeight};
}

QPoint CheckPickerView::rowCentre(int row) const {
    const double h = model_.rowHeight();
    return {M::kListLeft + M::kListWidth / 2,
            static_cast<int>(M::kListTop + row * h - shownOffset_ + h / 2)};
}

bool CheckPickerView::isScrolling() const {
    return animation_ && animation_->state() == QAbstractAnimation::Running;
}

void CheckPickerView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect list = listRect();
    p.save();
    p.setClipRect(list.intersected(rect()));
    picture("wheel_bg").paint(&p, list);
    const double h = model_.rowHeight();
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(21);
    p.setFont(f);
    const int rows = model_.numberOfRows();
    const int first = std::max(0, static_cast<int>(std::floor(shownOffset_ / h)));
    for (int r = first; r < rows && r * h < shownOffset_ + M::kListHeight; ++r) {
        const PickerRow row = model_.row(r);
        if (row.blank) continue;
        const QRect cell(list.left(), static_cast<int>(list.top() + r * h - shownOffset_),
                         list.width(), static_cast<int>(h));
        if (row.checked) {
            picture(M::checkPicture(false))
                .paint(&p, QRect(cell.left() + 12, cell.center().y() - 12, 24, 24));
            p.setPen(QColor::fromRgbF(M::kCheckedRed, M::kCheckedGreen, M::kCheckedBlue, 1.0));
        } else {
            p.setPen(Qt::black);
        }
        const QString text = QString::fromStdString(row.text);
        p.drawText(cell.adjusted(46, 0, -10, 0), Qt::AlignVCenter | Qt::AlignLeft,
                   p.fontMetrics().elidedText(text, Qt::ElideRight, cell.width() - 56));
    }
    picture("wheel_shadow").paint(&p, list);
    p.restore();
    picture("frame_left").paint(&p, QRect(0, 0, M::kListLeft, height()));
    picture("frame_middle").paint(&p, QRect(M::kListLeft, 0, M::kListWidth, height()));
    picture("frame_right")
        .paint(&p, QRect(M::kListLeft + M::kListWidth, 0, width() - M::kListLeft - M::kListWidth,
                         height()));
}

void CheckPickerView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (animation_) animation_->stop();
    model_.setOffset(shownOffset_);
    shownOffset_ = model_.offset();
    pressed_ = true;
    dragging_ = false;
    pressY_ = lastY_ = event->position().y();
    pressOffset_ = shownOffset_;
    velocity_ = 0.0;
    moveClock_.start();
}

void CheckPickerView::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_) return;
    const double y = event->position().y();
    if (!dragging_ && std::abs(y - pressY_) < kDragThreshold) return;
    dragging_ = true;
    const double seconds = std::max(0.001, moveClock_.restart() / 1000.0);
    velocity_ = (y - lastY_) / seconds;
    lastY_ = y;
    model_.setOffset(pressOffset_ - (y - pressY_));
    shownOffset_ = model_.offset();
    update();
}

void CheckPickerView::mouseReleaseEvent(QMouseEvent* event) {
    if (!pressed_ || event->button() != Qt::LeftButton) return;
    pressed_ = false;
    if (!dragging_) {
        model_.touchAt(event->position().y() - M::kListTop);
        return;
    }
    // A quick release carries on for a moment, then rests on a row boundary like a drag does.
    if (std::abs(velocity_) >= kFlickSpeed && moveClock_.elapsed() < 100) {
        model_.setOffset(model_.offset() - velocity_ * kMomentumSeconds);
        model_.endDecelerating();
    } else {
        model_.endDragging(false);
    }
}

void CheckPickerView::wheelEvent(QWheelEvent* event) {
    event->accept();
    if (pressed_) return;
    // A notch turns the wheel by a row; a finer wheel adds up to one.
    wheelDelta_ += event->angleDelta().y();
    const int rows = wheelDelta_ / QWheelEvent::DefaultDeltasPerStep;
    wheelDelta_ -= rows * QWheelEvent::DefaultDeltasPerStep;
    if (rows != 0) model_.scrollByRows(-rows);
}

void CheckPickerView::pickerRowsChanged() {
    announce();
    update();
}

void CheckPickerView::pickerScrollTo(double offset) {
    announce();
    if (animation_) animation_->stop();
    if (!isVisible() || std::abs(offset - shownOffset_) < 0.5) {
        shownOffset_ = offset;
        update();
        return;
    }
    auto* animation = new QVariantAnimation(this);
    animation->setStartValue(shownOffset_);
    animation->setEndValue(offset);
    animation->setDuration(250);
    animation->setEasingCurve(QEasingCurve::OutCubic);
    connect(animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        shownOffset_ = value.toDouble();
        update();
    });
    animation_ = animation;
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

} // namespace tolvane
