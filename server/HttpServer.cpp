#include "server/HttpServer.h"

#include "server/FormData.h"
#include "server/Gzip.h"
#include "server/UpdateHandler.h"
#include "server/UploadHandler.h"

#include <httplib.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <iostream>
#include <mutex>

namespace tolvane::server {

namespace {

constexpr const char* kGarbage =
    "<html><body><b>Warning</b>: database connection failed in getUpdatedProducts.php"
    "</body></html>";
constexpr const char* kEmptyProducts = R"({"Updated Records": {"rows": ["5"], "products": []}})";
constexpr std::size_t kMaxRequestBytes = 64u * 1024u * 1024u;
// Enough workers that a handful of idle connections cannot starve the others, and short read
// time-outs so that a silent or slow client lets its worker go soon.
constexpr std::size_t kWorkers = 64;
constexpr int kReadTimeoutSeconds = 2;
constexpr int kKeepAliveSeconds = 2;

bool startsWithNoCase(const std::string& text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    return true;
}

// Reads the body itself: the library's own reading of URL-encoded forms stops at 8,192 bytes,
// far below the server's limit for a request.
FormFields formOf(const httplib::Request& req, const httplib::ContentReader& reader) {
    FormFields fields;
    if (startsWithNoCase(req.get_header_value("Content-Type"), "multipart/form-data")) {
        std::string* current = nullptr;
        reader(
            [&](const httplib::MultipartFormData& part) {
                current = &fields[part.name];
                current->clear();
                return true;
            },
            [&](const char* data, std::size_t size) {
                if (current != nullptr) current->append(data, size);
                return true;
            });
        return fields;
    }
    std::string body;
    reader([&](const char* data, std::size_t size) {
        if (body.size() + size > kMaxRequestBytes) return false;
        body.append(data, size);
        return true;
    });
    return parseFormFields(body);
}

std::string peerAddress(const sockaddr_storage& address, int& port) {
    char text[INET6_ADDRSTRLEN] = {};
    if (address.ss_family == AF_INET) {
        const auto& v4 = reinterpret_cast<const sockaddr_in&>(address);
        port = ntohs(v4.sin_port);
        inet_ntop(AF_INET, &v4.sin_addr, text, sizeof text);
    } else if (address.ss_family == AF_INET6) {
        const auto& v6 = reinterpret_cast<const sockaddr_in6&>(address);
        port = ntohs(v6.sin6_port);
        inet_ntop(AF_INET6, &v6.sin6_addr, text, sizeof text);
    }
    return text;
}

// The HTTP library does not hand out the connection, so find its socket by the two endpoints
// and shut it down: the client then sees the connection end without any reply.
void dropConnection(const httplib::Request& req) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error)) {
        int fd = -1;
        try {
            fd = std::stoi(entry.path().filename().string());
        } catch (const std::exception&) {
            continue;
        }
        sockaddr_storage local{}, peer{};
        socklen_t localSize = sizeof local, peerSize = sizeof peer;
        if (getsockname(fd, reinterpret_cast<sockaddr*>(&local), &localSize) != 0 ||
            getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &peerSize) != 0)
            continue;
        int localPort = -1, peerPort = -1;
        peerAddress(local, localPort);
        std::string peerText = peerAddress(peer, peerPort);
        if (localPort == req.local_port && peerPort == req.remote_port &&
            peerText == req.remote_addr) {
            shutdown(fd, SHUT_RDWR);
            return;
        }
    }
}

void send(const httplib::Request& req, httplib::Response& res, const Reply& reply) {
    res.status = reply.status;
#ifdef CPPHTTPLIB_ZLIB_SUPPORT
    // The library compresses by itself when the client accepts gzip.
    (void)req;
    res.set_content(reply.body, reply.contentType.c_str());
#else
    if (acceptsGzip(req.get_header_value("Accept-Encoding"))) {
        res.set_header("Content-Encoding", "gzip");
        res.set_content(gzipCompress(reply.body), reply.contentType.c_str());
    } else {
        res.set_content(reply.body, reply.contentType.c_str());
    }
#endif
}

} // namespace

struct HttpServer::Impl {
    Impl(ServerCatalogue& catalogue, const Credentials& credentials, FaultOptions faultOptions)
        : update(catalogue, credentials), upload(catalogue, credentials), faults(faultOptions) {}

    // Waits the injected delay, but not past a stop request.
    void delay() {
        if (faults.delayMs <= 0) return;
        std::unique_lock lock(stopMutex);
        stopSignal.wait_for(lock, std::chrono::milliseconds(faults.delayMs),
                            [this] { return stopping; });
    }

    void interruptDelays() {
        {
            std::lock_guard lock(stopMutex);
            stopping = true;
        }
        stopSignal.notify_all();
    }

    void handlePage(const httplib::Request& req, httplib::Response& res,
                    const httplib::ContentReader& reader) {
        delay();
        if (faults.dropAfterPages && pagesServed.load() >= *faults.dropAfterPages) {
            dropConnection(req);
            res.status = 503;
            return;
        }
        Reply reply;
        if (faults.garbage)
            reply = {200, kTextType, kGarbage};
        else if (faults.emptyProducts)
            reply = {200, kJsonType, kEmptyProducts};
        else
            reply = update.handle(parseFormFields(queryOf(req.target)), formOf(req, reader));
        if (reply.status == 200) ++pagesServed;
        send(req, res, reply);
    }

    void handleUpload(const httplib::Request& req, httplib::Response& res,
                      const httplib::ContentReader& reader) {
        delay();
        Reply reply = upload.handle(req.get_header_value("Authorization"), formOf(req, reader));
        if (reply.status == 401) res.set_header("WWW-Authenticate", "Basic realm=\"Tolvane\"");
        send(req, res, reply);
    }

    UpdateHandler update;
    UploadHandler upload;
    FaultOptions faults;
    std::atomic<long long> pagesServed{0};
    std::mutex stopMutex;
    std::condition_variable stopSignal;
    bool stopping = false;
    httplib::Server server;
};

HttpServer::HttpServer(ServerCatalogue& catalogue, const Credentials& credentials,
                       FaultOptions faults)
    : impl_(std::make_unique<Impl>(catalogue, credentials, faults)) {
    auto& server = impl_->server;
    server.set_payload_max_length(kMaxRequestBytes);
    server.new_task_queue = [] { return new httplib::ThreadPool(kWorkers); };
    server.set_read_timeout(kReadTimeoutSeconds, 0);
    server.set_keep_alive_timeout(kKeepAliveSeconds);
    // Headers and body go out in separate writes; without this the body waits for the
    // client's delayed acknowledgement (some 40 ms a reply).
    server.set_tcp_nodelay(true);
    server.Post(
        "/getUpdatedProducts.php",
        [this](const httplib::Request& req, httplib::Response& res,
               const httplib::ContentReader& reader) { impl_->handlePage(req, res, reader); });
    server.Post(
        "/Products/sendProductRecords.php",
        [this](const httplib::Request& req, httplib::Response& res,
               const httplib::ContentReader& reader) { impl_->handleUpload(req, res, reader); });
    server.set_exception_handler(
        [](const httplib::Request& req, httplib::Response& res, std::exception_ptr error) {
            std::string what = "unknown error";
            try {
                std::rethrow_exception(error);
            } catch (const std::exception& e) {
                what = e.what();
            } catch (...) {
            }
            std::cerr << "error answering " << req.path << ": " << what << std::endl;
            res.status = 500;
            res.set_content("Internal server error.", kTextType);
        });
}

HttpServer::~HttpServer() = default;

int HttpServer::bind(const std::string& host, int port) {
    auto& server = impl_->server;
    int bound = -1;
    if (port == 0)
        bound = server.bind_to_any_port(host);
    else if (server.bind_to_port(host, port))
        bound = port;
    if (bound <= 0)
        throw std::runtime_error("cannot listen on " + host + ":" + std::to_string(port));
    return bound;
}

void HttpServer::run() {
    impl_->server.listen_after_bind();
}

void HttpServer::stop() {
    impl_->interruptDelays();
    impl_->server.stop();
}

} // namespace tolvane::server
