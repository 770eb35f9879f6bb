// The update's requests and reply handling against a scripted in-process server.
#include "ScriptedUpdateServer.h"

#include "format/PercentEncoding.h"

using namespace tolvane;
using namespace tolvane::test;

TEST_F(CatalogueUpdateTest, AsksFromTheSavedRowsAndTimestampWithTheUpdateAccount) {
    CatalogueUpdate update(platform, database, listener, url());
    EXPECT_EQ(run(update), UpdateOutcome::NothingNew);
    ASSERT_EQ(requests().size(), 1u);
    EXPECT_EQ(requests()[0].target, "/getUpdatedProducts.php?timestamp=&pageNo=1&records=250");
    EXPECT_EQ(requests()[0].body, "username=" + percentEncode(config::updateUser) +
                                      "&password=" + percentEncode(config::updatePassword));
    EXPECT_TRUE(listener.refreshEnabled);
    EXPECT_FALSE(listener.progressShown);

    database.updateDTimestamp("2017-01-01 10:00:00", "750");
    EXPECT_EQ(run(update), UpdateOutcome::NothingNew);
    EXPECT_EQ(requests()[1].target,
              "/getUpdatedProducts.php?timestamp=2017-01-01%2010:00:00&pageNo=3&records=250");
    EXPECT_EQ(update.maxTimestamp(), "2017-01-01%2010:00:00");

    database.updateDTimestampRows("100");
    setReplies({"No product has been updated.\r\n"});
    EXPECT_EQ(run(update), UpdateOutcome::NothingNew);
    EXPECT_EQ(requests()[2].target,
              "/getUpdatedProducts.php?timestamp=2017-01-01%2010:00:00&pageNo=1&records=250");
}

TEST_F(CatalogueUpdateTest, AFirstReplyWithoutProductsCompletesWithTheNewestDateHeld) {
    insert(1, "2017-05-01 08:00:00");
    insert(2, "2017-06-01 08:00:00");
    setReplies({page("\"0\"", "null")});
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
    setReplies({page("4", R"([
        {"ID": 5, "Produktname": "Neu", "Aufnahmedatum": "2018-01-01 00:00:00", "isDelete": "0"},
        {"ID": "6", "Aufnahmedatum": "2018-01-01 00:00:00", "isDelete": "1"},
        {"ID": "7", "Aufnahmedatum": "2018-01-01 00:00:00"},
        {"ID": "900000001", "Produktname": "Fremd", "isDelete": "0"}])"),
                page("4", "null")});
    database.keepCategoryFigures("1", {1, 2, 3, 4, 5}, database.catalogueGeneration());
    CatalogueUpdate update(platform, database, listener, url());
    EXPECT_EQ(run(update), UpdateOutcome::Completed);
    EXPECT_FALSE(database.categoryFigures("1")); // a stored page drops the detail's kept means
    EXPECT_EQ(queryOne(clientDb, "select field01, field03 from ProductsTable where recordId = 5"),
              "Neu|");
    EXPECT_EQ(queryOne(clientDb, "select count(*) from ProductsTable where recordId in (6, 7)"),
              "0");
    EXPECT_EQ(queryOne(clientDb, "select field01 from ProductsTable where recordId = 900000001"),
              "x");
    EXPECT_TRUE(fake.log.containsPrefix("Product without a usable ID skipped"));
    ASSERT_EQ(requests().size(), 2u);
    EXPECT_NE(requests()[1].target.find("pageNo=2"), std::string::npos);
}

TEST_F(CatalogueUpdateTest, ASecondStartWhileRunningIsIgnored) {
    CatalogueUpdate update(platform, database, listener, url());
    update.update();
    update.update();
    fake.dispatcher.advance(0.2);
    fake.dispatcher.runUntil([&] { return listener.outcome.has_value(); });
    EXPECT_EQ(requests().size(), 1u);
    EXPECT_EQ(listener.searchesEnded, 1);
}

TEST_F(CatalogueUpdateTest, CanBeDestroyedWhileAPageIsBeingStored) {
    std::string products = "[";
    for (int i = 1; i <= 250; ++i)
        products += (i > 1 ? "," : "") + std::string(R"({"ID": ")") + std::to_string(i) +
                    R"(", "Produktname": "P", "isDelete": "0"})";
    products += "]";
    setReplies({page("500", products), page("500", products)});
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

TEST_F(CatalogueUpdateTest, ALongRecordIsStoredAndOneTheStoreCannotTakeKeepsItsOldRow) {
    insert(5, "2017-01-01 00:00:00");
    insert(6, "2017-01-01 00:00:00");
    insert(8, "2017-01-01 00:00:00");
    database.setFavorite("6", 1, "4");
    database.setFavorite("8", 1, "5");
    // Far longer than any statement text the store composes: the page binds its values.
    const std::string longName(3000, 'a');
    const std::string longWithQuotes = std::string(2999, 'c') + "'";
    setReplies({page("3", "[" + product(5, longName) + "," + product(6, longWithQuotes) + "," +
                              product(8, std::string("nul\0byte", 8)) + "]"),
                page("3", "null")});
    CatalogueUpdate update(platform, database, listener, url());
    EXPECT_EQ(run(update), UpdateOutcome::Completed);

    EXPECT_EQ(queryOne(clientDb, "select field01 from ProductsTable where recordId = 5"), longName);
    EXPECT_EQ(queryOne(clientDb, "select field01, favFlag, sortOrder from ProductsTable where "
                                 "recordId = 6"),
              longWithQuotes + "|1|0");
    // A zero byte is refused: the product keeps its old row, favourite as it was.
    EXPECT_EQ(queryOne(clientDb, "select count(*), field01, favFlag, sortOrder from ProductsTable "
                                 "where recordId = 8"),
              "1|x|1|5");
    EXPECT_EQ(queryOne(clientDb, "select count(*) from ProductsTable"), "3");
}

TEST_F(CatalogueUpdateTest, APageNamingAProductTwiceLeavesOneRowWithTheLastRecord) {
    setReplies({page("3", "[" + product(5, "first") + "," + product(9, "other") + "," +
                              product(5, "second") + "]"),
                page("3", "null")});
    CatalogueUpdate update(platform, database, listener, url());
    EXPECT_EQ(run(update), UpdateOutcome::Completed);
    EXPECT_EQ(query(clientDb, "select field01 from ProductsTable where recordId = 5"),
              std::vector<std::string>{"second"});
    EXPECT_EQ(queryOne(clientDb, "select count(*) from ProductsTable"), "2");
}

TEST_F(CatalogueUpdateTest, ProgressIsSavedOnlyWhileRecordsAreOutstandingAndResumesThere) {
    // Page 1 of 600 stored, then page 2 cannot be read: the run stops before page 2.
    setReplies({page("600", products(1, 250)), "<html>busy</html>"});
    {
        CatalogueUpdate update(platform, database, listener, url());
        EXPECT_EQ(run(update), UpdateOutcome::Unreadable);
        EXPECT_TRUE(fake.log.containsPrefix("JSON parsing failed: "));
        EXPECT_EQ(update.batchCount(), 2);
        EXPECT_TRUE(update.productIdsArray().empty());
        EXPECT_TRUE(update.queueNameList().empty());
        update.saveProgress(); // the list screen goes out of view
    }
    EXPECT_EQ(queryOne(clientDb, "select rows, dtimestamp from Timestamp"), "500|");
    // With 600 products reported, page 3 was asked for before page 2 turned out unreadable.
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return requests().size() == 3; }));

    setReplies(
        {page("600", products(251, 250)), page("600", products(501, 100)), page("600", "null")});
    CatalogueUpdate update(platform, database, listener, url());
    EXPECT_EQ(run(update), UpdateOutcome::Completed);
    EXPECT_EQ(requests()[3].target, "/getUpdatedProducts.php?timestamp=&pageNo=2&records=250");
    EXPECT_EQ(requests().back().target, "/getUpdatedProducts.php?timestamp=&pageNo=4&records=250");
    EXPECT_EQ(queryOne(clientDb, "select count(*) from ProductsTable"), "600");
    EXPECT_EQ(queryOne(clientDb, "select rows, dtimestamp from Timestamp"),
              "0|2018-01-01 00:00:00");
    update.saveProgress(); // 4 x 250 is not below 600: nothing outstanding
    EXPECT_EQ(queryOne(clientDb, "select rows from Timestamp"), "0");

    // Stopped before the last page: nothing past it to resume from.
    setReplies({page("500", products(1, 250)), "not json"});
    EXPECT_EQ(run(update), UpdateOutcome::Unreadable);
    EXPECT_EQ(update.batchCount(), 2);
    update.saveProgress();
    EXPECT_EQ(queryOne(clientDb, "select rows from Timestamp"), "0");
}

TEST_F(CatalogueUpdateTest, AnUploadFailureThatCancelsTheWaitingPageEndsTheRunInsteadOfHanging) {
    CatalogueUpdate update(platform, database, listener, url());
    // Four uploads take every connection; the page request has to wait behind them.
    const auto upload = [](int id, const std::string& name) {
        return std::vector<UploadRow>{
            {std::to_string(id), name, "Hof", "2", {"1", "1", "1", "1", "1"}, "g", ""}};
    };
    update.createCsvForUpload(upload(900000001, "Fail"));
    for (int i = 2; i <= 4; ++i)
        update.createCsvForUpload(upload(900000000 + i, "Brot"));
    ASSERT_TRUE(waitForUploads(4));
    update.update();
    fake.dispatcher.advance(0.2);
    ASSERT_EQ(update.state(), CatalogueUpdate::State::Requesting);

    releaseUploads(false);
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return listener.outcome.has_value(); }));
    // No page was stored: to the user the server was out of reach.
    EXPECT_EQ(listener.outcome, UpdateOutcome::Offline);
    EXPECT_TRUE(fake.log.contains("requestFailed"));
    ASSERT_EQ(fake.alerts.shown().size(), 1u);
    EXPECT_EQ(fake.alerts.shown()[0].message, offlineMessage);
    EXPECT_TRUE(listener.refreshEnabled);
    EXPECT_FALSE(listener.progressShown);
    {
        std::lock_guard lock(mutex);
        EXPECT_TRUE(seen.empty()); // the page request was never sent
    }

    releaseUploads(true);
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return update.upload().pendingUploads() == 0; }));
    EXPECT_EQ(fake.alerts.shown().size(), 1u);
}

TEST_F(CatalogueUpdateTest, ARedeliveredFavouriteStaysOneWhateverItsNameHolds) {
    CatalogueRecord record;
    record.fields.fill("x");
    record[CatalogueField::Name] = "Käse | Brot";
    record[CatalogueField::Maker] = "A|B|C";
    record.id = 5;
    database.insertIntoDatabase("", record);
    insert(6, "2017-01-01 00:00:00");
    database.setFavorite("6", 1, "9");
    database.setFavorite("5", 1, "8");
    auto ids = database.selectProductFavoriteIds();
    ASSERT_EQ(ids.size(), 2u);
    setReplies({page("2", "[" + product(5, "Käse | Brot") + "," + product(6, "Brot") + "]"),
                page("2", "null")});
    CatalogueUpdate update(platform, database, listener, url());
    EXPECT_EQ(run(update), UpdateOutcome::Completed);
    // Each keeps its flag and takes its place among the captured favourites as its order.
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(
            queryOne(clientDb,
                     "select favFlag, sortOrder from ProductsTable where recordId = " + ids[i]),
            "1|" + std::to_string(i))
            << ids[i];
}

TEST_F(CatalogueUpdateTest, AFirstRequestThatFailsIsOfflineALaterOneInterrupted) {
    CatalogueUpdate update(platform, database, listener, url());
    setReplies({"REFUSE"});
    EXPECT_EQ(run(update), UpdateOutcome::Offline);
    ASSERT_EQ(fake.alerts.shown().size(), 1u);
    EXPECT_EQ(fake.alerts.shown()[0].message, offlineMessage);

    setReplies({page("500", products(1, 250)), "REFUSE"});
    EXPECT_EQ(run(update), UpdateOutcome::Interrupted);
    ASSERT_EQ(fake.alerts.shown().size(), 2u);
    EXPECT_EQ(fake.alerts.shown()[1].message, interruptedMessage);
    EXPECT_EQ(queryOne(clientDb, "select count(*) from ProductsTable"), "250");
    EXPECT_FALSE(listener.progressShown);
    EXPECT_TRUE(listener.refreshEnabled);
}

TEST_F(CatalogueUpdateTest, AWriteThatFailsInsideAPageRollsThePageBack) {
    insert(5, "2017-01-01 00:00:00");
    insert(6, "2017-01-01 00:00:00");
    database.updateDTimestamp("2017-01-01 00:00:00", "0");
    // As a full disk would: the insert of one product fails.
    query(clientDb, "CREATE TRIGGER full BEFORE INSERT ON ProductsTable WHEN NEW.field01 = "
                    "'Boom' BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END");
    setReplies(
        {page("2", "[" + product(5, "Neu") + "," + product(6, "Boom") + "]"), page("2", "null")});
    CatalogueUpdate update(platform, database, listener, url());
    EXPECT_EQ(run(update), UpdateOutcome::Interrupted);
    ASSERT_EQ(fake.alerts.shown().size(), 1u);
    EXPECT_EQ(fake.alerts.shown()[0].message, interruptedMessage);
    // Nothing of the page is kept, nothing already stored is lost.
    EXPECT_EQ(query(clientDb, "select recordId, field01 from ProductsTable order by recordId"),
              (std::vector<std::string>{"5|x", "6|x"}));
    EXPECT_EQ(queryOne(clientDb, "select rows, dtimestamp from Timestamp"),
              "0|2017-01-01 00:00:00");

    // The next run asks for the same page again and completes.
    query(clientDb, "DROP TRIGGER full");
    setReplies(
        {page("2", "[" + product(5, "Neu") + "," + product(6, "Boom") + "]"), page("2", "null")});
    // The first run had asked for page 2 already while page 1 was being stored.
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return requests().size() >= 2; }));
    const std::size_t firstRunRequests = requests().size();
    EXPECT_EQ(run(update), UpdateOutcome::Completed);
    EXPECT_EQ(query(clientDb, "select recordId, field01 from ProductsTable order by recordId"),
              (std::vector<std::string>{"5|Neu", "6|Boom"}));
    ASSERT_GT(requests().size(), firstRunRequests);
    EXPECT_EQ(requests()[firstRunRequests].target, requests()[0].target);
}

TEST_F(CatalogueUpdateTest, AProductKeptAtItsOldRowDoesNotAdvanceTheTimestamp) {
    insert(5, "2017-01-01 00:00:00");
    insert(6, "2017-01-01 00:00:00");
    JsonValue fits = {{"ID", "5"},
                      {"Produktname", "ok"},
                      {"Aufnahmedatum", "2018-01-01 00:00:00"},
                      {"isDelete", "0"}};
    JsonValue unfit = {{"ID", "6"},
                       {"Produktname", std::string("b\0b", 3)},
                       {"Aufnahmedatum", "2019-01-01 00:00:00"},
                       {"isDelete", "0"}};
    setReplies({page("2", "[" + fits.dump() + "," + unfit.dump() + "]"), page("2", "null")});
    CatalogueUpdate update(platform, database, listener, url());
    EXPECT_EQ(run(update), UpdateOutcome::Completed);
    EXPECT_EQ(queryOne(clientDb, "select dtimestamp from Timestamp"), "2018-01-01 00:00:00");
}

TEST_F(CatalogueUpdateTest, OnlyADateOfTheTimestampFormBecomesTheTimestamp) {
    // A date left by an older version still goes out whole, percent-encoded.
    database.updateDTimestamp("2017-01-01 10:00:00\n#x", "0");
    JsonValue broken = {{"ID", "5"},
                        {"Produktname", "a"},
                        {"Aufnahmedatum", "2019-01-01 00:00:00\n#frag"},
                        {"isDelete", "0"}};
    JsonValue deleted = {{"ID", "7"}, {"Aufnahmedatum", "2020-01-01 00:00"}, {"isDelete", "1"}};
    JsonValue good = {{"ID", "6"},
                      {"Produktname", "b"},
                      {"Aufnahmedatum", "2018-02-02 00:00:00"},
                      {"isDelete", "0"}};
    setReplies({page("3", "[" + broken.dump() + "," + deleted.dump() + "," + good.dump() + "]"),
                page("3", "null")});
    CatalogueUpdate update(platform, database, listener, url());
    EXPECT_EQ(run(update), UpdateOutcome::Completed);
    EXPECT_EQ(requests()[0].target, "/getUpdatedProducts.php?timestamp=2017-01-01%2010:00:00%0A%23x"
                                    "&pageNo=1&records=250");
    EXPECT_EQ(queryOne(clientDb, "select dtimestamp from Timestamp"), "2018-02-02 00:00:00");
    // And the next run asks with it.
    EXPECT_EQ(run(update), UpdateOutcome::NothingNew);
    EXPECT_EQ(requests()[2].target,
              "/getUpdatedProducts.php?timestamp=2018-02-02%2000:00:00&pageNo=1&records=250");
    EXPECT_TRUE(CatalogueUpdate::isTimestamp("2018-02-02 00:00:00"));
    for (const char* text : {"", "2018-02-02 00:00", "2018-02-02T00:00:00", "2018-02-02 00:00:0x",
                             "2018-02-02 00:00:00 "})
        EXPECT_FALSE(CatalogueUpdate::isTimestamp(text)) << text;
}

TEST_F(CatalogueUpdateTest, HostileRepliesAreRefusedAsUnreadableAndStoreNothing) {
    insert(5, "2017-01-01 00:00:00");
    std::string empties = "[";
    for (int i = 0; i < 300000; ++i)
        empties += i ? ",{}" : "{}";
    empties += "]";
    std::string deep = R"({"Updated Records": {"rows": [1], "products": [)" +
                       std::string(100000, '[') + "1" + std::string(100000, ']') + "]}}";
    const std::vector<std::pair<std::string, std::string>> hostile = {
        {"not json at all", "JSON parsing failed: "},
        {R"({"Other": 1})", "JSON parsing failed: the reply holds no"},
        {page("300000", empties), "JSON parsing failed: more than 200000 values"},
        {page("1001", products(1, 1001)), "JSON parsing failed: a page of 1001 products"},
        {deep, "JSON parsing failed: nested deeper than 8"},
    };
    CatalogueUpdate update(platform, database, listener, url());
    for (const auto& [reply, logged] : hostile) {
        fake.log.clear();
        fake.alerts.clear();
        setReplies({reply});
        EXPECT_EQ(run(update), UpdateOutcome::Unreadable) << logged;
        EXPECT_TRUE(fake.log.containsPrefix(logged)) << logged;
        ASSERT_EQ(fake.alerts.shown().size(), 1u);
        EXPECT_EQ(fake.alerts.shown()[0].message, unreadableMessage);
        EXPECT_FALSE(listener.progressShown);
        EXPECT_TRUE(listener.refreshEnabled);
        EXPECT_EQ(query(clientDb, "select recordId, field01 from ProductsTable"),
                  std::vector<std::string>{"5|x"});
    }
}

TEST_F(CatalogueUpdateTest, AServerThatNeverRunsOutOfPagesIsStoppedPastTheReportedTotal) {
    setEndless(page("500", products(1, 250)));
    CatalogueUpdate update(platform, database, listener, url());
    EXPECT_EQ(run(update), UpdateOutcome::Unreadable);
    // Two pages hold 500 products; two more are allowed for a total that grew meanwhile.
    EXPECT_EQ(requests().size(), 5u);
    EXPECT_TRUE(fake.log.containsPrefix("JSON parsing failed: page 5 is past the 500 products"));
    EXPECT_EQ(queryOne(clientDb, "select count(*) from ProductsTable"), "250");
}

TEST_F(CatalogueUpdateTest, SkippedProductsAreLoggedAFewTimesThenCounted) {
    std::string list = "[" + product(5, "gut");
    for (int i = 0; i < 20; ++i)
        list += R"(,{"Produktname": "ohne"})";
    setReplies({page("21", list + "]"), page("21", "null")});
    CatalogueUpdate update(platform, database, listener, url());
    EXPECT_EQ(run(update), UpdateOutcome::Completed);
    int single = 0;
    for (const auto& line : fake.log.lines())
        single += line.rfind("Product without a usable ID skipped", 0) == 0;
    EXPECT_EQ(single, 5);
    EXPECT_TRUE(fake.log.contains("15 more products without a usable ID skipped on this page"));
    EXPECT_EQ(queryOne(clientDb, "select field01 from ProductsTable where recordId = 5"), "gut");
}
