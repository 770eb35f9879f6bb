#include "screens/common/AccessibleRows.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QWidget>

namespace tolvane {
namespace {

constexpr const char* kSourceProperty = "accessibleRowsSource";
constexpr const char* kRoleProperty = "accessibleRowsRole";

AccessibleRows* sourceOf(const QWidget* widget) {
    if (!widget) return nullptr;
    return reinterpret_cast<AccessibleRows*>(widget->property(kSourceProperty).value<quintptr>());
}

// One drawn row. Made by its list on demand and kept until the rows change, so that a reader
// holding it meets the same object again.
class AccessibleRow : public QAccessibleInterface,
                      public QAccessibleActionInterface,
                      public QAccessibleValueInterface {
public:
    AccessibleRow(QWidget* view, int row) : view_(view), row_(row) {}

    bool isValid() const override {
        const AccessibleRows* rows = sourceOf(view_);
        return rows && row_ < rows->accessibleRowCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(view_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? sourceOf(view_)->accessibleRowName(row_)
                                                   : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect local = sourceOf(view_)->accessibleRowRect(row_);
        return local.isEmpty() ? QRect() : QRect(view_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override {
        return isValid() ? sourceOf(view_)->accessibleRowRole(row_) : QAccessible::ListItem;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const AccessibleRows* rows = sourceOf(view_);
        const QRect local = rows->accessibleRowRect(row_);
        s.invisible = !view_->isVisible();
        s.offscreen = local.isEmpty() || !view_->rect().intersects(local);
        s.focusable = view_->focusPolicy() != Qt::NoFocus;
        s.selectable = rows->accessibleRowPressable(row_);
        const bool current = rows->accessibleCurrentRow() == row_;
        s.selected = current;
        s.active = current;
        s.focused = current && view_->hasFocus();
        s.checkable = rows->accessibleRowCheckable(row_);
        s.checked = s.checkable && rows->accessibleRowChecked(row_);
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        if (type == QAccessible::ValueInterface && isValid() &&
            sourceOf(view_)->accessibleRowValue(row_))
            return static_cast<QAccessibleValueInterface*>(this);
        return nullptr;
    }

    // A bar: read only.
    QVariant currentValue() const override {
        const AccessibleRows* rows = sourceOf(view_);
        const auto value = isValid() ? rows->accessibleRowValue(row_) : std::nullopt;
        return value ? *value : 0.0;
    }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return std::max(100.0, currentValue().toDouble()); }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 0.0; }

    QStringList actionNames() const override {
        QStringList names;
        const AccessibleRows* rows = sourceOf(view_);
        if (!isValid()) return names;
        if (rows->accessibleRowPressable(row_)) names << pressAction();
        if (rows->accessibleRowCheckable(row_)) names << toggleAction();
        return names;
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& action) override {
        if (!isValid() || !actionNames().contains(action)) return;
        // The press may open a screen or replace the rows (and so this object): after the
        // reader has its answer.
        QMetaObject::invokeMethod(
            view_.data(),
            [view = view_, row = row_, toggle = action == toggleAction()] {
                AccessibleRows* rows = sourceOf(view);
                if (!rows || row >= rows->accessibleRowCount()) return;
                if (toggle)
                    rows->toggleAccessibleRow(row);
                else
                    rows->pressAccessibleRow(row);
            },
            Qt::QueuedConnection);
    }

private:
    QPointer<QWidget> view_;
    int row_;
};

class AccessibleRowList : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    AccessibleRowList(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}
    ~AccessibleRowList() override { dropRows(); }

    void dropRows() {
        for (const QAccessible::Id id : std::as_const(rows_))
            QAccessible::deleteAccessibleInterface(id);
        rows_.clear();
    }

    QList<int> knownRows() const { return rows_.keys(); }

    int childCount() const override {
        const AccessibleRows* rows = sourceOf(widget());
        return rows ? rows->accessibleRowCount() : 0;
    }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        if (const auto known = rows_.constFind(index); known != rows_.cend())
            return QAccessible::accessibleInterface(*known);
        auto* row = new AccessibleRow(widget(), index);
        rows_.insert(index, QAccessible::registerAccessibleInterface(row));
        return row;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
        for (auto at = rows_.cbegin(); at != rows_.cend(); ++at)
            if (at.value() == id) return at.key();
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const AccessibleRows* rows = sourceOf(widget());
        if (!rows) return nullptr;
        const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
        const int current = rows->accessibleCurrentRow();
        // The chosen row first: a wheel draws it in the middle.
        if (current >= 0 && rows->accessibleRowRect(current).contains(local)) return child(current);
        for (int row = 0; row < rows->accessibleRowCount(); ++row)
            if (rows->accessibleRowRect(row).contains(local)) return child(row);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const AccessibleRows* rows = sourceOf(widget());
        const int current = rows ? rows->accessibleCurrentRow() : -1;
        return current >= 0 && widget()->hasFocus() ? child(current) : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Value) return QAccessibleWidget::text(t);
        const AccessibleRows* rows = sourceOf(widget());
        const int current = rows ? rows->accessibleCurrentRow() : -1;
        return current >= 0 ? rows->accessibleRowName(current) : QString();
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface && role() == QAccessible::SpinBox)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // A wheel's value: the number of the chosen row.
    QVariant currentValue() const override {
        const AccessibleRows* rows = sourceOf(widget());
        return rows ? rows->accessibleCurrentRow() : -1;
    }
    void setCurrentValue(const QVariant& value) override {
        const int row = value.toInt();
        if (row < 0 || row >= childCount() || row == currentValue().toInt()) return;
        QPointer<QWidget> view = widget();
        QMetaObject::invokeMethod(
            view.data(),
            [view, row] {
                if (AccessibleRows* rows = sourceOf(view); rows && row < rows->accessibleRowCount())
                    rows->pressAccessibleRow(row);
            },
            Qt::QueuedConnection);
    }
    QVariant maximumValue() const override { return std::max(0, childCount() - 1); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    mutable QHash<int, QAccessible::Id> rows_;
};

QAccessibleInterface* accessibleRowList(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->property(kSourceProperty).isValid()) return nullptr;
    return new AccessibleRowList(widget,
                                 QAccessible::Role(widget->property(kRoleProperty).toInt()));
}

AccessibleRowList* listOf(QWidget* widget) {
    return dynamic_cast<AccessibleRowList*>(QAccessible::queryAccessibleInterface(widget));
}

} // namespace

void exposeRows(QWidget* widget, AccessibleRows* source, QAccessible::Role role) {
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleRowList), true);
    (void)factoryInstalled;
    widget->setProperty(kRoleProperty, int(role));
    widget->setProperty(kSourceProperty, QVariant::fromValue(reinterpret_cast<quintptr>(source)));
    // An interface Qt made before (a name set) is replaced at the next query.
    // (a change event made one even while no reader listens).
    QAccessible::deleteAccessibleInterface(
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(widget)));
}

void unexposeRows(QWidget* widget) {
    if (AccessibleRowList* list = QAccessible::isActive() ? listOf(widget) : nullptr)
        list->dropRows();
    widget->setProperty(kSourceProperty, QVariant::fromValue(quintptr(0)));
}

void rowsChanged(QWidget* widget) {
    if (!QAccessible::isActive()) return;
    if (AccessibleRowList* list = listOf(widget)) list->dropRows();
    QAccessibleEvent reorder(widget, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reorder);
}

void rowTextsChanged(QWidget* widget) {
    if (!QAccessible::isActive()) return;
    AccessibleRowList* list = listOf(widget);
    const AccessibleRows* rows = sourceOf(widget);
    if (!list || !rows) return;
    for (int row : list->knownRows()) {
        QAccessibleInterface* child = list->child(row);
        if (!child) continue;
        QAccessibleEvent renamed(child, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
        if (const auto value = rows->accessibleRowValue(row)) {
            QAccessibleValueChangeEvent changed(child, *value);
            QAccessible::updateAccessibility(&changed);
        }
    }
}

void currentRowChanged(QWidget* widget) {
    if (!QAccessible::isActive()) return;
    AccessibleRowList* list = listOf(widget);
    const AccessibleRows* rows = sourceOf(widget);
    if (!list || !rows) return;
    const int current = rows->accessibleCurrentRow();
    if (list->role() == QAccessible::SpinBox) {
        QAccessibleValueChangeEvent changed(widget, current);
        QAccessible::updateAccessibility(&changed);
    }
    if (current < 0) return;
    if (QAccessibleInterface* row = list->child(current)) {
        QAccessibleEvent selection(row, QAccessible::Selection);
        QAccessible::updateAccessibility(&selection);
        if (widget->hasFocus()) {
            QAccessibleEvent focus(row, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
    }
}

void rowCheckChanged(QWidget* widget, int row) {
    if (!QAccessible::isActive()) return;
    AccessibleRowList* list = listOf(widget);
    QAccessibleInterface* child = list ? list->child(row) : nullptr;
    if (!child) return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(child, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace tolvane

namespace tolvane {

AccessibleBars::AccessibleBars(QWidget* drawing, const QString& name, int count,
                               std::function<Bar(int)> bar)
    : QWidget(drawing), count_(count), bar_(std::move(bar)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(name);
    setGeometry(drawing->rect());
    drawing->installEventFilter(this);
    exposeRows(this, this, QAccessible::Grouping);
}

AccessibleBars::~AccessibleBars() {
    unexposeRows(this);
}

void AccessibleBars::changed() {
    rowTextsChanged(this);
}

bool AccessibleBars::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

} // namespace tolvane
