// Usage analytics kept on the machine: one JSON line per session start and event,
// appended to analytics.jsonl in the documents directory.
#pragma once

#include "platform/Analytics.h"

#include <functional>
#include <mutex>
#include <string>

namespace tolvane {

class FileAnalytics : public Analytics {
public:
    // clock: the time stamp written with each line (UTC, ISO 8601 by default).
    explicit FileAnalytics(std::string path, std::function<std::string()> clock = {});

    void startSession(const std::string& applicationKey) override;
    void logEvent(const std::string& name, const AnalyticsParameters& parameters = {}) override;

private:
    void append(const std::string& line);

    std::mutex mutex_;
    std::string path_;
    std::function<std::string()> clock_;
};

} // namespace tolvane
