// The update's requests, reply handling and page store against a scripted in-process server.
#include "ScriptedUpdateServer.h"

#include "format/PercentEncoding.h"
#include "format/TimestampText.h"
#include "store/CatalogueStore.h"
#include "store/OwnProductStore.h"
#include "store/PlannerStore.h"
#include "tests/support/RefusedStatements.h"

using namespace tolvane;
using namespace tolvane::test;

using Rows = std::vector<std::string>;

namespace {
// A write the store refuses midway: the insert of a product named "Boom" fails.
const char* failOnBoom = "CREATE TRIGGER full BEFORE INSERT ON ProductsTable WHEN NEW.field01 = "
                         "'Boom' BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END";

// Runs a pragma on every connection the process opens meanwhile: a disk that takes no page more
// than the file has (SQLite's own "disk full"), or a file that cannot be written.
struct EveryConnection {
    static inline std::string sql;
    static int apply(sqlite3* db, const char**, const sqlite3_api_routines*) {
        sqlite3_busy_timeout(db, 5000); // a moment's lock must not fail the opening
        sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
        return SQLITE_OK;
    }
    explicit EveryConnection(std::string pragma) {
        sql = std::move(pragma);
        sqlite3_auto_extension(reinterpret_cast<void (*)()>(apply));
    }
    ~EveryConnection() { sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(apply)); }
};
} // namespace

TEST_F(CatalogueUpdateTest, AsksFromTheSavedRowsAndTimestampWithTheUpdateAccountOnceAtATime) {
    update().update(); // the run's own start below is ignored
    EXPECT_EQ(run(), UpdateOutcome::NothingNew);
    ASSERT_EQ(requests().size(), 1u);
    EXPECT_EQ(listener.searchesEnded, 1);
    EXPECT_EQ(requests()[0].target, "/getUpdatedProducts.php?timestamp=&pageNo=1&records=250");
    EXPECT_EQ(requests()[0].body, "username=" + percentEncode(config::updateUser) +
                                      "&password=" + percentEncode(config::updatePassword));

    CatalogueStore(database).updateDTimestamp("2017-01-01 10:00:00", "750");
    EXPECT_EQ(run(), UpdateOutcome::NothingNew);
    EXPECT_EQ(requests()[1].target,
              "/getUpdatedProducts.php?timestamp=2017-01-01%2010:00:00&pageNo=3&records=250");

    CatalogueStore(database).updateDTimestampRows("100");
    setReplies({"No product has been updated.\r\n"});
    EXPECT_EQ(run(), UpdateOutcome::NothingNew);
    EXPECT_EQ(requests()[2].target,
              "/getUpdatedProducts.php?timestamp=2017-01-01%2010:00:00&pageNo=1&records=250");
}

TEST_F(CatalogueUpdateTest, ARunWhoseSavedProgressCannotBeReadAsksFromTheFirstPage) {
    // The last run heard of 600 products and stopped after its first page, saving nothing.
    setReplies({page("600", products(1, 250)), "HTTP 500 "});
    EXPECT_EQ(run(), UpdateOutcome::Interrupted);
    const std::size_t before = requests().size();
    {
        RefusedStatements unreadable(SQLITE_READ, "Timestamp");
        setReplies(
            {page("300", products(1, 250)), page("300", products(251, 50)), page("300", "null")});
        start(); // the progress is read as the first request goes out
    }
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return listener.outcome.has_value(); }));
    EXPECT_EQ(listener.outcome, UpdateOutcome::Completed);
    ASSERT_GT(requests().size(), before);
    EXPECT_EQ(requests()[before].target, "/getUpdatedProducts.php?timestamp=&pageNo=1&records=250");
    EXPECT_EQ(count(), "300");
}

TEST_F(CatalogueUpdateTest, APageReportingMoreProductsThanAnIntegerHoldsIsStillAPage) {
    setReplies({page("\"99999999999\"", products(1, 2)), page("\"99999999999\"", "null")});
    EXPECT_EQ(run(), UpdateOutcome::Completed);
    EXPECT_EQ(count(), "2");
    ASSERT_EQ(listener.progressCalls.size(), 1u);
    EXPECT_EQ(listener.progressCalls[0].page, 1);
    EXPECT_GT(listener.progressCalls[0].pages, 1);
}

TEST_F(CatalogueUpdateTest, AReplyWithoutPagesCompletesWithTheNewestDateHeldOrEndsEmpty) {
    insert(1, "2017-05-01 08:00:00");
    insert(2, "2017-06-01 08:00:00");
    // Nothing newer, said either way: the catalogue is up to date, not "new entries downloaded".
    setReplies({page("\"0\"", "null")});
    EXPECT_EQ(run(), UpdateOutcome::NothingNew);
    EXPECT_EQ(queryOne(clientDb, "select rows, dtimestamp from Timestamp"),
              "0|2017-06-01 08:00:00");
    setReplies({page("\"0\"", "[]")});
    EXPECT_EQ(run(), UpdateOutcome::NothingNew);
    EXPECT_TRUE(alerted().empty());
    setReplies({page("1", "[]")});
    EXPECT_EQ(run(), UpdateOutcome::EmptyReply);
    EXPECT_EQ(alerted().back(), offlineMessage);
}

TEST_F(CatalogueUpdateTest, DeletesReplacesAndSkipsProductsItMustNotTouch) {
    for (int id : {5, 6, 7})
        insert(id, "2017-01-01 00:00:00");
    insert(900000001, ""); // an own product's mirror row
    setReplies({page("4", R"([
        {"ID": 5, "Produktname": "Neu", "Aufnahmedatum": "2018-01-01 00:00:00", "isDelete": "0"},
        {"ID": "6", "Aufnahmedatum": "2018-01-01 00:00:00", "isDelete": "1"},
        {"ID": "7", "Aufnahmedatum": "2018-01-01 00:00:00"},
        {"ID": "900000001", "Produktname": "Fremd", "isDelete": "0"}])"),
                page("4", "null")});
    database.keepCategoryFigures("1", {1, 2, 3, 4, 5}, database.catalogueGeneration());
    EXPECT_EQ(run(), UpdateOutcome::Completed);
    EXPECT_FALSE(database.categoryFigures("1")); // a stored page drops the detail's kept means
    EXPECT_EQ(query(clientDb, "select recordId, field01, field03 from ProductsTable"),
              (Rows{"900000001|x|x", "5|Neu|"}));
}

TEST_F(CatalogueUpdateTest, GoingWhileAPageIsStoredLeavesThePageWholeOrNotThere) {
    setReplies({page("500", products(1, 250)), page("500", products(251, 250))});
    start();
    // Gone as soon as the first reply has been handed to the page store.
    fake.dispatcher.runUntil(
        [&] { return update().state() == CatalogueUpdate::State::Storing || listener.outcome; });
    update_.reset();
    fake.dispatcher.runPending();
    EXPECT_FALSE(listener.outcome.has_value());
    store.waitUntilIdle();
    // The second reply may have been handed over in the same turn: each page whole or not there.
    const std::string stored = count();
    EXPECT_TRUE(stored == "250" || stored == "500") << stored;
}

TEST_F(CatalogueUpdateTest, LongTextsAreStoredTheLastOfTwoRecordsWinsAndAnUnfitOneIsLeftOut) {
    for (int id : {5, 6, 8})
        insert(id, "2017-01-01 00:00:00");
    PlannerStore(database).setFavorite(ProductId{6}, 1, "4");
    PlannerStore(database).setFavorite(ProductId{8}, 1, "5");
    insert(7, "2017-01-01 00:00:00");
    PlannerStore(database).setFavorite(ProductId{7}, 1, "6"); // not delivered again
    // As long as a name may be, and longer than any statement text the store composes (1000
    // bytes): the page binds its values.
    std::string longName;
    for (int i = 0; i < 500; ++i)
        longName += "\u00E4"; // "ä", two bytes
    const std::string longWithQuotes = std::string(499, 'c') + "'";
    JsonValue unfit = JsonValue::parse(product(8, std::string("nul\0byte", 8)));
    unfit["Aufnahmedatum"] = "2019-01-01 00:00:00";
    setReplies({page("3", "[" + product(5, "first") + "," + product(5, longName) + "," +
                              product(6, longWithQuotes) + "," + unfit.dump() + "]"),
                page("3", "null")});
    EXPECT_EQ(run(), UpdateOutcome::Completed);
    // A zero byte is refused: the product keeps its old row, favourite as it was, and its date
    // does not count as taken in.
    EXPECT_EQ(query(clientDb, "select recordId, length(field01), substr(field01, 499), favFlag, "
                              "sortOrder from ProductsTable order by recordId"),
              (Rows{"5|500|\u00E4\u00E4|0|", "6|500|c'|1|0", "7|1||1|6", "8|1||1|5"}));
    EXPECT_EQ(queryOne(clientDb, "select dtimestamp from Timestamp"), "2018-01-01 00:00:00");
    // The refusal is the log's to tell, with the run's count at its end.
    EXPECT_TRUE(fake.log.containsPrefix("Product 8 "));
    EXPECT_TRUE(fake.log.contains("Update complete; products refused by the store: 1"));
}

TEST_F(CatalogueUpdateTest, AFieldLongerThanAnyProductsIsRefusedAsAnUnfitRecordIs) {
    for (int id : {5, 6, 7, 8})
        insert(id, "2017-01-01 00:00:00");
    const auto withField = [](int id, const char* key, const std::string& text) {
        JsonValue object = JsonValue::parse(product(id, "Brot"));
        object[key] = text;
        return object.dump();
    };
    const std::string megabyte(1 << 20, 'm');
    JsonValue huge = JsonValue::parse(product(5, megabyte));
    huge["Fett"] = megabyte;
    huge["Aufnahmedatum"] = "2019-01-01 00:00:00";
    // Product 8 is as long as a product may be: a name and maker of 500 characters, 40 of fat.
    JsonValue longest = JsonValue::parse(product(8, std::string(500, 'n')));
    longest["Hersteller"] = std::string(500, 'h');
    longest["Fett"] = std::string(40, '0');
    setReplies(
        {page("4", "[" + huge.dump() + "," + withField(6, "Hersteller", std::string(501, 'h')) +
                       "," + withField(7, "Salz / Natrium", std::string(41, '0')) + "," +
                       longest.dump() + "]"),
         page("4", "null")});
    EXPECT_EQ(run(), UpdateOutcome::Completed);
    // The three refused keep their old rows, and their dates do not count as taken in.
    EXPECT_EQ(query(clientDb, "select recordId, length(field01), length(field02), "
                              "length(field13), length(field15) from ProductsTable "
                              "order by recordId"),
              (Rows{"5|1|1|1|1", "6|1|1|1|1", "7|1|1|1|1", "8|500|500|40|0"}));
    EXPECT_EQ(queryOne(clientDb, "select dtimestamp from Timestamp"), "2018-01-01 00:00:00");
    EXPECT_TRUE(fake.log.containsPrefix("Product 6 "));
    EXPECT_TRUE(fake.log.contains("Update complete; products refused by the store: 3"));
}

TEST_F(CatalogueUpdateTest, ProgressIsSavedOnlyWhileRecordsAreOutstandingAndResumesThere) {
    // Page 1 of 600 stored, then page 2 cannot be read: the run stops before page 2, but only
    // once page 1, held up by another connection, is stored.
    setReplies({page("600", products(1, 250)), "<html>busy</html>"});
    HeldLock lock(clientDb, HeldLock::Write);
    start();
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return requests().size() >= 2; }));
    fake.dispatcher.runUntil([] { return false; }, std::chrono::milliseconds(100));
    EXPECT_FALSE(listener.outcome.has_value());
    EXPECT_TRUE(alerted().empty());
    EXPECT_TRUE(listener.progressShown);
    lock.release();
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return listener.outcome.has_value(); }));
    EXPECT_EQ(listener.outcome, UpdateOutcome::Unreadable);
    EXPECT_EQ(count(), "250");
    update().saveProgress(); // the list screen goes out of view
    store.waitUntilIdle();
    EXPECT_EQ(queryOne(clientDb, "select rows, dtimestamp from Timestamp"), "500|");
    // With 600 products reported, page 3 was asked for before page 2 turned out unreadable.
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return requests().size() == 3; }));

    setReplies(
        {page("600", products(251, 250)), page("600", products(501, 100)), page("600", "null")});
    EXPECT_EQ(run(), UpdateOutcome::Completed);
    EXPECT_EQ(requests()[3].target, "/getUpdatedProducts.php?timestamp=&pageNo=2&records=250");
    EXPECT_EQ(requests().back().target, "/getUpdatedProducts.php?timestamp=&pageNo=4&records=250");
    EXPECT_EQ(count(), "600");
    EXPECT_EQ(queryOne(clientDb, "select rows, dtimestamp from Timestamp"),
              "0|2018-01-01 00:00:00");
    // Nothing outstanding after the last page, nor when the run stopped at it.
    for (const std::string& end : {std::string(), page("500", products(1, 250))}) {
        if (!end.empty()) {
            setReplies({end, "not json"});
            EXPECT_EQ(run(), UpdateOutcome::Unreadable);
        }
        update().saveProgress();
        store.waitUntilIdle();
        EXPECT_EQ(queryOne(clientDb, "select rows from Timestamp"), "0");
    }
}

TEST_F(CatalogueUpdateTest, AnUploadFailureThatCancelsTheWaitingPageEndsTheRunInsteadOfHanging) {
    // Four uploads take every connection; the page request has to wait behind them.
    for (const char* name : {"Fail", "Brot", "Brot", "Brot"})
        update().createCsvForUpload(
            {{"900000001", name, "Hof", "2", {"1", "1", "1", "1", "1"}, "g", ""}});
    ASSERT_TRUE(waitForUploads(4));
    start();
    ASSERT_EQ(update().state(), CatalogueUpdate::State::Requesting);

    releaseHeld(false);
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return listener.outcome.has_value(); }));
    // No page was stored: to the user the server was out of reach.
    EXPECT_EQ(listener.outcome, UpdateOutcome::Offline);
    EXPECT_EQ(alerted(), Rows{noAnswerMessage});
    EXPECT_FALSE(listener.progressShown);
    EXPECT_TRUE(requests().empty()); // the page request was never sent

    releaseHeld(true);
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return update().upload().pendingUploads() == 0; }));
    EXPECT_EQ(alerted().size(), 1u);
}

TEST_F(CatalogueUpdateTest, OnlyMailSendWithA2xxStatusMarksAnUploadSent) {
    for (const char* name : {"Broken", "Brot"})
        OwnProductStore(database).insertProduct(name, "Hof", "2", "1", "1", "1", "1", "1", "0", "0",
                                                "g", "1", "");
    releaseHeld(true);
    for (const UploadRow& row : OwnProductStore(database).selectProductsForCsv())
        update().createCsvForUpload({row});
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return update().upload().pendingUploads() == 0; }));
    const auto unsent = OwnProductStore(database).selectProductsForCsv();
    ASSERT_EQ(unsent.size(), 1u);
    EXPECT_EQ(unsent[0].name, "Broken");
}

TEST_F(CatalogueUpdateTest, AConfirmedUploadWhoseMarkTheFileRefusedIsNotSentAgainAtTheNextStart) {
    OwnProductStore(database).insertProduct("Brot", "Hof", "2", "1", "1", "1", "1", "1", "0", "0",
                                            "g", "1", "");
    releaseHeld(true);
    {
        RefusedStatements unwritable(SQLITE_UPDATE, "Products");
        update().createCsvForUpload(OwnProductStore(database).selectProductsForCsv());
        ASSERT_TRUE(
            fake.dispatcher.runUntil([&] { return update().upload().pendingUploads() == 0; }));
        EXPECT_EQ(OwnProductStore(database).selectProductsForCsv().size(), 1u);
    }
    // The next start, with a product entered since.
    update_.reset();
    OwnProductStore(database).insertProduct("Käse", "Hof", "2", "1", "1", "1", "1", "1", "0", "0",
                                            "g", "1", "");
    update().createCsvForUpload(OwnProductStore(database).selectProductsForCsv());
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return update().upload().pendingUploads() == 0; }));
    EXPECT_TRUE(OwnProductStore(database).selectProductsForCsv().empty());
    std::lock_guard lock(mutex);
    ASSERT_EQ(uploadData.size(), 2u);
    EXPECT_NE(uploadData[0].find("Brot"), std::string::npos);
    EXPECT_EQ(uploadData[1].find("Brot"), std::string::npos);
    EXPECT_NE(uploadData[1].find("Käse"), std::string::npos);
}

TEST_F(CatalogueUpdateTest, ARedeliveredProductKeepsTheFavouriteMarkItHasWhenItsPageIsStored) {
    for (int id : {5, 6, 7, 8})
        insert(id, "2017-01-01 00:00:00");
    query(clientDb, "update ProductsTable set field01 = 'Käse | Brot', field02 = 'A|B|C' where "
                    "recordId = 5");
    PlannerStore(database).setFavorite(ProductId{6}, 1, "9");
    PlannerStore(database).setFavorite(ProductId{5}, 1, "8");
    PlannerStore(database).setFavorite(ProductId{8}, 1, "7");
    setReplies({page("4", "[" + product(5, "Käse | Brot") + "," + product(6, "Brot") + "]"),
                page("4", "[" + product(7, "Neu") + "," + product(8, "Alt") + "]"),
                page("4", "null")},
               {}, 1);
    start();
    // Between the two pages the user stars one product of page 2 and takes the star off another.
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return listener.progressCalls.size() == 1; }));
    PlannerStore(database).setFavorite(ProductId{7}, 1, "3");
    PlannerStore(database).setFavorite(ProductId{8}, 0, "");
    releaseHeld(true);
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return listener.outcome.has_value(); }));
    // Each keeps its mark and takes its place among the favourites (in row order) as its order.
    EXPECT_EQ(query(clientDb, "select recordId, favFlag, sortOrder from ProductsTable where "
                              "favFlag = 1 or recordId = 8 order by recordId"),
              (Rows{"5|1|0", "6|1|1", "7|1|0", "8|0|"}));
}

TEST_F(CatalogueUpdateTest, APageTheFileCannotTakeSaysWhy) {
    for (const auto& [pragma, message] : {std::pair{"PRAGMA max_page_count = 1", diskFullMessage},
                                          std::pair{"PRAGMA query_only = 1", readOnlyMessage}}) {
        fake.alerts.clear();
        EveryConnection file(pragma);
        setReplies({page("250", products(1, 250))});
        EXPECT_EQ(run(), UpdateOutcome::Interrupted);
        EXPECT_EQ(alerted(), Rows{message});
        EXPECT_EQ(count(), "0");
        store.waitUntilIdle(); // the run's journal switch on this case's connections
    }
}

TEST_F(CatalogueUpdateTest, AFirstRequestThatFailsIsOfflineALaterOneInterrupted) {
    // A reply of any status but 2xx fails, whatever its body.
    setReplies({"HTTP 302 " + page("250", products(300, 250))});
    EXPECT_EQ(run(), UpdateOutcome::Offline);
    setReplies({page("500", products(1, 250)), "HTTP 500 " + page("500", products(251, 250))});
    EXPECT_EQ(run(), UpdateOutcome::Interrupted);
    setReplies({page("500", products(1, 250)), "HTTP 401 "});
    EXPECT_EQ(run(), UpdateOutcome::Interrupted);
    // Online, so the first failure is the server's, not the connection's.
    EXPECT_EQ(alerted(), (Rows{noAnswerMessage, interruptedMessage, interruptedMessage}));
    EXPECT_EQ(count(), "250");
    EXPECT_FALSE(listener.progressShown);
}

TEST_F(CatalogueUpdateTest, AWriteThatFailsInsideAPageRollsThePageBack) {
    insert(5, "2017-01-01 00:00:00");
    insert(6, "2017-01-01 00:00:00");
    CatalogueStore(database).updateDTimestamp("2017-01-01 00:00:00", "0");
    query(clientDb, failOnBoom);
    const std::vector<std::string> replies = {
        page("2", "[" + product(5, "Neu") + "," + product(6, "Boom") + "]"), page("2", "null")};
    setReplies(replies);
    EXPECT_EQ(run(), UpdateOutcome::Interrupted);
    EXPECT_EQ(alerted(), Rows{interruptedMessage});
    // Nothing of the page is kept, nothing already stored is lost.
    const char* rows = "select recordId, field01 from ProductsTable order by recordId";
    EXPECT_EQ(query(clientDb, rows), (Rows{"5|x", "6|x"}));
    EXPECT_EQ(queryOne(clientDb, "select rows, dtimestamp from Timestamp"),
              "0|2017-01-01 00:00:00");

    // The next run asks for the same page again and completes.
    query(clientDb, "DROP TRIGGER full");
    // The first run had asked for page 2 already while page 1 was being stored; its reply must
    // not take the next run's first one.
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return requests().size() >= 2; }));
    const std::size_t firstRunRequests = requests().size();
    setReplies(replies);
    EXPECT_EQ(run(), UpdateOutcome::Completed);
    EXPECT_EQ(query(clientDb, rows), (Rows{"5|Neu", "6|Boom"}));
    ASSERT_GT(requests().size(), firstRunRequests);
    EXPECT_EQ(requests()[firstRunRequests].target, requests()[0].target);
}

TEST_F(CatalogueUpdateTest, OnlyADateOfTheTimestampFormNotAheadOfTheClockBecomesTheTimestamp) {
    // A date left by an older version still goes out whole, percent-encoded.
    CatalogueStore(database).updateDTimestamp("2017-01-01 10:00:00\n#x", "0");
    JsonValue broken = JsonValue::parse(product(5, "a"));
    broken["Aufnahmedatum"] = "2019-01-01 00:00:00\n#frag";
    JsonValue deleted = {{"ID", "7"}, {"Aufnahmedatum", "2020-01-01 00:00"}, {"isDelete", "1"}};
    // Dates ahead of the clock by more than a day are a slip: stored, never asked from.
    const std::string ahead =
        timestampText(std::chrono::system_clock::now() + std::chrono::hours(48));
    JsonValue slip = JsonValue::parse(product(8, "c")), soon = JsonValue::parse(product(9, "d"));
    slip["Aufnahmedatum"] = "9999-12-31 23:59:59";
    soon["Aufnahmedatum"] = ahead;
    setReplies({page("5", "[" + broken.dump() + "," + deleted.dump() + "," + product(6, "b") + "," +
                              slip.dump() + "," + soon.dump() + "]"),
                page("5", "null")});
    EXPECT_EQ(run(), UpdateOutcome::Completed);
    EXPECT_EQ(requests()[0].target, "/getUpdatedProducts.php?timestamp=2017-01-01%2010:00:00%0A%23x"
                                    "&pageNo=1&records=250");
    EXPECT_EQ(query(clientDb, "select field06 from ProductsTable where recordId > 7"),
              (Rows{"9999-12-31 23:59:59", ahead}));
    // And the next run asks with the newest date of the timestamp form, as does one that finds
    // such a slip saved by an older version.
    EXPECT_EQ(run(), UpdateOutcome::NothingNew);
    CatalogueStore(database).updateDTimestamp("9999-12-31 23:59:59", "0");
    EXPECT_EQ(run(), UpdateOutcome::NothingNew);
    for (std::size_t i : {2, 3})
        EXPECT_EQ(requests()[i].target,
                  "/getUpdatedProducts.php?timestamp=2018-01-01%2000:00:00&pageNo=1&records=250");
    EXPECT_TRUE(PageReply::isTimestamp("2018-02-02 00:00:00"));
    for (const char* text : {"", "2018-02-02 00:00", "2018-02-02T00:00:00", "2018-02-02 00:00:0x",
                             "2018-02-02 00:00:00 "})
        EXPECT_FALSE(PageReply::isTimestamp(text)) << text;
}

TEST_F(CatalogueUpdateTest, AClockThatWentBackTo1970KeepsTheDateTakenIn) {
    clock = [] { return std::chrono::system_clock::time_point{}; };
    CatalogueStore(database).updateDTimestamp("2018-01-01 00:00:00", "0");
    JsonValue newer = JsonValue::parse(product(5, "a"));
    newer["Aufnahmedatum"] = "2019-05-01 00:00:00";
    setReplies({page("1", "[" + newer.dump() + "]"), page("1", "null")});
    EXPECT_EQ(run(), UpdateOutcome::Completed);
    EXPECT_EQ(requests()[0].target,
              "/getUpdatedProducts.php?timestamp=2018-01-01%2000:00:00&pageNo=1&records=250");
    EXPECT_EQ(queryOne(clientDb, "select dtimestamp from Timestamp"), "2019-05-01 00:00:00");
}

TEST_F(CatalogueUpdateTest, HostileRepliesAreRefusedAsUnreadableAndStoreNothing) {
    insert(5, "2017-01-01 00:00:00");
    std::string empties = "[{}";
    for (int i = 1; i < 300000; ++i)
        empties += ",{}";
    const std::string deep = R"({"Updated Records": {"rows": [1], "products": [)" +
                             std::string(100000, '[') + "1" + std::string(100000, ']') + "]}}";
    for (const std::string& reply :
         {std::string("not json at all"), std::string(R"({"Other": 1})"),
          page("300000", empties + "]"), page("1001", products(1, 1001)), deep}) {
        fake.alerts.clear();
        setReplies({reply});
        EXPECT_EQ(run(), UpdateOutcome::Unreadable) << reply.substr(0, 40);
        EXPECT_EQ(alerted(), Rows{unreadableMessage});
        EXPECT_FALSE(listener.progressShown);
        EXPECT_EQ(query(clientDb, "select recordId, field01 from ProductsTable"), Rows{"5|x"});
    }
    // A server that never runs out of pages: two pages hold the 500 products reported, two more
    // are allowed for a total that grew meanwhile.
    setReplies({}, page("500", products(1, 250)));
    const auto before = requests().size();
    EXPECT_EQ(run(), UpdateOutcome::Unreadable);
    EXPECT_EQ(requests().size() - before, 5u);
    EXPECT_EQ(count(), "250");
}

// The next page is asked for and read while the one before is stored; stores stay in order and
// whatever ends the run waits for the page being stored.
TEST_F(CatalogueUpdateTest, TheNextPagesAreReadWhileOneIsStoredAndPagesAreStoredInOrder) {
    setReplies({page("600", products(1, 250)), page("600", products(251, 250)),
                page("600", products(501, 100)), page("600", "null")});
    HeldLock lock(clientDb, HeldLock::Write); // the page store waits for it
    start();
    // Pages 2 and 3 are asked for and read while page 1 waits to be stored; then the reading
    // stops until a page is stored.
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return requests().size() >= 3; }));
    fake.dispatcher.runUntil([] { return false; }, std::chrono::milliseconds(100));
    EXPECT_EQ(count(), "0");
    EXPECT_EQ(requests().size(), std::size_t(CatalogueUpdate::maxPagesRead));
    EXPECT_EQ(requests()[2].target, "/getUpdatedProducts.php?timestamp=&pageNo=3&records=250");
    EXPECT_TRUE(listener.progressCalls.empty());

    lock.release();
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return listener.outcome.has_value(); }));
    EXPECT_EQ(listener.outcome, UpdateOutcome::Completed);
    EXPECT_EQ(listener.progressCalls,
              (std::vector<ProgressCall>{{250, 600, 1, 3}, {500, 600, 2, 3}, {600, 600, 3, 3}}));
    EXPECT_EQ(requests().size(), 4u);
}

TEST_F(CatalogueUpdateTest, APageThatFailsToStoreDropsThePageReadAfterIt) {
    query(clientDb, failOnBoom);
    setReplies({page("600", "[" + product(1, "P") + "," + product(2, "Boom") + "]"),
                page("600", products(251, 250)), page("600", "null")});
    HeldLock lock(clientDb, HeldLock::Write);
    start();
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return requests().size() >= 2; }));
    fake.dispatcher.runUntil([] { return false; }, std::chrono::milliseconds(100));

    lock.release();
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return listener.outcome.has_value(); }));
    EXPECT_EQ(listener.outcome, UpdateOutcome::Interrupted);
    // Page 3 may have been asked for (600 products reported) but nothing further, and nothing
    // that arrives late is stored.
    fake.dispatcher.runUntil([] { return false; }, std::chrono::milliseconds(300));
    EXPECT_LE(requests().size(), 3u);
    EXPECT_EQ(count(), "0");
    EXPECT_EQ(alerted(), Rows{interruptedMessage});
}

TEST_F(CatalogueUpdateTest,
       ARunWritesWithTheWriteAheadJournalAndLeavesTheFileInTheRollbackJournal) {
    setReplies(
        {page("300", products(1, 250)), page("300", products(251, 50)), page("300", "null")});
    start();
    // Page 1 stored: the run goes on, and so does the write-ahead journal.
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return !listener.progressCalls.empty(); }));
    EXPECT_EQ(journalMode(clientDb), "wal");
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return listener.outcome.has_value(); }));
    EXPECT_EQ(listener.outcome, UpdateOutcome::Completed);
    store.waitUntilIdle(); // the journal goes back on the store worker, after the run
    EXPECT_EQ(journalMode(clientDb), "delete");
    EXPECT_FALSE(std::filesystem::exists(clientDb + "-wal"));
}
