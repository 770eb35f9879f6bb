#include "screens/common/Accessibility.h"

#include "platform/Keys.h"
#include "platform/Strings.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAccessibleWidget>
#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>

namespace tolvane {
namespace {

// A tab of a tab bar: selected while its page shows, and its action shows the page as a tap
// does (a checkable button's own action only flips its mark).
class AccessiblePageTab : public QAccessibleWidget {
public:
    explicit AccessiblePageTab(QAbstractButton* tab)
        : QAccessibleWidget(tab, QAccessible::PageTab) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = tab()->isChecked();
        s.checkable = false;
        s.checked = false;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return tab()->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action != pressAction()) return QAccessibleWidget::doAction(action);
        QMetaObject::invokeMethod(
            tab(),
            [tab = QPointer<QAbstractButton>(tab())] {
                if (tab) tab->click();
            },
            Qt::QueuedConnection);
    }

private:
    QAbstractButton* tab() const { return static_cast<QAbstractButton*>(widget()); }
};

// A row that acts on Space, pressed as a keyboard user does; a list's row is selected while it
// has the keyboard.
class AccessiblePressable : public QAccessibleWidget {
public:
    AccessiblePressable(QWidget* row, QAccessible::Role role) : QAccessibleWidget(row, role) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (role() == QAccessible::ListItem) {
            s.selectable = true;
            s.selected = widget()->hasFocus();
        }
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action != pressAction()) return QAccessibleWidget::doAction(action);
        // Posted: the reader's request is answered before the row acts.
        QCoreApplication::postEvent(widget(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Space,
                                                            Qt::NoModifier, QStringLiteral(" ")));
    }
};

QAccessibleInterface* accessibleControl(const QString&, QObject* object) {
    auto* control = qobject_cast<QWidget*>(object);
    if (!control) return nullptr;
    if (auto* tab = qobject_cast<QAbstractButton*>(control);
        tab && tab->property("accessiblePageTab").toBool())
        return new AccessiblePageTab(tab);
    if (const QVariant pressable = control->property("accessiblePressable"); pressable.isValid())
        return new AccessiblePressable(control, QAccessible::Role(pressable.toInt()));
    const QVariant role = control->property("accessibleRole");
    return role.isValid() ? new QAccessibleWidget(control, QAccessible::Role(role.toInt()))
                          : nullptr;
}

void installFactory() {
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleControl), true);
    (void)factoryInstalled;
}

// An interface Qt made before the control's property was set is replaced at the next query.
void forgetInterface(QWidget* control) {
    // (a change event made one even while no reader listens).
    QAccessible::deleteAccessibleInterface(
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(control)));
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

void describeScrollBars(QAbstractScrollArea* area, const Strings& strings) {
    const QString name = textOf(strings, key("Accessible Scroll Bar"));
    area->verticalScrollBar()->setAccessibleName(name);
    area->horizontalScrollBar()->setAccessibleName(name);
}

void setAccessibleRole(QWidget* control, QAccessible::Role role) {
    installFactory();
    const bool known = control->property("accessibleRole").toInt() == int(role);
    control->setProperty("accessibleRole", int(role));
    if (!known) forgetInterface(control);
}

void exposeAsPageTab(QAbstractButton* tab) {
    installFactory();
    tab->setProperty("accessiblePageTab", true);
    forgetInterface(tab);
    QObject::connect(tab, &QAbstractButton::toggled, tab, [tab] {
        QAccessible::State changed;
        changed.selected = true;
        QAccessibleStateChangeEvent event(tab, changed);
        QAccessible::updateAccessibility(&event);
    });
}

void exposeAsButton(QWidget* row) {
    installFactory();
    row->setProperty("accessiblePressable", int(QAccessible::Button));
    forgetInterface(row);
}

namespace {

// Tells readers that a list row's selection followed the keyboard.
class SelectionFollowsFocus : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (QAccessible::isActive() &&
            (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
            QAccessible::State changed;
            changed.selected = true;
            QAccessibleStateChangeEvent selection(watched, changed);
            QAccessible::updateAccessibility(&selection);
        }
        return false;
    }
};

} // namespace

void exposeAsListRow(QWidget* row) {
    installFactory();
    row->setProperty("accessiblePressable", int(QAccessible::ListItem));
    row->installEventFilter(new SelectionFollowsFocus(row));
    forgetInterface(row);
}

void holdEscape(QWidget* control, bool held) {
    control->setProperty("holdsEscape", held);
}

bool escapeHeld(const QWidget* control) {
    for (; control; control = control->parentWidget())
        if (control->property("holdsEscape").toBool()) return true;
    return false;
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
