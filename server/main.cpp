#include "server/Commands.h"
#include "server/HttpServer.h"
#include "server/Options.h"
#include "server/ServerCatalogue.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <iostream>
#include <thread>

using namespace tolvane::server;

namespace {

int runServe(const Options& options) {
    // Signals are taken by sigwait below, so every thread started from here on blocks them.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGUSR1);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    signal(SIGPIPE, SIG_IGN);

    ServerCatalogue catalogue(options.db);
    HttpServer server(catalogue, options.credentials, options.faults);
    int port = server.bind(options.host, options.port);
    std::string host =
        options.host.find(':') != std::string::npos ? "[" + options.host + "]" : options.host;
    std::cout << "listening on http://" << host << ":" << std::to_string(port) << "/" << std::endl;

    std::atomic<bool> ended{false};
    std::thread listener([&server, &ended] {
        server.run();
        ended = true;
        kill(getpid(), SIGUSR1); // wakes the main thread if listening ends by itself
    });
    int received = 0;
    sigwait(&signals, &received);
    // A stop that arrives before the accept loop has started is not seen by it: repeat until
    // the loop has ended.
    while (!ended) {
        server.stop();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    listener.join();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
    }
    try {
        Options options = parseOptions(args);
        if (options.command == "import") return runImport(options, std::cout, std::cerr);
        if (options.command == "import-off") return runImportOff(options, std::cout, std::cerr);
        if (options.command == "publish") return runPublish(options, std::cout, std::cerr);
        if (options.command == "outbox") return runOutbox(options, std::cout);
        return runServe(options);
    } catch (const UsageError& e) {
        std::cerr << "error: " << e.what() << "\n" << kUsage;
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "error: " << e.what() << "\n";
        return 1;
    }
}
