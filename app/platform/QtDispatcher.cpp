#include "app/platform/QtDispatcher.h"

#include <QTimer>

#include <cmath>

namespace tolvane {

QtDispatcher::QtDispatcher() = default;

void QtDispatcher::runOnUiThread(Task task) {
    QMetaObject::invokeMethod(
        this, [task = std::move(task)] { task(); }, Qt::QueuedConnection);
}

void QtDispatcher::runLater(double seconds, Task task) {
    const int ms = seconds > 0 ? int(std::lround(seconds * 1000)) : 0;
    // The timer is started on the GUI thread, whichever thread asks.
    QMetaObject::invokeMethod(
        this, [this, ms, task = std::move(task)] { QTimer::singleShot(ms, this, task); },
        Qt::QueuedConnection);
}

} // namespace tolvane
