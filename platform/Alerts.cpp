#include "Alerts.h"

namespace tolvane {

void FakeAlerts::show(const AlertRequest& alert, AlertAnswer answer) {
    shown_.push_back(alert);
    pending_.emplace_back(alert, std::move(answer));
}

bool FakeAlerts::answer(int buttonIndex) {
    if (pending_.empty()) return false;
    auto callback = std::move(pending_.front().second);
    pending_.pop_front();
    if (callback) callback(buttonIndex);
    return true;
}

void FakeAlerts::clear() {
    shown_.clear();
    pending_.clear();
}

} // namespace tolvane
