// Starts the reference product server for a test and stops it again, and runs programs to
// their end.
#pragma once

#include <string>
#include <vector>

#include <sys/types.h>

namespace tolvane::test {

// The reference server program of this build.
std::string serverProgram();

// Runs a program to its end: its exit status, or -1 when it could not be started or did not
// exit normally. output receives its standard output, with withErrors its errors as well.
int runProgram(const std::vector<std::string>& arguments, std::string* output = nullptr,
               bool withErrors = false);

// A socket connected to the port on 127.0.0.1; -1 when that fails.
int connectLoopback(int port);

// The server program serving; stopped when destroyed.
class ServerProcess {
public:
    // Runs `serve --db dbPath --port 0` followed by the extra arguments and waits for its
    // "listening on http://127.0.0.1:PORT/" line and one answered request, so that a stop
    // signal is heard. Throws when it does not start.
    explicit ServerProcess(const std::string& dbPath, const std::vector<std::string>& extra = {});
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    int port() const { return port_; }
    // "http://127.0.0.1:PORT/"
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/"; }
    // Sends SIGTERM (SIGKILL when that is not heard within seconds); the exit status, or -1
    // when it did not exit normally.
    int stop();

private:
    pid_t pid_ = -1;
    int output_ = -1; // kept open: a server writing to a closed pipe would die of SIGPIPE
    int port_ = 0;
};

} // namespace tolvane::test
