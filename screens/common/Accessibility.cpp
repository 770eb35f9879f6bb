#include "screens/common/Accessibility.h"

#include "platform/Strings.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QAction>
#include <QKeyEvent>
#include <QPainter>

namespace tolvane {
namespace {

class AccessibleValue : public QAccessibleWidget {
public:
    AccessibleValue(QWidget* control, QAccessible::Role role) : QAccessibleWidget(control, role) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? widget()->property("accessibleValue").toString()
                                       : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* accessibleValue(const QString&, QObject* object) {
    auto* control = qobject_cast<QWidget*>(object);
    const QVariant role = control ? control->property("accessibleRole") : QVariant();
    return role.isValid() ? new AccessibleValue(control, QAccessible::Role(role.toInt())) : nullptr;
}

QString textOf(const Strings& strings, const char* key) {
    return key ? QString::fromStdString(strings.text(key)) : QString();
}

} // namespace

void describe(QWidget* control, const Strings& strings, const char* descriptionKey,
              const char* nameKey) {
    if (nameKey) control->setAccessibleName(textOf(strings, nameKey));
    control->setAccessibleDescription(textOf(strings, descriptionKey));
}

void describe(QAction* action, const Strings& strings, const char* descriptionKey,
              const char* nameKey) {
    if (nameKey) action->setProperty("accessibleName", textOf(strings, nameKey));
    action->setProperty("accessibleDescription", textOf(strings, descriptionKey));
}

void setAccessibleValue(QWidget* control, const QString& value, QAccessible::Role role) {
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleValue), true);
    (void)factoryInstalled;
    control->setProperty("accessibleRole", int(role));
    control->setProperty("accessibleValue", value);
    QAccessibleValueChangeEvent changed(control, value);
    QAccessible::updateAccessibility(&changed);
}

void paintKeyboardFocus(QPainter& painter, const QRect& rect) {
    painter.save();
    painter.setPen(QPen(QColor(0x23, 0x73, 0x5a), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(1, 1, -1, -1));
    painter.restore();
}

bool pressByKeyboard(QWidget* focused, const QKeyEvent& key) {
    if ((key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) || key.isAutoRepeat() ||
        (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || !focused)
        return false;
    if (auto* button = qobject_cast<QAbstractButton*>(focused); button && button->isEnabled()) {
        button->click();
        return true;
    }
    // A list row taken with Return as with a tap: the screens listen to clicked().
    if (auto* view = qobject_cast<QAbstractItemView*>(focused);
        view && view->currentIndex().isValid()) {
        emit view->clicked(view->currentIndex());
        return true;
    }
    return false;
}

} // namespace tolvane
