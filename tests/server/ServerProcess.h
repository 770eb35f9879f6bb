#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace tolvane::server::test {

struct CommandResult {
    int exitCode = -1;
    std::string output; // stdout and stderr together
};

// Runs the server program with `args` to completion.
CommandResult runServerCommand(const std::vector<std::string>& args);

// The server program running "serve"; stopped with SIGTERM when destroyed.
class ServerProcess {
public:
    // Starts it and waits for its "listening on" line; throws when it does not come.
    explicit ServerProcess(const std::vector<std::string>& args);
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    int port() const { return port_; }
    const std::string& firstLine() const { return firstLine_; }
    // Sends SIGTERM and returns the exit code (-1 when it did not exit normally).
    int stop();

private:
    pid_t pid_ = -1;
    int stdoutFd_ = -1;
    int port_ = 0;
    std::string firstLine_;
};

} // namespace tolvane::server::test
