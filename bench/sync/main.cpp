// sync_bench: a full catalogue update of a synthetic catalogue (10,000 products by default)
// from the reference server on loopback into an empty catalogue file, with where the time went.
#include "exchange/CatalogueUpdate.h"
#include "platform/Platform.h"
#include "store/Database.h"
#include "tools/sync/ConsoleListener.h"
#include "tools/sync/EventLoop.h"

#include <sqlite3.h>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace tolvane;
namespace fs = std::filesystem;

namespace {

std::string fixed(double value, int decimals) {
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

double seconds(std::chrono::nanoseconds d) {
    return std::chrono::duration<double>(d).count();
}

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

int waitFor(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool run(const std::vector<std::string>& arguments) {
    int devnull = ::open("/dev/null", O_WRONLY);
    pid_t pid = spawn(arguments, devnull);
    ::close(devnull);
    return pid > 0 && waitFor(pid) == 0;
}

bool emptyCatalogue(const std::string& path) {
    sqlite3* db = nullptr;
    bool ok = sqlite3_open(path.c_str(), &db) == SQLITE_OK &&
              sqlite3_exec(db,
                           "DELETE FROM ProductsTable; UPDATE Timestamp SET rows = '0', "
                           "dtimestamp = NULL WHERE rowid = 1; VACUUM;",
                           nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    int count = 10000;
    for (int i = 1; i + 1 < argc; i += 2)
        if (std::string(argv[i]) == "--count") count = std::max(1, std::atoi(argv[i + 1]));

    const fs::path dir =
        fs::temp_directory_path() / ("tolvane-sync-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string synthetic = (dir / "synthetic.db").string();
    const std::string tsv = (dir / "synthetic.tsv").string();
    const std::string serverDb = (dir / "server.db").string();
    const std::string clientDb = (dir / "Tolvane.db").string();

    std::cout << "catalogue: " << std::to_string(count) << " synthetic products\n";
    if (!run({TOLVANE_BENCH_CATALOGUE, "synthetic", "--count", std::to_string(count), "--out",
              synthetic, "--tsv", tsv}) ||
        !run({TOLVANE_BENCH_SERVER, "import", "--db", serverDb, "--products", tsv})) {
        std::cerr << "could not prepare the catalogue in " << dir << "\n";
        return 1;
    }
    fs::copy_file(synthetic, clientDb, fs::copy_options::overwrite_existing);
    if (!emptyCatalogue(clientDb)) {
        std::cerr << "could not empty the copy\n";
        return 1;
    }

    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return 1;
    pid_t server =
        spawn({TOLVANE_BENCH_SERVER, "serve", "--db", serverDb, "--port", "0"}, pipeFds[1]);
    ::close(pipeFds[1]);
    std::string line;
    char c;
    while (line.find('\n') == std::string::npos && ::read(pipeFds[0], &c, 1) == 1)
        line += c;
    const std::string prefix = "listening on ";
    if (server <= 0 || line.find(prefix) == std::string::npos) {
        std::cerr << "the server did not start\n";
        return 1;
    }
    const std::string url = line.substr(line.find(prefix) + prefix.size(),
                                        line.find('\n') - line.find(prefix) - prefix.size());

    NullLog log;
    MemoryUserDefaults defaults;
    MemoryStrings strings;
    ConsoleAlerts alerts(std::cout);
    MemoryAnalytics analytics;
    EventLoop loop;
    FakeUrlOpener urls;
    Platform platform{defaults, strings, alerts, analytics, log, loop, urls};
    Database database(clientDb, log);
    ConsoleListener listener(std::cout, &database, true);
    CatalogueUpdate update(platform, database, listener, url);

    const auto start = std::chrono::steady_clock::now();
    update.update();
    bool ended =
        loop.runUntil([&] { return listener.outcome().has_value(); }, std::chrono::minutes(10));
    const auto total = std::chrono::steady_clock::now() - start;

    ::kill(server, SIGTERM);
    waitFor(server);
    ::close(pipeFds[0]);

    const int stored = database.selectProductCount();
    const auto t = update.timings();
    const double totalSeconds =
        seconds(std::chrono::duration_cast<std::chrono::nanoseconds>(total)) - 0.2;
    std::cout << "products stored: " << std::to_string(stored) << " in " << std::to_string(t.pages)
              << " pages\n"
              << "total: " << fixed(totalSeconds, 3) << " s (after the 0.2 s connection check)\n"
              << "throughput: " << fixed(stored / totalSeconds, 0) << " products/s\n"
              << "requests (queued to reply): " << fixed(seconds(t.requesting), 3) << " s\n"
              << "reading replies (JSON, UI thread): " << fixed(seconds(t.reading), 3) << " s\n"
              << "storing pages (worker transactions): " << fixed(seconds(t.storing), 3) << " s\n"
              << "list rebuilds (selectProduct, UI thread): "
              << fixed(seconds(std::chrono::duration_cast<std::chrono::nanoseconds>(
                           listener.rebuildTime())),
                       3)
              << " s in " << std::to_string(listener.rebuilds()) << " rebuilds\n";
    fs::remove_all(dir);
    return ended && stored == count ? 0 : 1;
}
