// Measures how fast the server answers catalogue pages: in process and over loopback HTTP.
// usage: tolvane-server-bench [PRODUCTS]   (default 10000)

#include "server/HttpServer.h"
#include "server/ServerCatalogue.h"
#include "server/UpdateHandler.h"

#include <httplib.h>

#include <charconv>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <thread>

using namespace tolvane;
using namespace tolvane::server;
using Clock = std::chrono::steady_clock;

namespace {

std::string milliseconds(Clock::duration elapsed) {
    long long micro = std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count();
    std::string fraction = std::to_string(micro % 1000);
    return std::to_string(micro / 1000) + "." + std::string(3 - fraction.size(), '0') + fraction +
           " ms";
}

std::vector<ServerProduct> makeProducts(int count) {
    std::vector<ServerProduct> products;
    for (int id = 1; id <= count; ++id) {
        ServerProduct record;
        for (std::size_t i = 0; i < catalogueFieldCount; ++i)
            record.fields[i] =
                std::string(catalogueRecordKeys[i]).substr(0, 6) + std::to_string(id);
        record[CatalogueField::Name] = "Produkt mit einem recht langen Namen " + std::to_string(id);
        record.timestamp() =
            "2020-01-01 00:00:" + std::string(id % 60 < 10 ? "0" : "") + std::to_string(id % 60);
        record.id = id;
        products.push_back(std::move(record));
    }
    return products;
}

} // namespace

int main(int argc, char** argv) {
    int count = 10000;
    if (argc > 1) std::from_chars(argv[1], argv[1] + std::strlen(argv[1]), count);
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tolvane-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return 1;
    std::filesystem::path dir = pattern;
    {
        ServerCatalogue catalogue((dir / "bench.db").string());
        auto start = Clock::now();
        catalogue.importProducts(makeProducts(count), std::nullopt);
        std::cout << "import of " << std::to_string(count)
                  << " products: " << milliseconds(Clock::now() - start) << "\n";

        Credentials accounts{"u", "p", "uu", "up"};
        UpdateHandler handler(catalogue, accounts);
        FormFields login{{"username", "u"}, {"password", "p"}};
        int pages = (count + 249) / 250 + 1;
        Clock::duration slowest{};
        start = Clock::now();
        for (int pageNo = 1; pageNo <= pages; ++pageNo) {
            auto pageStart = Clock::now();
            Reply reply = handler.handle(
                {{"timestamp", ""}, {"pageNo", std::to_string(pageNo)}, {"records", "250"}}, login);
            slowest = std::max(slowest, Clock::now() - pageStart);
            if (reply.status != 200) return 1;
        }
        auto total = Clock::now() - start;
        std::cout << "in process: " << std::to_string(pages) << " pages of 250 in "
                  << milliseconds(total) << ", " << milliseconds(total / pages)
                  << " a page on average, slowest " << milliseconds(slowest) << "\n";

        HttpServer server(catalogue, accounts, {});
        int port = server.bind("127.0.0.1", 0);
        std::thread listener([&server] { server.run(); });
        for (bool gzip : {false, true}) {
            httplib::Client client("127.0.0.1", port);
            client.set_keep_alive(true);
            client.set_tcp_nodelay(true);
            httplib::Headers headers{{"Accept-Encoding", gzip ? "gzip" : "identity"}};
            std::size_t bytes = 0;
            start = Clock::now();
            for (int pageNo = 1; pageNo <= pages; ++pageNo) {
                std::string path =
                    "/getUpdatedProducts.php?timestamp=&pageNo=" + std::to_string(pageNo) +
                    "&records=250";
                auto reply = client.Post(path.c_str(), headers, "username=u&password=p",
                                         "application/x-www-form-urlencoded");
                if (!reply || reply->status != 200) return 1;
                bytes += reply->body.size();
            }
            total = Clock::now() - start;
            std::cout << "over HTTP" << (gzip ? " with gzip: " : ": ") << std::to_string(pages)
                      << " pages in " << milliseconds(total) << ", " << milliseconds(total / pages)
                      << " a page, " << std::to_string(bytes / 1024) << " KiB of JSON\n";
        }
        server.stop();
        listener.join();
    }
    std::filesystem::remove_all(dir);
    return 0;
}
