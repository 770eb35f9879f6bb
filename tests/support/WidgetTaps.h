// Pressing widgets as a user does: the click lands on the window at the widget's visible
// centre, so whatever lies on top there (a label, another screen, a dialog) takes it.
#pragma once

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

// Types the text into the widget key by key, in any script (QTest::keyClicks takes Latin-1 only).
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        for (auto action : {QTest::Press, QTest::Release})
            QTest::sendKeyEvent(action, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace tolvane::test
