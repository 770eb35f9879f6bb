#include "screens/common/TableRow.h"

#include "screens/common/Accessibility.h"

#include <QAccessibleWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace tolvane {
namespace {

// The row as a button named by its label and the values beside it (not by the "›" sign).
class AccessibleRow : public QAccessibleWidget {
public:
    explicit AccessibleRow(TableRow* row)
        : QAccessibleWidget(row, row->choice() ? QAccessible::RadioButton : QAccessible::Button) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (const auto chosen = static_cast<const TableRow*>(widget())->choice()) {
            s.checkable = true;
            s.checked = *chosen;
        }
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        QStringList texts;
        for (const QLabel* label : widget()->findChildren<QLabel*>())
            if (label->objectName() != "disclosure" && !label->text().isEmpty())
                texts << label->text();
        return texts.join(", ");
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) emit static_cast<TableRow*>(widget())->clicked();
    }
};

QAccessibleInterface* accessibleRow(const QString&, QObject* object) {
    auto* row = qobject_cast<TableRow*>(object);
    return row ? new AccessibleRow(row) : nullptr;
}

} // namespace

TableRow::TableRow(const QString& text, QWidget* parent) : QFrame(parent) {
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleRow), true);
    (void)factoryInstalled;
    setObjectName("tableRow");
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_StyledBackground);
    setMinimumHeight(44);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 0, 8, 0);
    label_ = new QLabel(text, this);
    label_->setObjectName("rowLabel");
    label_->setWordWrap(true);
    layout->addWidget(label_, 1);
    accessories_ = new QHBoxLayout;
    accessories_->setSpacing(6);
    layout->addLayout(accessories_);
}

void TableRow::setChoice(bool chosen) {
    const bool roleChanges = !choice_.has_value();
    if (choice_ == chosen) return;
    choice_ = chosen;
    if (roleChanges) {
        // The interface Qt made as a button is made again as a radio button.
        QAccessible::deleteAccessibleInterface(
            QAccessible::uniqueId(QAccessible::queryAccessibleInterface(this)));
        return;
    }
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void TableRow::addDisclosure() {
    auto* sign = new QLabel(QStringLiteral("\u203A"), this);
    sign->setObjectName("disclosure");
    accessories_->addWidget(sign);
}

void TableRow::mousePressEvent(QMouseEvent* event) {
    setProperty("pressed", true);
    style()->unpolish(this);
    style()->polish(this);
    QFrame::mousePressEvent(event);
}

void TableRow::mouseReleaseEvent(QMouseEvent* event) {
    setProperty("pressed", false);
    style()->unpolish(this);
    style()->polish(this);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

void TableRow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
        !event->isAutoRepeat())
        emit clicked();
    else
        QFrame::keyPressEvent(event);
}

SwitchButton::SwitchButton(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(sizeHint());
}

void SwitchButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal radius = track.height() / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(isChecked() ? QColor("#34c759") : QColor("#e3e5e8"));
    painter.drawRoundedRect(track, radius, radius);
    const qreal knob = track.height() - 4;
    const qreal x = isChecked() ? track.right() - knob - 2 : track.left() + 2;
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawEllipse(QRectF(x, track.top() + 3, knob, knob));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(x, track.top() + 2, knob, knob));
    if (hasFocus()) paintKeyboardFocus(painter, rect());
}

} // namespace tolvane
