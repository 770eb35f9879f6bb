// The update's requests and reply handling against a scripted in-process server.
#include "RecordingListener.h"
#include "TestCatalogue.h"

#include "exchange/CatalogueUpdate.h"
#include "platform/BuildConfig.h"
#include "store/Database.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <mutex>
#include <thread>

using namespace tolvane;
using namespace tolvane::test;

namespace {

struct Seen {
    std::string target;
    std::string body;
};

class CatalogueUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        createClientDatabase(clientDb);
        server.Post(
            "/getUpdatedProducts.php", [this](const httplib::Request& req, httplib::Response& res) {
                std::string reply;
                {
                    std::lock_guard lock(mutex);
                    seen.push_back({req.target, req.body});
                    reply = replies.empty() ? "No product has been updated." : replies.front();
                    if (!replies.empty()) replies.erase(replies.begin());
                }
                res.set_content(reply, "application/json");
            });
        port = server.bind_to_any_port("127.0.0.1");
        thread = std::thread([this] { server.listen_after_bind(); });
    }
    void TearDown() override {
        server.stop();
        thread.join();
    }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port) + "/"; }

    std::optional<UpdateOutcome> run(CatalogueUpdate& update) {
        listener.reset();
        update.update();
        fake.dispatcher.advance(0.2);
        fake.dispatcher.runUntil([&] { return listener.outcome.has_value(); });
        return listener.outcome;
    }
    void insert(int id, const std::string& date) {
        std::vector<std::string> fields(24, "x");
        fields[5] = date;
        database.insertIntoDatabase("", fields, id);
    }
    static std::string page(const std::string& rows, const std::string& products) {
        return R"({"Updated Records": {"rows": [)" + rows + R"(], "products": )" + products + "}}";
    }

    TempDir dir;
    std::string clientDb = dir.file("Tolvane.db");
    FakePlatform fake;
    Platform platform = fake.platform();
    Database database{clientDb, fake.log};
    RecordingListener listener;
    httplib::Server server;
    std::thread thread;
    int port = 0;
    std::mutex mutex;
    std::vector<std::string> replies;
    std::vector<Seen> seen;
};

} // namespace

TEST_F(CatalogueUpdateTest, AsksFromTheSavedRowsAndTimestampWithTheUpdateAccount) {
    CatalogueUpdate update(platform, database, listener, url());
    EXPECT_EQ(run(update), UpdateOutcome::NothingNew);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].target, "/getUpdatedProducts.php?timestamp=&pageNo=1&records=250");
    EXPECT_EQ(seen[0].body, "username=" + formEncode(config::updateUser) +
                                "&password=" + formEncode(config::updatePassword));
    EXPECT_TRUE(listener.refreshEnabled);
    EXPECT_FALSE(listener.progressShown);

    database.updateDTimestamp("2017-01-01 10:00:00", "750");
    EXPECT_EQ(run(update), UpdateOutcome::NothingNew);
    EXPECT_EQ(seen[1].target,
              "/getUpdatedProducts.php?timestamp=2017-01-01%2010:00:00&pageNo=3&records=250");
    EXPECT_EQ(update.maxTimestamp(), "2017-01-01%2010:00:00");

    database.updateDTimestampRows("100");
    replies = {"No product has been updated.\r\n"};
    EXPECT_EQ(run(update), UpdateOutcome::NothingNew);
    EXPECT_EQ(seen[2].target,
              "/getUpdatedProducts.php?timestamp=2017-01-01%2010:00:00&pageNo=1&records=250");
}

TEST_F(CatalogueUpdateTest, AFirstReplyWithoutProductsCompletesWithTheNewestDateHeld) {
    insert(1, "2017-05-01 08:00:00");
    insert(2, "2017-06-01 08:00:00");
    replies = {page("\"0\"", "null")};
    CatalogueUpdate update(platform, database, listener, url());
    EXPECT_EQ(run(update), UpdateOutcome::Completed);
    EXPECT_EQ(queryOne(clientDb, "select rows, dtimestamp from Timestamp"),
              "0|2017-06-01 08:00:00");
}

TEST_F(CatalogueUpdateTest, DeletesReplacesAndSkipsProductsItMustNotTouch) {
    insert(5, "2017-01-01 00:00:00");
    insert(6, "2017-01-01 00:00:00");
    insert(7, "2017-01-01 00:00:00");
    insert(900000001, ""); // an own product's mirror row
    replies = {page("4", R"([
        {"ID": 5, "Produktname": "Neu", "Aufnahmedatum": "2018-01-01 00:00:00", "isDelete": "0"},
        {"ID": "6", "Aufnahmedatum": "2018-01-01 00:00:00", "isDelete": "1"},
        {"ID": "7", "Aufnahmedatum": "2018-01-01 00:00:00"},
        {"ID": "900000001", "Produktname": "Fremd", "isDelete": "0"}])"),
               page("4", "null")};
    CatalogueUpdate update(platform, database, listener, url());
    EXPECT_EQ(run(update), UpdateOutcome::Completed);
    EXPECT_EQ(queryOne(clientDb, "select field01, field03 from ProductsTable where recordId = 5"),
              "Neu|");
    EXPECT_EQ(queryOne(clientDb, "select count(*) from ProductsTable where recordId in (6, 7)"),
              "0");
    EXPECT_EQ(queryOne(clientDb, "select field01 from ProductsTable where recordId = 900000001"),
              "x");
    EXPECT_TRUE(fake.log.containsPrefix("Product without a usable ID skipped"));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_NE(seen[1].target.find("pageNo=2"), std::string::npos);
}

TEST_F(CatalogueUpdateTest, ASecondStartWhileRunningIsIgnored) {
    CatalogueUpdate update(platform, database, listener, url());
    update.update();
    update.update();
    fake.dispatcher.advance(0.2);
    fake.dispatcher.runUntil([&] { return listener.outcome.has_value(); });
    EXPECT_EQ(seen.size(), 1u);
    EXPECT_EQ(listener.searchesEnded, 1);
}

TEST_F(CatalogueUpdateTest, CanBeDestroyedWhileAPageIsBeingStored) {
    std::string products = "[";
    for (int i = 1; i <= 250; ++i)
        products += (i > 1 ? "," : "") + std::string(R"({"ID": ")") + std::to_string(i) +
                    R"(", "Produktname": "P", "isDelete": "0"})";
    products += "]";
    replies = {page("500", products), page("500", products)};
    {
        CatalogueUpdate update(platform, database, listener, url());
        update.update();
        fake.dispatcher.advance(0.2);
        // Stop as soon as the first reply has been handed to the page store.
        fake.dispatcher.runUntil(
            [&] { return update.state() == CatalogueUpdate::State::Storing || listener.outcome; });
    }
    fake.dispatcher.runPending();
    EXPECT_FALSE(listener.outcome.has_value());
    // The page is stored whole or not at all.
    auto count = queryOne(clientDb, "select count(*) from ProductsTable");
    EXPECT_TRUE(count == "0" || count == "250") << count;
}
