// Alert boxes. Title, message and buttons are string-table keys; the host looks them up.
// Alerts never block: the chosen button arrives later through the callback.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace tolvane {

struct AlertRequest {
    std::string title;
    std::string message;
    std::vector<std::string> buttons; // one to three, shown in this order
    // The button that Escape (or closing the box) stands for: the harmless answer.
    int escapeButton = 0;
};

using AlertAnswer = std::function<void(int buttonIndex)>;

class Alerts {
public:
    virtual ~Alerts() = default;
    virtual void show(const AlertRequest& alert, AlertAnswer answer = {}) = 0;
};

// Records alerts; a test answers them in order.
class FakeAlerts : public Alerts {
public:
    void show(const AlertRequest& alert, AlertAnswer answer = {}) override;
    const std::vector<AlertRequest>& shown() const { return shown_; }
    bool hasPending() const { return !pending_.empty(); }
    const AlertRequest& firstPending() const { return pending_.front().first; }
    // Answers the oldest open alert with the button index; false when none is open.
    bool answer(int buttonIndex);
    void clear();

private:
    std::vector<AlertRequest> shown_;
    std::deque<std::pair<AlertRequest, AlertAnswer>> pending_;
};

} // namespace tolvane
