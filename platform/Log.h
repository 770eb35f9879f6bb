// The diagnostic log: one plain line per message, no levels.
#pragma once

#include <mutex>
#include <ostream>
#include <string>
#include <vector>

namespace tolvane {

class Log {
public:
    virtual ~Log() = default;
    virtual void write(const std::string& line) = 0;
};

// Writes each line to a stream (standard error in the application).
class StreamLog : public Log {
public:
    explicit StreamLog(std::ostream& out) : out_(out) {}
    void write(const std::string& line) override;

private:
    std::mutex mutex_;
    std::ostream& out_;
};

// Keeps the lines, for tests.
class MemoryLog : public Log {
public:
    void write(const std::string& line) override;
    std::vector<std::string> lines() const;
    bool contains(const std::string& line) const;
    bool containsPrefix(const std::string& prefix) const;
    void clear();

private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
};

// Discards every line.
class NullLog : public Log {
public:
    void write(const std::string&) override {}
};

} // namespace tolvane
