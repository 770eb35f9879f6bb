#include "tests/support/ServerProcess.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <stdexcept>

extern char** environ;

namespace tolvane::test {
namespace {

constexpr auto kStartTimeout = std::chrono::seconds(60);

// The program's standard output (and errors) go to readFd; -1 when it cannot be started.
pid_t spawn(const std::vector<std::string>& arguments, int& readFd, bool withErrors) {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    if (withErrors) posix_spawn_file_actions_adddup2(&actions, fds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addclose(&actions, fds[1]);
    std::vector<std::string> all = arguments;
    std::vector<char*> argv;
    for (std::string& argument : all)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
        close(fds[0]);
        return -1;
    }
    readFd = fds[0];
    return pid;
}

int exitCodeOf(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Sends one request and reads the answer to its end.
void askOnce(int port) {
    const int fd = connectLoopback(port);
    if (fd < 0) return;
    const std::string request =
        "GET /ready HTTP/1.0\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
    if (write(fd, request.data(), request.size()) == static_cast<ssize_t>(request.size())) {
        char buffer[512];
        pollfd waiting{fd, POLLIN, 0};
        while (poll(&waiting, 1, 10000) > 0 && read(fd, buffer, sizeof buffer) > 0) {
        }
    }
    close(fd);
}

} // namespace

int connectLoopback(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd >= 0 && connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
        return fd;
    if (fd >= 0) close(fd);
    return -1;
}

std::string serverProgram() {
    return TOLVANE_PRODUCT_SERVER;
}

int runProgram(const std::vector<std::string>& arguments, std::string* output, bool withErrors) {
    int fd = -1;
    const pid_t pid = spawn(arguments, fd, withErrors);
    if (pid < 0) return -1;
    std::string text;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = read(fd, buffer, sizeof buffer)) != 0) {
        if (n < 0) {
            if (errno == EINTR) continue;
            break;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return -1;
    if (output) *output = text;
    return exitCodeOf(status);
}

ServerProcess::ServerProcess(const std::string& dbPath, const std::vector<std::string>& extra) {
    std::vector<std::string> all{serverProgram(), "serve", "--db", dbPath, "--port", "0"};
    all.insert(all.end(), extra.begin(), extra.end());
    pid_ = spawn(all, output_, false);
    if (pid_ < 0) throw std::runtime_error("cannot start " + all[0]);
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    std::string line;
    while (line.empty() || line.back() != '\n') {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd waiting{output_, POLLIN, 0};
        if (left.count() <= 0 || poll(&waiting, 1, static_cast<int>(left.count())) <= 0) break;
        char c = 0;
        if (read(output_, &c, 1) != 1) break;
        line += c;
    }
    const std::string prefix = "listening on http://127.0.0.1:";
    if (!line.starts_with(prefix) || !line.ends_with("/\n")) {
        stop();
        throw std::runtime_error("server did not start; it said: " + line);
    }
    port_ = std::stoi(line.substr(prefix.size()));
    askOnce(port_);
}

ServerProcess::~ServerProcess() {
    stop();
}

int ServerProcess::stop() {
    int code = -1;
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        pid_t done = 0;
        while ((done = waitpid(pid_, &status, WNOHANG)) == 0 || (done < 0 && errno == EINTR)) {
            if (std::chrono::steady_clock::now() > deadline) {
                kill(pid_, SIGKILL);
                waitpid(pid_, &status, 0);
                break;
            }
            usleep(10000);
        }
        code = exitCodeOf(status);
    }
    pid_ = -1;
    if (output_ >= 0) close(output_);
    output_ = -1;
    return code;
}

} // namespace tolvane::test
