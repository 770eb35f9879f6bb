#include "ServerProcess.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

extern char** environ;

namespace tolvane::server::test {

namespace {

constexpr auto kStartTimeout = std::chrono::seconds(60);

pid_t spawn(const std::vector<std::string>& args, int& readFd, bool withStderr) {
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    if (withStderr) posix_spawn_file_actions_adddup2(&actions, fds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addclose(&actions, fds[1]);

    std::vector<std::string> all{TOLVANE_PRODUCT_SERVER};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : all)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
        close(fds[0]);
        throw std::runtime_error("cannot start " + all[0]);
    }
    readFd = fds[0];
    return pid;
}

int exitCodeOf(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

CommandResult runServerCommand(const std::vector<std::string>& args) {
    int fd = -1;
    pid_t pid = spawn(args, fd, true);
    CommandResult result;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = read(fd, buffer, sizeof buffer)) != 0) {
        if (n < 0) {
            if (errno == EINTR) continue;
            break;
        }
        result.output.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    result.exitCode = exitCodeOf(pid);
    return result;
}

ServerProcess::ServerProcess(const std::vector<std::string>& args) {
    pid_ = spawn(args, stdoutFd_, false);
    auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    std::string line;
    while (line.empty() || line.back() != '\n') {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd waiting{stdoutFd_, POLLIN, 0};
        if (left.count() <= 0 || poll(&waiting, 1, static_cast<int>(left.count())) <= 0) break;
        char c = 0;
        if (read(stdoutFd_, &c, 1) != 1) break;
        line += c;
    }
    const std::string prefix = "listening on http://127.0.0.1:";
    if (!line.starts_with(prefix) || !line.ends_with("/\n")) {
        stop();
        throw std::runtime_error("server did not start; it said: " + line);
    }
    firstLine_ = line.substr(0, line.size() - 1);
    port_ = std::stoi(line.substr(prefix.size()));
}

ServerProcess::~ServerProcess() {
    stop();
}

int ServerProcess::stop() {
    if (pid_ < 0) return -1;
    kill(pid_, SIGTERM);
    int code = exitCodeOf(pid_);
    pid_ = -1;
    if (stdoutFd_ >= 0) close(stdoutFd_);
    stdoutFd_ = -1;
    return code;
}

} // namespace tolvane::server::test
