// sync_bench: a full catalogue update of a synthetic catalogue (10,000 products by default)
// from the reference server on loopback into an empty catalogue file, driven by the catalogue
// service as the program does it (its held list read again meanwhile), with where the time went,
// how long the UI thread was busy at a time, and SQLite's own bulk insert of the same rows beside
// it. Then a second update into another empty copy is stopped half-way, as when the program
// quits: the time the UI thread takes to stop the service and destroy it. With --beside N the
// rate of N products is measured first and stands beside the rate of --count products (the
// rate of a million against that of 100,000), the update alone measured.
#include "bench/common/BenchFigures.h"
#include "catalogue/CatalogueService.h"
#include "platform/Platform.h"
#include "store/CatalogueStore.h"
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
#include <optional>
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

// The same rows as the source catalogue, inserted into an empty copy through the C interface in
// one transaction with one prepared statement: what SQLite itself manages on this machine.
double referenceRate(const std::string& source, const std::string& emptyCopy) {
    sqlite3* from = nullptr;
    sqlite3* to = nullptr;
    std::vector<std::vector<sqlite3_value*>> rows;
    double rate = 0;
    if (sqlite3_open(source.c_str(), &from) == SQLITE_OK &&
        sqlite3_open(emptyCopy.c_str(), &to) == SQLITE_OK) {
        sqlite3_stmt* read = nullptr;
        sqlite3_prepare_v2(from, "SELECT * FROM ProductsTable", -1, &read, nullptr);
        int columns = read ? sqlite3_column_count(read) : 0;
        while (read && sqlite3_step(read) == SQLITE_ROW) {
            std::vector<sqlite3_value*> row;
            for (int c = 0; c < columns; ++c)
                row.push_back(sqlite3_value_dup(sqlite3_column_value(read, c)));
            rows.push_back(std::move(row));
        }
        sqlite3_finalize(read);
        std::string sql = "INSERT INTO ProductsTable VALUES (";
        for (int c = 0; c < columns; ++c)
            sql += c == 0 ? "?" : ",?";
        sql += ")";
        const auto start = std::chrono::steady_clock::now();
        sqlite3_exec(to, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(to, sql.c_str(), -1, &insert, nullptr);
        for (const auto& row : rows) {
            for (int c = 0; c < columns; ++c)
                sqlite3_bind_value(insert, c + 1, row[static_cast<std::size_t>(c)]);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        sqlite3_exec(to, "COMMIT", nullptr, nullptr, nullptr);
        const double elapsed = seconds(std::chrono::steady_clock::now() - start);
        if (elapsed > 0) rate = static_cast<double>(rows.size()) / elapsed;
    }
    for (auto& row : rows)
        for (auto* value : row)
            sqlite3_value_free(value);
    sqlite3_close(from);
    sqlite3_close(to);
    return rate;
}

// A timer on the UI thread: the gaps between its beats are the times the thread was busy.
class Heartbeat {
public:
    explicit Heartbeat(EventLoop& loop) : loop_(loop) {}
    void start() {
        last_ = std::chrono::steady_clock::now();
        schedule();
    }
    void stop() { stopped_ = true; }
    double longestMs() const { return longest_; }
    int over16ms() const { return over_; }

private:
    void schedule() {
        loop_.runLater(0.001, [this] { beat(); });
    }
    void beat() {
        const auto now = std::chrono::steady_clock::now();
        const double gap = std::chrono::duration<double, std::milli>(now - last_).count();
        longest_ = std::max(longest_, gap);
        if (gap > 16) ++over_;
        last_ = now;
        if (!stopped_) schedule();
    }
    EventLoop& loop_;
    std::chrono::steady_clock::time_point last_;
    double longest_ = 0;
    int over_ = 0;
    bool stopped_ = false;
};

struct Finished : CatalogueListener {
    void updateFinished(UpdateOutcome o) override { outcome = o; }
    std::optional<UpdateOutcome> outcome;
};

// The reference server on its own catalogue, listening on loopback until destroyed.
class Server {
public:
    explicit Server(const std::string& database) {
        if (::pipe(pipe_) != 0) return;
        pid_ = spawn({TOLVANE_BENCH_SERVER, "serve", "--db", database, "--port", "0"}, pipe_[1]);
        ::close(pipe_[1]);
        std::string line;
        char c;
        while (line.find('\n') == std::string::npos && ::read(pipe_[0], &c, 1) == 1)
            line += c;
        const std::string prefix = "listening on ";
        const auto at = line.find(prefix);
        if (pid_ > 0 && at != std::string::npos)
            url_ = line.substr(at + prefix.size(), line.find('\n') - at - prefix.size());
    }
    ~Server() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            waitFor(pid_);
        }
        ::close(pipe_[0]);
    }
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;
    // Empty when it did not start.
    const std::string& url() const { return url_; }

private:
    int pipe_[2] = {-1, -1};
    pid_t pid_ = -1;
    std::string url_;
};

struct Prepared {
    std::string synthetic, serverDb, emptyCopy;
};

// A synthetic catalogue of count products, the server's file made from it and an empty copy of
// the catalogue for the program; nothing when one of them could not be made.
std::optional<Prepared> prepare(const fs::path& dir, int count) {
    const std::string tsv = (dir / "synthetic.tsv").string();
    Prepared made{(dir / "synthetic.db").string(), (dir / "server.db").string(),
                  (dir / "empty.db").string()};
    if (!run({TOLVANE_BENCH_CATALOGUE, "synthetic", "--count", std::to_string(count), "--out",
              made.synthetic, "--tsv", tsv}) ||
        !run({TOLVANE_BENCH_SERVER, "import", "--db", made.serverDb, "--products", tsv}))
        return std::nullopt;
    fs::remove(tsv);
    fs::copy_file(made.synthetic, made.emptyCopy, fs::copy_options::overwrite_existing);
    if (!emptyCatalogue(made.emptyCopy)) return std::nullopt;
    return made;
}

struct UpdateRun {
    bool ended = false;
    int stored = 0;
    double rate = 0;
    double heartbeatLongestMs = 0;
    int over16ms = 0;
};

// One whole update into a copy of the empty catalogue, driven by the catalogue service as the
// program does it; with details, where the time went.
UpdateRun measureUpdate(Platform& platform, EventLoop& loop, const Prepared& prepared,
                        const std::string& url, const std::string& clientDb, bool details) {
    fs::copy_file(prepared.emptyCopy, clientDb, fs::copy_options::overwrite_existing);
    NullLog log;
    Database database(clientDb, log);
    auto catalogue = std::make_unique<CatalogueService>(platform, database, url);
    Finished finished;
    catalogue->addListener(finished);
    Heartbeat heartbeat(loop);

    UpdateRun result;
    const auto start = std::chrono::steady_clock::now();
    heartbeat.start();
    catalogue->update();
    result.ended =
        loop.runUntil([&] { return finished.outcome.has_value(); }, std::chrono::minutes(30));
    const auto total = std::chrono::steady_clock::now() - start;
    // The list the user sees at the end: the last rebuild swapped in.
    loop.runUntil([&] { return !catalogue->rebuildPending(); }, std::chrono::minutes(5));
    const auto listed = std::chrono::steady_clock::now() - start;
    heartbeat.stop();
    loop.runUntil([] { return false; }, std::chrono::milliseconds(5));
    const auto t = catalogue->timings();
    std::size_t inTheList = 0;
    for (const auto& section : *catalogue->heldList().sections)
        inTheList += section.rows.size();
    catalogue->removeListener(finished);
    catalogue.reset();

    result.stored = CatalogueStore(database).selectProductCount();
    const double totalSeconds =
        seconds(std::chrono::duration_cast<std::chrono::nanoseconds>(total)) - 0.2;
    result.rate = result.stored / totalSeconds;
    result.heartbeatLongestMs = heartbeat.longestMs();
    result.over16ms = heartbeat.over16ms();
    if (details)
        std::cout << "products stored: " << std::to_string(result.stored) << " in "
                  << std::to_string(t.pages) << " pages, " << std::to_string(inTheList)
                  << " in the list\n"
                  << "total: " << fixed(totalSeconds, 3)
                  << " s (after the 0.2 s connection check)\n"
                  << "whole list shown: " << fixed(seconds(listed) - 0.2, 3) << " s\n"
                  << "requests (queued to reply): " << fixed(seconds(t.requesting), 3) << " s\n"
                  << "reading replies (JSON, transfer threads): " << fixed(seconds(t.reading), 3)
                  << " s\n"
                  << "storing pages (worker transactions): " << fixed(seconds(t.storing), 3)
                  << " s\n";
    return result;
}

} // namespace

int main(int argc, char** argv) {
    int count = 10000;
    // --beside N: the rate of N products measured first, in this run, as the figure's reference;
    // only the update itself is measured then (no SQLite insert, no quitting half-way).
    int beside = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::string(argv[i]) == "--count") count = std::max(1, std::atoi(argv[i + 1]));
        if (std::string(argv[i]) == "--beside") beside = std::max(0, std::atoi(argv[i + 1]));
    }

    const fs::path dir =
        fs::temp_directory_path() / ("tolvane-sync-bench-" + std::to_string(::getpid()));
    NullLog log;
    MemoryUserDefaults defaults;
    MemoryStrings strings;
    ConsoleAlerts alerts(std::cout);
    MemoryAnalytics analytics;
    EventLoop loop;
    FakeUrlOpener urls;
    Platform platform{defaults, strings, alerts, analytics, log, loop, urls};

    double besideRate = 0;
    if (beside > 0) {
        const fs::path first = dir / "beside";
        fs::create_directories(first);
        std::cout << "first: " << std::to_string(beside) << " synthetic products\n";
        const auto prepared = prepare(first, beside);
        if (!prepared) {
            std::cerr << "could not prepare the catalogue in " << first << "\n";
            return 1;
        }
        const Server server(prepared->serverDb);
        if (server.url().empty()) {
            std::cerr << "the server did not start\n";
            return 1;
        }
        const UpdateRun run = measureUpdate(platform, loop, *prepared, server.url(),
                                            (first / "Tolvane.db").string(), true);
        if (!run.ended || run.stored != beside) return 1;
        besideRate = run.rate;
        std::cout << "rate at " << std::to_string(beside) << ": " << fixed(besideRate, 0)
                  << " products/s\n";
        fs::remove_all(first);
    }

    fs::create_directories(dir);
    std::cout << "catalogue: " << std::to_string(count) << " synthetic products\n";
    const auto prepared = prepare(dir, count);
    if (!prepared) {
        std::cerr << "could not prepare the catalogue in " << dir << "\n";
        return 1;
    }
    const Server server(prepared->serverDb);
    if (server.url().empty()) {
        std::cerr << "the server did not start\n";
        return 1;
    }
    const std::string url = server.url();
    const UpdateRun update =
        measureUpdate(platform, loop, *prepared, url, (dir / "Tolvane.db").string(), true);

    if (beside > 0) {
        bench::figure("sync_rate", count, update.rate, "products/s", besideRate,
                      "the rate at " + std::to_string(beside) + " in this run; target ratio 0.80",
                      0);
        bench::figure("ui_block_max", count, update.heartbeatLongestMs, "ms", 16, "one frame");
        fs::remove_all(dir);
        return update.ended && update.stored == count ? 0 : 1;
    }

    // Quitting half-way through a run: stop and destruction on the UI thread.
    double quitMs = -1;
    {
        const std::string quitDb = (dir / "quit.db").string();
        fs::copy_file(prepared->emptyCopy, quitDb, fs::copy_options::overwrite_existing);
        Database quitting(quitDb, log);
        auto service = std::make_unique<CatalogueService>(platform, quitting, url);
        service->update();
        const int half = std::max(1, count / CatalogueUpdate::recordsPerPage / 2);
        if (loop.runUntil([&] { return service->progress().page >= half; },
                          std::chrono::minutes(10))) {
            const auto quit = std::chrono::steady_clock::now();
            service->stop();
            service.reset();
            quitMs =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - quit)
                    .count();
        }
        loop.runUntil([] { return false; }, std::chrono::milliseconds(5));
    }

    const std::string referenceDb = (dir / "reference.db").string();
    fs::copy_file(prepared->emptyCopy, referenceDb, fs::copy_options::overwrite_existing);
    const double reference = referenceRate(prepared->synthetic, referenceDb);
    bench::figure("sync_rate", count, update.rate, "products/s", reference,
                  "same rows, one transaction, one prepared statement; target 25000", 0);
    bench::figure("sync_reference_rate", count, reference, "products/s", 0, "", 0);
    bench::figure("ui_block_max", count, update.heartbeatLongestMs, "ms", 16, "one frame");
    bench::figure("ui_blocks_over_16ms", count, update.over16ms, "count", 0, "", 0);
    bench::figure("quit_during_update", count, quitMs, "ms", 16, "one frame");
    fs::remove_all(dir);
    return update.ended && update.stored == count ? 0 : 1;
}
