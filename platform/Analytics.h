// Usage analytics: a session start and named events with optional text parameters.
#pragma once

#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace tolvane {

using AnalyticsParameters = std::map<std::string, std::string>;

class Analytics {
public:
    virtual ~Analytics() = default;
    virtual void startSession(const std::string& applicationKey) = 0;
    virtual void logEvent(const std::string& name, const AnalyticsParameters& parameters = {}) = 0;
};

struct AnalyticsEvent {
    std::string name;
    AnalyticsParameters parameters;
};

class MemoryAnalytics : public Analytics {
public:
    void startSession(const std::string& applicationKey) override;
    void logEvent(const std::string& name, const AnalyticsParameters& parameters = {}) override;
    std::vector<AnalyticsEvent> events() const;
    bool has(const std::string& name) const;
    std::string sessionKey() const;

private:
    mutable std::mutex mutex_;
    std::string sessionKey_;
    std::vector<AnalyticsEvent> events_;
};

} // namespace tolvane
