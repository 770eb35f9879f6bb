// Runs tasks on the GUI thread: queued for "now", by a timer for later.
#pragma once

#include "platform/Dispatcher.h"

#include <QObject>

namespace tolvane {

class QtDispatcher : public QObject, public Dispatcher {
    Q_OBJECT
public:
    // Create on the GUI thread.
    QtDispatcher();
    void runOnUiThread(Task task) override;
    void runLater(double seconds, Task task) override;
};

} // namespace tolvane
