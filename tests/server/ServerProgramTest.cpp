#include "TestFiles.h"
#include "server/Gzip.h"
#include "server/UploadHandler.h"
#include "tests/support/ServerProcess.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <nlohmann/json.hpp>

#include <algorithm>

#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

using namespace tolvane::server;
using namespace tolvane::server::test;
using nlohmann::json;
using tolvane::test::connectLoopback;
using tolvane::test::runProgram;
using tolvane::test::ServerProcess;
using tolvane::test::serverProgram;

namespace {

const std::string kUser = "sync@example.ch";
const std::string kPassword = "sync-secret";
const std::string kUploadUser = "upuser";
const std::string kUploadPassword = "uppass";
const std::string kLogin = "username=sync%40example.ch&password=sync-secret";
const std::string kCsvHeader = kUploadHeader;

class ServerProgramTest : public ::testing::Test {
protected:
    // Imports `count` products, all stamped 2020-01-01, IDs 1..count.
    void importProducts(int count) {
        std::string tsv = catalogueHeader();
        for (int id = 1; id <= count; ++id)
            tsv += catalogueLine(id, "Produkt " + std::to_string(id), "2020-01-01 00:00:00",
                                 "Müller's | Söhne");
        writeFile(dir.file("products.tsv"), tsv);
        ASSERT_EQ(runProgram({serverProgram(), "import", "--db", db, "--products",
                              dir.file("products.tsv"), "--timestamp", "2020-01-01 00:00:00"}),
                  0);
    }

    std::unique_ptr<ServerProcess> start() {
        return std::make_unique<ServerProcess>(
            db, std::vector<std::string>{"--update-user", kUser, "--update-password", kPassword,
                                         "--upload-user", kUploadUser, "--upload-password",
                                         kUploadPassword});
    }

    static httplib::Result page(int port, const std::string& timestamp, int pageNo, int records,
                                const std::string& form = kLogin) {
        httplib::Client client("127.0.0.1", port);
        client.set_read_timeout(60, 0);
        std::string path = "/getUpdatedProducts.php?timestamp=" + timestamp +
                           "&pageNo=" + std::to_string(pageNo) +
                           "&records=" + std::to_string(records);
        return client.Post(path.c_str(), form, "application/x-www-form-urlencoded; charset=utf-8");
    }

    static httplib::Result sendUpload(int port, const std::string& data,
                                      const std::string& user = kUploadUser,
                                      const std::string& password = kUploadPassword) {
        httplib::Client client("127.0.0.1", port);
        client.set_read_timeout(60, 0);
        if (!user.empty()) client.set_basic_auth(user.c_str(), password.c_str());
        httplib::Params params{{"data", data},
                               {"email", "support@tolvane.ch"},
                               {"subject", "Korvalo GB: Product Records for Upload"},
                               {"msg", ""}};
        return client.Post("/Products/sendProductRecords.php", params);
    }

    static std::vector<std::string> idsOf(const json& body) {
        std::vector<std::string> ids;
        for (const json& product : body.at("Updated Records").at("products"))
            ids.push_back(product.at("ID").get<std::string>());
        return ids;
    }

    TempDir dir;
    std::string db = dir.file("server.db");
};

} // namespace

TEST_F(ServerProgramTest, PagesThroughTheCatalogueAndEndsWithNull) {
    importProducts(600);
    auto server = start(); // it said where it listens
    std::vector<std::string> seen;
    for (int pageNo = 1; pageNo <= 3; ++pageNo) {
        auto reply = page(server->port(), "", pageNo, 250);
        ASSERT_TRUE(reply);
        ASSERT_EQ(reply->status, 200) << reply->body;
        json body = json::parse(reply->body);
        EXPECT_EQ(body["Updated Records"]["rows"], json::array({"600"}));
        EXPECT_EQ(body["Updated Records"]["products"][0]["Hersteller"], "Müller's | Söhne");
        for (const std::string& id : idsOf(body))
            seen.push_back(id);
    }
    ASSERT_EQ(seen.size(), 600u);
    for (std::size_t i = 0; i < seen.size(); ++i)
        EXPECT_EQ(seen[i], std::to_string(i + 1));

    // The handler's own tests check every reply; here the form reaches it.
    auto refused = page(server->port(), "", 1, 250, "username=sync%40example.ch&password=wrong");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->status, 401);
    EXPECT_EQ(server->stop(), 0);
}

TEST_F(ServerProgramTest, CompressesOnlyWhenAsked) {
    importProducts(300);
    auto server = start();
    httplib::Client client("127.0.0.1", server->port());
    client.set_read_timeout(60, 0);
    client.set_decompress(false);
    const char* path = "/getUpdatedProducts.php?timestamp=&pageNo=1&records=250";

    auto packed = client.Post(path, {{"Accept-Encoding", "gzip"}}, kLogin,
                              "application/x-www-form-urlencoded");
    ASSERT_TRUE(packed);
    EXPECT_EQ(packed->get_header_value("Content-Encoding"), "gzip");
    auto inflated = gzipDecompress(packed->body);
    ASSERT_TRUE(inflated);
    EXPECT_EQ(idsOf(json::parse(*inflated)).size(), 250u);
    EXPECT_LT(packed->body.size(), inflated->size() / 4);

    auto plain = client.Post(path, {{"Accept-Encoding", "identity"}}, kLogin,
                             "application/x-www-form-urlencoded");
    ASSERT_TRUE(plain);
    EXPECT_FALSE(plain->has_header("Content-Encoding"));
    EXPECT_EQ(plain->body, *inflated);
}

// A thousand products are far beyond the 8 KB at which the HTTP library stops a form by itself.
TEST_F(ServerProgramTest, StoresLargeUploadsWithTheRightHeaderAndShowsThemEscaped) {
    auto server = start();
    std::string csv =
        kCsvHeader + "900000001,\"Brot\x1b[2J\r\n, \"\"hell\"\"\",Beck\x07,3,1,0.5,2,0.1,250,g,\n";
    for (int i = 2; i <= 1000; ++i)
        csv += std::to_string(900000000 + i) + ",Eigenes Produkt " + std::to_string(i) +
               ",Hof,3,1,0.5,2,0.1,250,g,500\n";
    for (const auto& [user, password] :
         {std::pair{kUploadUser, std::string("wrong")}, std::pair{std::string(), std::string()}}) {
        auto refused = sendUpload(server->port(), kCsvHeader, user, password);
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->status, 401);
    }
    auto wrongHeader = sendUpload(server->port(), "RecordId;Produktname\n900000002;Käse\n");
    ASSERT_TRUE(wrongHeader);
    EXPECT_EQ(wrongHeader->body, "Error sending in data");
    auto sent = sendUpload(server->port(), csv);
    ASSERT_TRUE(sent);
    EXPECT_EQ(sent->body, "Mail send");

    std::string shown;
    EXPECT_EQ(runProgram({serverProgram(), "outbox", "--db", db}, &shown, true), 0);
    // Read back as CSV, each line's values separated by tabs.
    std::string tabbed = kCsvHeader + csv.substr(csv.find("900000002"));
    std::replace(tabbed.begin(), tabbed.end(), ',', '\t');
    tabbed.insert(
        tabbed.find("900000002"),
        "900000001\tBrot\\x1b[2J\\x0d\\x0a, \"hell\"\tBeck\\x07\t3\t1\t0.5\t2\t0.1\t250\tg\t\n");
    EXPECT_NE(shown.find("support@tolvane.ch  Korvalo GB: Product Records for Upload\n" + tabbed),
              std::string::npos)
        << shown.substr(0, 2000);
    EXPECT_EQ(shown.find_first_of("\x1b\r\x07"), std::string::npos);
    EXPECT_EQ(shown.find("Käse"), std::string::npos);
}

TEST_F(ServerProgramTest, IdleConnectionsDoNotHoldUpAPage) {
    importProducts(3);
    auto server = start();
    // Thirty clients that connect and then say nothing, or only half a request.
    std::vector<int> sockets;
    for (int i = 0; i < 30; ++i) {
        const int fd = connectLoopback(server->port());
        ASSERT_GE(fd, 0);
        if (i % 2) {
            const char half[] = "POST /getUpdatedProducts.php HTTP/1.1\r\nHost: x\r\n";
            ASSERT_GT(::send(fd, half, sizeof half - 1, 0), 0);
        }
        sockets.push_back(fd);
    }
    const auto started = std::chrono::steady_clock::now();
    auto reply = page(server->port(), "", 1, 250);
    const auto waited = std::chrono::steady_clock::now() - started;
    for (int fd : sockets)
        ::close(fd);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->status, 200);
    EXPECT_LT(waited, std::chrono::seconds(4));
}
