#include "app/platform/FileAnalytics.h"

#include <nlohmann/json.hpp>

#include <chrono>
#include <ctime>
#include <fstream>
#include <utility>

namespace tolvane {
namespace {

std::string utcNow() {
    std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm parts{};
    gmtime_r(&now, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}

// One line of the file; bytes that are not UTF-8 become U+FFFD instead of throwing.
std::string jsonLine(const nlohmann::ordered_json& line) {
    return line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace

FileAnalytics::FileAnalytics(std::string path, std::function<std::string()> clock)
    : path_(std::move(path)), clock_(clock ? std::move(clock) : utcNow) {}

void FileAnalytics::startSession(const std::string& applicationKey) {
    append(jsonLine({{"time", clock_()}, {"session", applicationKey}}));
}

void FileAnalytics::logEvent(const std::string& name, const AnalyticsParameters& parameters) {
    nlohmann::ordered_json line{{"time", clock_()}, {"event", name}};
    if (!parameters.empty()) line["parameters"] = parameters;
    append(jsonLine(line));
}

void FileAnalytics::append(const std::string& line) {
    std::lock_guard lock(mutex_);
    std::ofstream out(path_, std::ios::app | std::ios::binary);
    if (out) out << line << '\n';
}

} // namespace tolvane
