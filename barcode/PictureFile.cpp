#include "barcode/PictureFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tolvane {

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

PictureFileError statError() {
    return errno == ENOENT || errno == ENOTDIR ? PictureFileError::Missing
                                               : PictureFileError::Unreadable;
}

} // namespace

PictureBytes readPictureFile(const std::string& path, std::size_t maxBytes,
                             std::chrono::steady_clock::time_point deadline,
                             const std::atomic<bool>* stop) {
    PictureBytes read;
    // A named pipe opened for reading waits for a writer for ever: it is looked at first, and
    // opened without blocking, so that one put in its place meanwhile is not waited on either.
    struct stat about {};
    if (::stat(path.c_str(), &about) != 0) return {statError(), {}};
    if (!S_ISREG(about.st_mode)) return {PictureFileError::NotAFile, {}};
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) return {statError(), {}};
    if (::fstat(file.get(), &about) != 0) return {PictureFileError::Unreadable, {}};
    if (!S_ISREG(about.st_mode)) return {PictureFileError::NotAFile, {}};
    if (about.st_size < 0 || static_cast<std::uintmax_t>(about.st_size) > maxBytes)
        return {PictureFileError::TooLarge, {}};
    read.bytes.reserve(static_cast<std::size_t>(about.st_size));
    constexpr std::size_t kChunk = std::size_t{1} << 20;
    while (true) {
        if (stop && stop->load()) return {PictureFileError::Stopped, {}};
        if (std::chrono::steady_clock::now() > deadline) return {PictureFileError::Unreadable, {}};
        const std::size_t had = read.bytes.size();
        // One byte past the bound tells a file that grew beyond it.
        const std::size_t wanted = std::min(kChunk, maxBytes + 1 - had);
        read.bytes.resize(had + wanted);
        const ssize_t got = ::read(file.get(), read.bytes.data() + had, wanted);
        if (got < 0 && errno == EINTR) {
            read.bytes.resize(had);
            continue;
        }
        if (got < 0) return {PictureFileError::Unreadable, {}};
        read.bytes.resize(had + static_cast<std::size_t>(got));
        if (got == 0) break;
        if (read.bytes.size() > maxBytes) return {PictureFileError::TooLarge, {}};
    }
    return read;
}

} // namespace tolvane
