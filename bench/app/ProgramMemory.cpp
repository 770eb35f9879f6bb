// The program's own resident set with the product list open: Tolvane started offscreen on a
// synthetic catalogue in a documents folder of its own, its memory read from the kernel once it
// has settled (the list read, folded for search and its barcodes indexed).
#include "bench/common/BenchFigures.h"
#include "platform/AppDefaults.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

using namespace tolvane;

namespace {

// The kernel's memory lines of a process, in MiB; empty once it is gone.
std::map<std::string, double> memoryOf(pid_t pid) {
    std::map<std::string, double> mib;
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        const auto colon = line.find(':');
        const auto digits = line.find_first_of("0123456789");
        const bool wanted = line.rfind("Vm", 0) == 0 || line.rfind("Rss", 0) == 0;
        if (!wanted || colon == std::string::npos || digits == std::string::npos) continue;
        long kib = 0;
        std::from_chars(line.data() + digits, line.data() + line.size(), kib);
        mib[line.substr(0, colon)] = static_cast<double>(kib) / 1024.0;
    }
    return mib;
}

} // namespace

int main(int argc, char** argv) {
    int count = 100000;
    if (argc > 2 && std::string(argv[1]) == "--count") count = std::atoi(argv[2]);
    const auto dir = std::filesystem::temp_directory_path() /
                     ("tolvane-program-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    bench::makeSyntheticCatalogue(TOLVANE_CATALOGUE_TOOL, (dir / "Tolvane.db").string(), count);
    // The catalogue is taken as the documents copy, not replaced by the shipped one; no prompt.
    std::ofstream(dir / "defaults.ini") << "[General]\n"
                                        << AppDefaults::kCopiedNewDatabase << "=bool:YES\n"
                                        << AppDefaults::kCopiedNewFolderDatabase << "=bool:YES\n"
                                        << AppDefaults::kFirstLaunchSearch << "=bool:NO\n";

    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        const std::string data = dir.string();
        ::execl(TOLVANE_PROGRAM, TOLVANE_PROGRAM, "--data-dir", data.c_str(), "--lang", "de",
                "--quit-after", "120", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    // Settled: the resident set moved less than half a MiB in three seconds.
    std::map<std::string, double> now;
    double last = -1;
    auto since = std::chrono::steady_clock::now();
    const auto until = since + std::chrono::seconds(100);
    while (std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        now = memoryOf(pid);
        if (now.empty()) break;
        if (std::abs(now["VmRSS"] - last) >= 0.5) {
            last = now["VmRSS"];
            since = std::chrono::steady_clock::now();
        } else if (std::chrono::steady_clock::now() - since > std::chrono::seconds(3)) {
            break;
        }
    }
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
    std::filesystem::remove_all(dir);
    if (now.empty()) {
        std::cerr << "the program ended before its memory settled\n";
        return 1;
    }
    std::cout << "Tolvane itself, " << count << " products, the product list open\n"
              << "  resident " << bench::fixed(now["VmRSS"], 1) << " MiB: anonymous "
              << bench::fixed(now["RssAnon"], 1) << " MiB, files mapped "
              << bench::fixed(now["RssFile"], 1) << " MiB; peak " << bench::fixed(now["VmHWM"], 1)
              << " MiB\n";
    bench::figure("rss_program", count, now["VmRSS"], "MiB", 200, "target at 1,000,000", 1);
    return 0;
}
