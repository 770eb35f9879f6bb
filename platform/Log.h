// The diagnostic log: one plain line per message. A warning is a line a user at a terminal
// should see as well: a fault, never personal data.
#pragma once

#include <filesystem>
#include <fstream>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

namespace tolvane {

class Log {
public:
    virtual ~Log() = default;
    virtual void write(const std::string& line) = 0;
    virtual void warn(const std::string& line) { write(line); }
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

// The application's log: every line to a file in the documents folder (the previous run's
// lines kept beside it once the file passes a megabyte), warnings to the terminal too. A file
// that cannot be opened loses the diagnostic lines, never the warnings.
class FileLog : public Log {
public:
    FileLog(const std::filesystem::path& file, std::ostream& terminal);
    void write(const std::string& line) override;
    void warn(const std::string& line) override;

private:
    std::mutex mutex_;
    std::ofstream file_;
    std::ostream& terminal_;
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
