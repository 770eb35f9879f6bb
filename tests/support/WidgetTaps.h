// Pressing widgets as a user does: the click lands on the window at the widget's visible
// centre, so whatever lies on top there (a label, another screen, a dialog) takes it.
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace tolvane::test {

// The centre of the part of the widget its parents leave visible, in window coordinates.
inline QPoint visibleCentre(const QWidget* widget) {
    const QRect shown = widget->visibleRegion().boundingRect();
    const QPoint centre = shown.isEmpty() ? widget->rect().center() : shown.center();
    return widget->mapTo(widget->window(), centre);
}

// Whether a click at the widget's visible centre reaches it (or one of its children), once
// pending layouts are done.
inline bool reachable(const QWidget* widget) {
    QCoreApplication::processEvents();
    if (!widget->isVisible() || widget->visibleRegion().isEmpty()) return false;
    const QWidget* hit = widget->window()->childAt(visibleCentre(widget));
    if (widget->isWindow()) return true;
    return hit && (hit == widget || widget->isAncestorOf(hit));
}

inline void tap(QWidget* widget, Qt::KeyboardModifiers modifiers = {}) {
    QCoreApplication::processEvents();
    QWidget* window = widget->window();
    if (QWindow* handle = window->windowHandle()) {
        QTest::mouseClick(handle, Qt::LeftButton, modifiers, visibleCentre(widget));
    } else {
        QTest::mouseClick(widget, Qt::LeftButton, modifiers);
    }
    QCoreApplication::processEvents();
}

// A click at a point of the widget, delivered through its window as well.
inline void tapAt(QWidget* widget, QPoint point) {
    QCoreApplication::processEvents();
    QWidget* window = widget->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window, point));
    QCoreApplication::processEvents();
}

// Every label, button and field the user can see shows its whole text and lies inside the
// window sideways: a text wider than its widget must wrap, or be elided with the whole text in
// the tooltip. Returns the ones that do not, named with their text.
inline QStringList cutTexts(QWidget* window) {
    QCoreApplication::processEvents();
    QStringList cut;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != window) continue;
        // What the parents leave of it, in window coordinates.
        const QRect whole(w->mapTo(window, QPoint()), w->size());
        QRect shown = whole;
        for (const QWidget* p = w->parentWidget(); p;
             p = p->isWindow() ? nullptr : p->parentWidget())
            shown &= QRect(p->mapTo(window, QPoint()), p->size());
        if (shown.isEmpty()) continue; // scrolled away
        QString text;
        int needed = 0;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            text = label->text();
            needed = label->wordWrap() && label->heightForWidth(w->width()) <= w->height()
                         ? label->minimumSizeHint().width()
                         : label->sizeHint().width();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            text = button->text().remove('&');
        } else if (auto* field = qobject_cast<QLineEdit*>(w)) {
            text = field->text().isEmpty() ? field->placeholderText() : field->text();
        }
        if (!needed && !text.isEmpty()) needed = w->fontMetrics().horizontalAdvance(text) + 8;
        const QString name =
            w->metaObject()->className() + ("#" + w->objectName()) + " \"" + text + "\"";
        if (shown.left() > whole.left() || shown.right() < whole.right())
            cut << name + " outside";
        else if (needed > w->width() && w->toolTip().isEmpty())
            cut << name + QString(" needs %1 of %2").arg(needed).arg(w->width());
    }
    return cut;
}

} // namespace tolvane::test
