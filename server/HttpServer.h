#pragma once

#include "server/Credentials.h"
#include "server/Options.h"
#include "server/ServerCatalogue.h"

#include <memory>
#include <string>

namespace tolvane::server {

// Serves the update and upload scripts over HTTP, with optional faults for tests.
class HttpServer {
public:
    HttpServer(ServerCatalogue& catalogue, const Credentials& credentials, FaultOptions faults);
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // Binds and listens; port 0 picks a free one. Returns the port, throws when it cannot.
    int bind(const std::string& host, int port);
    // Accepts connections until stop() is called.
    void run();
    void stop();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace tolvane::server
