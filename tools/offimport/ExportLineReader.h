// The lines of an export file, plain or gzip-compressed (zlib tells them apart by their first
// bytes, whatever the file's name), read as a stream: memory stays within one line's limit
// however large the file is.
//
// A line ends at "\n"; a "\r" before it is dropped. A line longer than the limit is skipped
// whole and counted, so a field of megabytes costs its reading, not its memory.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace tolvane {

class ExportLineReader {
public:
    static constexpr std::size_t kDefaultLineLimit = std::size_t{1} << 20;

    // Throws ExportError when the file cannot be opened.
    explicit ExportLineReader(const std::string& path, std::size_t lineLimit = kDefaultLineLimit);
    ~ExportLineReader();
    ExportLineReader(const ExportLineReader&) = delete;
    ExportLineReader& operator=(const ExportLineReader&) = delete;

    // The next line, valid until the next call; false at the end. Throws ExportError when the
    // file cannot be read on (a damaged or cut gzip stream).
    bool next(std::string_view& line);

    // The number of the line last returned, counting from 1 (skipped lines included).
    long long lineNumber() const { return lineNumber_; }
    long long linesTooLong() const { return tooLong_; }
    // Bytes of the file as stored (compressed ones for a gzip file) read so far.
    long long bytesRead() const;

private:
    bool fill(); // reads more; false at the end

    struct File;
    std::unique_ptr<File> file_;
    std::string path_;
    std::size_t limit_;
    std::string buffer_;
    std::size_t start_ = 0; // the unread part of buffer_ begins here
    bool ended_ = false;
    long long lineNumber_ = 0;
    long long tooLong_ = 0;
};

} // namespace tolvane
