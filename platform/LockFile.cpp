#include "platform/LockFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>

namespace tolvane {
namespace {

namespace fs = std::filesystem;

// How often a file that changed under an attempt (another copy starting or ending at the same
// moment) is tried again before it counts as held by that copy.
constexpr int kAttempts = 20;

std::string folderOf(const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

bool folderTakesFiles(const std::string& path) {
    return ::access(folderOf(path).c_str(), W_OK) == 0;
}

// The program's file name, as older copies compare it with the running process's.
std::string programName() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec || exe.filename().empty() ? std::string("tolvane") : exe.filename().string();
}

} // namespace

std::string LockFile::forFolderOf(const std::string& file) {
    std::error_code error;
    const fs::path full = fs::absolute(file, error);
    return ((error ? fs::path(file) : full).parent_path() / folderLockName).string();
}

LockFile::LockFile(std::string path) : path_(std::move(path)) {}

LockFile::~LockFile() {
    if (fd_ < 0) return;
    // Removed while still locked, so that no starting copy locks the file on its way out.
    if (stillAtPath(fd_)) ::unlink(path_.c_str());
    ::close(fd_);
}

LockFile::Claim LockFile::claim() {
    if (fd_ >= 0) return Claim::Taken;
    Claim claim = Claim::Held;
    for (int i = 0; i < kAttempts; ++i)
        if (attempt(claim)) return claim;
    return Claim::Held;
}

bool LockFile::attempt(Claim& claim) {
    int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    const bool ours = fd >= 0;
    // Another user's file can still be locked for reading, which is all a check needs.
    if (!ours) fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        const int error = errno;
        if (!folderTakesFiles(path_)) { // read-only or gone
            claim = Claim::Unavailable;
            return true;
        }
        if (error == ENOENT) return false; // removed meanwhile
        // Unreadable (another user's, a link): its holder cannot be proven alive.
        if (::unlink(path_.c_str()) == 0 || errno == ENOENT) return false;
        claim = Claim::CannotTake;
        return true;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EINTR) return false;
        claim = error == EWOULDBLOCK ? Claim::Held : Claim::Unavailable;
        return true;
    }
    // A copy that ended or took the file over meanwhile left this one unlinked.
    if (!stillAtPath(fd)) {
        ::close(fd);
        return false;
    }
    if (ours) {
        writeOwner(fd);
        fd_ = fd;
        claim = Claim::Taken;
        return true;
    }
    // Stale but not ours to write: removed while locked, then made anew.
    const bool removed = ::unlink(path_.c_str()) == 0;
    ::close(fd);
    if (removed) return false;
    claim = folderTakesFiles(path_) ? Claim::CannotTake : Claim::Unavailable;
    return true;
}

bool LockFile::stillAtPath(int fd) const {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::lstat(path_.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

void LockFile::writeOwner(int fd) const {
    char host[HOST_NAME_MAX + 1] = {};
    if (::gethostname(host, sizeof host - 1) != 0) host[0] = '\0';
    const std::string text = std::to_string(::getpid()) + "\n" + programName() + "\n" + host + "\n";
    // Best effort: the lock holds without its text (a full disk).
    if (::ftruncate(fd, 0) == 0) (void)!::pwrite(fd, text.data(), text.size(), 0);
}

} // namespace tolvane
