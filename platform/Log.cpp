#include "Log.h"

#include <algorithm>

namespace tolvane {

void StreamLog::write(const std::string& line) {
    std::lock_guard lock(mutex_);
    out_ << line << '\n';
    out_.flush();
}

FileLog::FileLog(const std::filesystem::path& file, std::ostream& terminal) : terminal_(terminal) {
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    constexpr std::uintmax_t kept = 1 << 20;
    const auto size = std::filesystem::file_size(file, ignored);
    if (!ignored && size > kept) {
        auto previous = file;
        previous += ".1";
        std::filesystem::rename(file, previous, ignored);
    }
    file_.open(file, std::ios::app);
}

void FileLog::write(const std::string& line) {
    std::lock_guard lock(mutex_);
    if (!file_.is_open()) return;
    file_ << line << '\n';
    file_.flush();
}

void FileLog::warn(const std::string& line) {
    write(line);
    std::lock_guard lock(mutex_);
    terminal_ << line << '\n';
    terminal_.flush();
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
