#include "Analytics.h"

#include <algorithm>

namespace tolvane {

void MemoryAnalytics::startSession(const std::string& applicationKey) {
    std::lock_guard lock(mutex_);
    sessionKey_ = applicationKey;
}

void MemoryAnalytics::logEvent(const std::string& name, const AnalyticsParameters& parameters) {
    std::lock_guard lock(mutex_);
    events_.push_back({name, parameters});
}

std::vector<AnalyticsEvent> MemoryAnalytics::events() const {
    std::lock_guard lock(mutex_);
    return events_;
}

bool MemoryAnalytics::has(const std::string& name) const {
    std::lock_guard lock(mutex_);
    return std::any_of(events_.begin(), events_.end(),
                       [&](const AnalyticsEvent& e) { return e.name == name; });
}

std::string MemoryAnalytics::sessionKey() const {
    std::lock_guard lock(mutex_);
    return sessionKey_;
}

} // namespace tolvane
