// hostile_reply_bench: runs the sync tool (the application's update) against a loopback server
// whose replies are made to hurt, and prints what each cost the client: wall time and peak
// resident memory of the client process, and how it ended.
#include <httplib.h>
#include <zlib.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

std::string gzip(const std::string& text) {
    z_stream s{};
    deflateInit2(&s, 9, Z_DEFLATED, 16 + MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&s, text.size()) + 64, '\0');
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    s.avail_in = static_cast<uInt>(text.size());
    s.next_out = reinterpret_cast<Bytef*>(out.data());
    s.avail_out = static_cast<uInt>(out.size());
    deflate(&s, Z_FINISH);
    out.resize(s.total_out);
    deflateEnd(&s);
    return out;
}

std::string fixed(double value, int decimals) {
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

std::string page(const std::string& rows, const std::string& products) {
    return R"({"Updated Records": {"rows": [")" + rows + R"("], "products": )" + products + "}}";
}

std::string products(int first, int count) {
    std::string list = "[";
    for (int id = first; id < first + count; ++id)
        list +=
            std::string(id > first ? "," : "") + R"({"ID": ")" + std::to_string(id) +
            R"(", "Produktname": "P", "Aufnahmedatum": "2018-01-01 00:00:00", "isDelete": "0"})";
    return list + "]";
}

struct Cost {
    double seconds = 0;
    double peakMb = 0;
    int exitCode = -1;
};

// Runs the sync tool on a fresh copy of the client file; its time and peak memory.
Cost runSync(const std::string& clientDb, const std::string& url) {
    // Spawned rather than forked, so that the peak memory is the tool's own, not this
    // program's pages copied into the child before it starts the tool.
    std::vector<std::string> arguments{TOLVANE_BENCH_SYNC, "--db", clientDb, "--server", url};
    std::vector<char*> argv;
    for (auto& a : arguments)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto started = std::chrono::steady_clock::now();
    pid_t child = -1;
    posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    // The tool's own high-water mark, read while it runs: the rusage figure would also count
    // this program's memory, which the child shares until it starts the tool.
    int status = 0;
    long peakKb = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        std::ifstream proc("/proc/" + std::to_string(child) + "/status");
        for (std::string line; std::getline(proc, line);)
            if (line.rfind("VmHWM:", 0) == 0)
                peakKb = std::max(peakKb, std::atol(line.c_str() + 6));
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    Cost cost;
    cost.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    cost.peakMb = static_cast<double>(peakKb) / 1024.0;
    cost.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return cost;
}

} // namespace

int main() {
    const fs::path dir = fs::temp_directory_path() / ("hostile-bench-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string shipped = (dir / "shipped.db").string();
    if (std::system((std::string(TOLVANE_BENCH_CATALOGUE) + " synthetic --count 100 --out " +
                     shipped + " > /dev/null")
                        .c_str()) != 0) {
        std::cerr << "could not make the client file\n";
        return 1;
    }

    struct Mode {
        std::string name;
        std::function<void(const httplib::Request&, httplib::Response&)> reply;
    };
    std::cout << "making the replies\n";
    std::string empties = R"({"Updated Records": {"rows": ["1"], "products": [)";
    empties.reserve(60'000'100);
    for (int i = 0; i < 20'000'000; ++i)
        empties += "{},";
    empties += "{}]}}";
    const std::string emptiesGz = gzip(empties);
    empties.clear();
    empties.shrink_to_fit();
    const std::string bracketsGz = gzip(std::string(60'000'000, '['));
    const std::string endless = page("250", products(1, 250));
    const std::string tooMany = page("1001", products(1, 1001));
    std::cout << "empty objects: " << emptiesGz.size()
              << " bytes gzip; brackets: " << bracketsGz.size() << " bytes gzip\n";

    auto gz = [](const std::string& body) {
        return [&body](const httplib::Request&, httplib::Response& res) {
            res.set_header("Content-Encoding", "gzip");
            res.set_content(body, "application/octet-stream");
        };
    };
    auto plain = [](const std::string& body) {
        return [&body](const httplib::Request&, httplib::Response& res) {
            res.set_content(body, "application/json");
        };
    };
    const std::vector<Mode> modes = {
        {"empty_objects_20M", gz(emptiesGz)},
        {"brackets_60MB", gz(bracketsGz)},
        {"endless_pages", plain(endless)},
        {"page_of_1001", plain(tooMany)},
        {"silent",
         [](const httplib::Request&, httplib::Response& res) {
             std::this_thread::sleep_for(std::chrono::seconds(15));
             res.set_content("late", "text/plain");
         }},
    };

    for (const Mode& mode : modes) {
        httplib::Server server;
        server.Post("/getUpdatedProducts.php", mode.reply);
        const int port = server.bind_to_any_port("127.0.0.1");
        std::thread thread([&server] { server.listen_after_bind(); });
        const std::string clientDb = (dir / (mode.name + ".db")).string();
        fs::copy_file(shipped, clientDb, fs::copy_options::overwrite_existing);
        const Cost cost = runSync(clientDb, "http://127.0.0.1:" + std::to_string(port) + "/");
        server.stop();
        thread.join();
        std::cout << "figure hostile_" << mode.name << "_seconds " << fixed(cost.seconds, 2)
                  << " s\n";
        std::cout << "figure hostile_" << mode.name << "_peak_memory " << fixed(cost.peakMb, 1)
                  << " MB\n";
        std::cout << "  " << mode.name << ": sync tool exit status " << cost.exitCode
                  << " (1: the run ended unfinished, as it should)\n";
    }
    fs::remove_all(dir);
    return 0;
}
