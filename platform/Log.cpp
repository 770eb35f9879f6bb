#include "Log.h"

#include <algorithm>

namespace tolvane {

void StreamLog::write(const std::string& line) {
    std::lock_guard lock(mutex_);
    out_ << line << '\n';
    out_.flush();
}

void MemoryLog::write(const std::string& line) {
    std::lock_guard lock(mutex_);
    lines_.push_back(line);
}

std::vector<std::string> MemoryLog::lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
}

bool MemoryLog::contains(const std::string& line) const {
    std::lock_guard lock(mutex_);
    return std::find(lines_.begin(), lines_.end(), line) != lines_.end();
}

bool MemoryLog::containsPrefix(const std::string& prefix) const {
    std::lock_guard lock(mutex_);
    return std::any_of(lines_.begin(), lines_.end(),
                       [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
}

void MemoryLog::clear() {
    std::lock_guard lock(mutex_);
    lines_.clear();
}

} // namespace tolvane
