// The command-line tools write a catalogue file only while they hold its folder's lock, which a
// running program holds too: two writers would upload the same own products twice, or write
// pages between each other's.
#pragma once

#include "platform/LockFile.h"

#include <iostream>
#include <string>

namespace tolvane {

// Claims the folder lock of file for tool; false, with the reason on standard error, when
// another program holds it or a stale one cannot be taken. A folder without locks (read-only)
// is no reason to refuse: nothing can be written there anyway.
inline bool claimFolderLock(LockFile& lock, const std::string& tool) {
    switch (lock.claim()) {
    case LockFile::Claim::Taken:
    case LockFile::Claim::Unavailable:
        return true;
    case LockFile::Claim::Held:
        std::cerr << tool << ": Tolvane or another tool is using this folder (" << lock.path()
                  << " is held); close it and try again\n";
        return false;
    case LockFile::Claim::CannotTake:
        break;
    }
    std::cerr << tool << ": the lock file " << lock.path()
              << " is left from an earlier run and cannot be taken over; remove it\n";
    return false;
}

} // namespace tolvane
