#include "app/platform/FileAnalytics.h"

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

} // namespace

FileAnalytics::FileAnalytics(std::string path, std::function<std::string()> clock)
    : path_(std::move(path)), clock_(clock ? std::move(clock) : utcNow) {}

std::string FileAnalytics::jsonString(const std::string& text) {
    static constexpr char hex[] = "0123456789abcdef";
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 15];
            } else {
                out += char(c);
            }
        }
    }
    return out + "\"";
}

void FileAnalytics::startSession(const std::string& applicationKey) {
    append("{\"time\":" + jsonString(clock_()) + ",\"session\":" + jsonString(applicationKey) +
           "}");
}

void FileAnalytics::logEvent(const std::string& name, const AnalyticsParameters& parameters) {
    std::string line = "{\"time\":" + jsonString(clock_()) + ",\"event\":" + jsonString(name);
    if (!parameters.empty()) {
        line += ",\"parameters\":{";
        bool first = true;
        for (const auto& [k, v] : parameters) {
            line += (first ? "" : ",") + jsonString(k) + ":" + jsonString(v);
            first = false;
        }
        line += "}";
    }
    append(line + "}");
}

void FileAnalytics::append(const std::string& line) {
    std::lock_guard lock(mutex_);
    std::ofstream out(path_, std::ios::app | std::ios::binary);
    if (out) out << line << '\n';
}

} // namespace tolvane
