// Alert boxes as cards over the window (AlertBox); show() returns at once and the answer
// arrives by callback.
#pragma once

#include "platform/Alerts.h"
#include "platform/Strings.h"

#include <QPointer>
#include <QWidget>

namespace tolvane {

class QtAlerts : public Alerts {
public:
    explicit QtAlerts(const Strings& strings) : strings_(strings) {}

    // Boxes open over this window (none: free-standing).
    void setWindow(QWidget* window) { window_ = window; }
    void show(const AlertRequest& alert, AlertAnswer answer = {}) override;

private:
    const Strings& strings_;
    QPointer<QWidget> window_;
};

} // namespace tolvane
