// A lock file that proves its holder alive: the holder keeps an advisory lock (flock) on it,
// which the system drops when the process ends in any way. So a file left by a killed copy,
// one a power cut left empty, one with other bytes or one another user left behind holds
// nothing up: whoever can lock it may take it over. Only a file that is locked now belongs to
// a running copy. The file's text (pid, program, host) is what older copies read.
//
// Plain C++; made, used and destroyed on one thread.
#pragma once

#include <string>

namespace tolvane {

class LockFile {
public:
    enum class Claim {
        Taken, // this object holds the file until it is destroyed
        Held,  // a running program holds it
        // No lock can be had here: a read-only folder (where nothing can be saved either) or a
        // file system without locks.
        Unavailable,
        CannotTake, // a stale file that can be neither taken nor removed; path() names it
    };

    // The lock of a documents folder: the program and the command-line tools that write the
    // folder's files hold it, so that only one writes them at a time.
    static constexpr const char* folderLockName = "Tolvane.lock";
    // The folder lock of the folder that holds file.
    static std::string forFolderOf(const std::string& file);

    explicit LockFile(std::string path);
    ~LockFile();
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    // Takes the file, or says why not; a second call once Taken answers Taken.
    Claim claim();
    const std::string& path() const { return path_; }

private:
    // One attempt; false when the file changed under it and the attempt must be repeated.
    bool attempt(Claim& claim);
    // The open file fd is locked by this object: true when the path still names it.
    bool stillAtPath(int fd) const;
    void writeOwner(int fd) const;

    std::string path_;
    int fd_ = -1;
};

} // namespace tolvane
