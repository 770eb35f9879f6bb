// Runs a check in a child process that cannot write where root could (tests run as root in CI).
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace tolvane::test {

// The child's exit code is work's result; 90 when it could not drop root, 99 when it crashed.
inline int runUnprivileged(const std::function<int()>& work) {
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && setuid(65534) != 0) _exit(90);
        _exit(work());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

} // namespace tolvane::test
