// Starts the reference product server for a test and stops it again.
#pragma once

#include <string>
#include <vector>

#include <sys/types.h>

namespace tolvane::test {

// Runs a program to its end; its exit status, or -1 when it could not be started.
int runProgram(const std::vector<std::string>& arguments, std::string* output = nullptr);

class ServerProcess {
public:
    // Runs `serve --db dbPath --port 0` with the extra arguments and waits for its address.
    ServerProcess(const std::string& dbPath, const std::vector<std::string>& extra = {});
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    bool started() const { return !url_.empty(); }
    // "http://127.0.0.1:PORT/"
    const std::string& url() const { return url_; }
    void stop();

private:
    pid_t pid_ = -1;
    int output_ = -1;
    std::string url_;
};

std::string serverProgram();

} // namespace tolvane::test
