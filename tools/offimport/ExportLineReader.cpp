#include "tools/offimport/ExportLineReader.h"

#include "tools/offimport/ExportError.h"

#include <zlib.h>

#include <cstring>

namespace tolvane {

namespace {
constexpr std::size_t kChunk = std::size_t{1} << 20;
}

struct ExportLineReader::File {
    gzFile handle = nullptr;
    ~File() {
        if (handle) gzclose(handle);
    }
};

ExportLineReader::ExportLineReader(const std::string& path, std::size_t lineLimit)
    : file_(std::make_unique<File>()), path_(path), limit_(lineLimit) {
    file_->handle = gzopen(path.c_str(), "rb");
    if (!file_->handle) throw ExportError(path + ": cannot be opened");
    gzbuffer(file_->handle, 256 * 1024);
    buffer_.reserve(kChunk + limit_);
}

ExportLineReader::~ExportLineReader() = default;

long long ExportLineReader::bytesRead() const {
    return static_cast<long long>(gzoffset(file_->handle));
}

bool ExportLineReader::fill() {
    if (ended_) return false;
    buffer_.erase(0, start_);
    start_ = 0;
    const std::size_t had = buffer_.size();
    buffer_.resize(had + kChunk);
    const int got = gzread(file_->handle, buffer_.data() + had, static_cast<unsigned>(kChunk));
    if (got < 0) {
        int code = 0;
        const char* message = gzerror(file_->handle, &code);
        throw ExportError(path_ + ": cannot be read on after line " + std::to_string(lineNumber_) +
                          " (" + message + ")");
    }
    buffer_.resize(had + static_cast<std::size_t>(got));
    if (got == 0) {
        // A gzip stream cut short reads as its end; zlib says so here.
        int code = 0;
        gzerror(file_->handle, &code);
        if (code != Z_OK)
            throw ExportError(path_ + ": cut short or damaged after line " +
                              std::to_string(lineNumber_));
        ended_ = true;
        return false;
    }
    return true;
}

bool ExportLineReader::next(std::string_view& line) {
    bool skipping = false; // within a line past the limit
    for (;;) {
        const char* begin = buffer_.data() + start_;
        const std::size_t available = buffer_.size() - start_;
        const void* end = std::memchr(begin, '\n', available);
        if (end) {
            const std::size_t length = static_cast<const char*>(end) - begin;
            start_ += length + 1;
            ++lineNumber_;
            if (skipping || length > limit_) {
                ++tooLong_;
                skipping = false;
                continue;
            }
            line = std::string_view(begin, length);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            return true;
        }
        if (available > limit_) { // no line end within the limit: drop what was read of it
            skipping = true;
            start_ = buffer_.size();
        }
        if (!fill()) {
            if (buffer_.size() == start_) {
                if (skipping) {
                    ++lineNumber_;
                    ++tooLong_;
                }
                return false;
            }
            // The last line has no line end.
            ++lineNumber_;
            line = std::string_view(buffer_.data() + start_, buffer_.size() - start_);
            start_ = buffer_.size();
            if (skipping) {
                ++tooLong_;
                return false;
            }
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            return true;
        }
    }
}

} // namespace tolvane
