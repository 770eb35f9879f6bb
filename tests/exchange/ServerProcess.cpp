#include "ServerProcess.h"

#include "exchange/FormDataRequest.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>

#include <poll.h>
#include <unistd.h>

extern char** environ;

namespace tolvane::test {

std::string serverProgram() {
    return TOLVANE_TEST_SERVER;
}

namespace {

pid_t spawn(const std::vector<std::string>& arguments, int stdoutFd) {
    std::vector<char*> argv;
    for (const auto& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stdoutFd >= 0) posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
    pid_t pid = -1;
    int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
}

// Reads from fd until a newline or the deadline; appends to out.
bool readLine(int fd, std::string& out, std::chrono::seconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (out.find('\n') == std::string::npos) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                        deadline - std::chrono::steady_clock::now())
                        .count();
        if (left <= 0) return false;
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left)) <= 0) continue;
        char buffer[512];
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) return false;
        out.append(buffer, static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

int runProgram(const std::vector<std::string>& arguments, std::string* output) {
    int fds[2];
    if (::pipe(fds) != 0) return -1;
    pid_t pid = spawn(arguments, fds[1]);
    ::close(fds[1]);
    std::string text;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, n);
    ::close(fds[0]);
    if (pid < 0) return -1;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (output) *output = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

ServerProcess::ServerProcess(const std::string& dbPath, const std::vector<std::string>& extra) {
    std::vector<std::string> arguments{serverProgram(), "serve", "--db", dbPath, "--port", "0"};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    int fds[2];
    if (::pipe(fds) != 0) return;
    pid_ = spawn(arguments, fds[1]);
    ::close(fds[1]);
    std::string line;
    if (pid_ > 0 && readLine(fds[0], line, std::chrono::seconds(30))) {
        const std::string prefix = "listening on ";
        auto at = line.find(prefix);
        if (at != std::string::npos) {
            url_ = line.substr(at + prefix.size());
            url_ = url_.substr(0, url_.find_first_of("\r\n"));
        }
    }
    // Kept open: a server writing to a closed pipe would die of SIGPIPE.
    output_ = fds[0];
    // One answered request shows the server is in its accept loop, where a stop signal is heard.
    if (!url_.empty()) {
        auto probe = FormDataRequest::requestWithURL(url_ + "ready");
        probe->startSynchronous();
    }
}

ServerProcess::~ServerProcess() {
    stop();
}

void ServerProcess::stop() {
    if (pid_ <= 0) {
        if (output_ >= 0) ::close(output_);
        output_ = -1;
        return;
    }
    ::kill(pid_, SIGTERM);
    // A server that has not yet reached its accept loop may miss the signal: insist after a while.
    int status = 0;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (::waitpid(pid_, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
            break;
        }
        ::usleep(10000);
    }
    pid_ = -1;
    url_.clear();
    if (output_ >= 0) ::close(output_);
    output_ = -1;
}

} // namespace tolvane::test
