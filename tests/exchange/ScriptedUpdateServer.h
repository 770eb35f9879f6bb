// A scripted in-process product server and an update wired to it with a fake platform and a
// store worker: the fixture of the update's and the catalogue service's tests.
#pragma once

#include "RecordingListener.h"

#include "exchange/CatalogueUpdate.h"
#include "platform/BuildConfig.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"
#include "tests/support/TestCatalogue.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <sqlite3.h>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace tolvane::test {

struct Seen {
    std::string target;
    std::string body;
};

class CatalogueUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        createClientDatabase(clientDb);
        server.Post("/getUpdatedProducts.php", [this](const httplib::Request& req,
                                                      httplib::Response& res) {
            std::string reply;
            {
                std::unique_lock lock(mutex);
                uploadsChanged.wait_for(lock, std::chrono::seconds(30),
                                        [&] { return releaseAll || seen.size() < holdPagesFrom; });
                seen.push_back({req.target, req.body});
                reply = replies.empty() ? endless.empty() ? "No product has been updated." : endless
                                        : replies.front();
                if (!replies.empty()) replies.erase(replies.begin());
            }
            // "HTTP nnn body": another status (401, refused credentials, fails the transfer).
            if (reply.starts_with("HTTP ")) {
                res.status = std::stoi(reply.substr(5, 3));
                reply.erase(0, 9);
            }
            res.set_content(reply, "application/json");
        });
        // Uploads wait until the test lets them answer; one whose data names "Fail" is refused,
        // one that names "Broken" confirmed with a server error.
        server.Post("/Products/sendProductRecords.php", [this](const httplib::Request& req,
                                                               httplib::Response& res) {
            bool fails = req.get_param_value("data").find("Fail") != std::string::npos;
            std::unique_lock lock(mutex);
            ++uploadsSeen;
            uploadData.push_back(req.get_param_value("data"));
            uploadsChanged.notify_all();
            uploadsChanged.wait_for(lock, std::chrono::seconds(30),
                                    [&] { return releaseAll || (fails && releaseFailing); });
            const bool broken = req.get_param_value("data").find("Broken") != std::string::npos;
            res.status = fails ? 401 : broken ? 500 : 200;
            res.set_content(fails ? "refused" : "Mail send", "text/plain");
        });
        port = server.bind_to_any_port("127.0.0.1");
        thread = std::thread([this] { server.listen_after_bind(); });
    }
    void TearDown() override {
        update_.reset();
        releaseHeld(true);
        server.stop();
        thread.join();
    }
    void releaseHeld(bool all) {
        std::lock_guard lock(mutex);
        (all ? releaseAll : releaseFailing) = true;
        uploadsChanged.notify_all();
    }
    bool waitForUploads(int count) {
        std::unique_lock lock(mutex);
        return uploadsChanged.wait_for(lock, std::chrono::seconds(30),
                                       [&] { return uploadsSeen == count; });
    }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port) + "/"; }
    // Then, when not empty, the same reply for ever. The requests from the holdFrom-th one seen
    // on (counting from 0) wait for releaseHeld.
    void setReplies(std::vector<std::string> next, std::string forever = {},
                    std::size_t holdFrom = SIZE_MAX) {
        std::lock_guard lock(mutex);
        replies = std::move(next);
        endless = std::move(forever);
        holdPagesFrom = holdFrom;
    }
    // What the server has seen so far, read under its lock.
    std::vector<Seen> requests() {
        std::lock_guard lock(mutex);
        return seen;
    }

    // The update under test, made on first use, judging dates by clock (the system's when empty).
    CatalogueUpdate::Clock clock;
    CatalogueUpdate& update() {
        if (!update_)
            update_ = std::make_unique<CatalogueUpdate>(platform, database, store, listener, url(),
                                                        clock);
        return *update_;
    }
    // Starts a run; run() waits for its end too.
    void start() {
        listener.reset();
        update().update();
        fake.dispatcher.advance(0.2);
    }
    std::optional<UpdateOutcome> run() {
        start();
        fake.dispatcher.runUntil([&] { return listener.outcome.has_value(); });
        return listener.outcome;
    }
    std::string count() { return queryOne(clientDb, "select count(*) from ProductsTable"); }
    // The alerts shown so far, by message.
    std::vector<std::string> alerted() {
        std::vector<std::string> messages;
        for (const auto& alert : fake.alerts.shown())
            messages.push_back(alert.message);
        return messages;
    }
    void insert(int id, const std::string& date) {
        CatalogueRecord record;
        record.fields.fill("x");
        record[CatalogueField::InclusionDate] = date;
        record.id = id;
        CatalogueStore(database).insertIntoDatabase("", record);
    }
    static std::string page(const std::string& rows, const std::string& products) {
        return R"({"Updated Records": {"rows": [)" + rows + R"(], "products": )" + products + "}}";
    }

    TempDir dir;
    std::string clientDb = dir.file("Tolvane.db");
    FakePlatform fake;
    Platform platform = fake.platform();
    Database database{clientDb, fake.log};
    DatabaseWorker store{clientDb, fake.log};
    RecordingListener listener;
    std::unique_ptr<CatalogueUpdate> update_;
    httplib::Server server;
    std::thread thread;
    int port = 0;
    std::mutex mutex;
    std::vector<std::string> replies;
    // Sent once the scripted replies are used up, when not empty.
    std::string endless;
    std::vector<Seen> seen;
    std::condition_variable uploadsChanged;
    int uploadsSeen = 0;
    std::vector<std::string> uploadData; // the CSV text of each upload, read under the lock
    std::size_t holdPagesFrom = SIZE_MAX;
    bool releaseFailing = false;
    bool releaseAll = false;
};

// Another connection holding the file: a write lock, which a page store waits for (within its
// busy time-out), or a read under way, which the switch back to the rollback journal waits for.
class HeldLock {
public:
    enum Kind { Write, Read };
    HeldLock(const std::string& path, Kind kind) {
        sqlite3_open(path.c_str(), &db_);
        // Its commit may meet the store's own attempts for a moment, as any writer's would.
        sqlite3_busy_timeout(db_, 5000);
        held_ = sqlite3_exec(db_,
                             kind == Write ? "BEGIN IMMEDIATE"
                                           : "BEGIN; SELECT count(*) FROM ProductsTable",
                             nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~HeldLock() { release(); }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;
    // Ends the transaction and closes the connection: leaving write-ahead mode needs the file
    // to itself.
    void release() {
        if (held_) sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
        held_ = false;
        sqlite3_close(db_);
        db_ = nullptr;
    }

private:
    sqlite3* db_ = nullptr;
    bool held_ = false;
};

inline std::string journalMode(const std::string& path) {
    return queryOne(path, "PRAGMA journal_mode");
}

inline std::string product(int id, const std::string& name, const std::string& isDelete = "0") {
    JsonValue object = {{"ID", std::to_string(id)},
                        {"Produktname", name},
                        {"Aufnahmedatum", "2018-01-01 00:00:00"},
                        {"isDelete", isDelete}};
    return object.dump();
}

// A JSON list of count products from id first on.
inline std::string products(int first, int count) {
    std::string list = "[";
    for (int id = first; id < first + count; ++id)
        list += (id > first ? "," : "") + product(id, "P");
    return list + "]";
}

} // namespace tolvane::test
