// End to end against the reference product server on a loopback port.
#include "RecordingListener.h"
#include "tests/support/RefusedStatements.h"
#include "tests/support/ServerProcess.h"
#include "tests/support/ShippedSchema.h"
#include "tests/support/TestCatalogue.h"

#include "exchange/CatalogueUpdate.h"
#include "platform/BuildConfig.h"
#include "store/Database.h"
#include "store/OwnProductStore.h"
#include "store/PlannerStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace tolvane;
using namespace tolvane::test;

namespace {

const char* completedMessage =
    "Verbindung wurde erfolgreich hergestellt und neue Einträge sind heruntergeladen.";

class SyncIntegration : public ::testing::Test {
protected:
    void SetUp() override { createClientDatabase(clientDb); }

    void serverCommand(const std::vector<std::string>& arguments) {
        std::vector<std::string> all{serverProgram()};
        all.insert(all.end(), arguments.begin(), arguments.end());
        std::string output;
        ASSERT_EQ(runProgram(all, &output), 0) << output;
    }
    void importProducts(const std::vector<TsvProduct>& products) {
        auto tsv = dir.file("import.tsv");
        writeTsv(tsv, products);
        serverCommand({"import", "--db", serverDb, "--products", tsv});
    }
    void start(const std::vector<std::string>& faults = {}) {
        server.reset();
        server = std::make_unique<ServerProcess>(serverDb, faults);
    }

    // One run as the list screen makes it: refresh, 0.2 s, pages until the end.
    std::optional<UpdateOutcome> runUpdate(CatalogueUpdate& update) {
        listener.reset();
        update.update();
        fake.dispatcher.advance(0.2);
        fake.dispatcher.runUntil([&] { return listener.outcome.has_value(); },
                                 std::chrono::seconds(120));
        return listener.outcome;
    }
    std::optional<UpdateOutcome> runUpdate() {
        CatalogueUpdate update(platform, database, store, listener, server->url());
        return runUpdate(update);
    }

    int products() { return std::stoi(queryOne(clientDb, "select count(*) from ProductsTable")); }
    std::string timestampRow() {
        return queryOne(clientDb, "select rows, dtimestamp from Timestamp");
    }
    bool alerted(const std::string& message) {
        for (const auto& alert : fake.alerts.shown())
            if (alert.message == message && alert.title.empty() && alert.buttons.size() == 1 &&
                alert.buttons[0] == "OK")
                return true;
        return false;
    }

    TempDir dir;
    std::string serverDb = dir.file("server.db");
    std::string clientDb = dir.file("Tolvane.db");
    std::unique_ptr<ServerProcess> server;
    FakePlatform fake;
    Platform platform = fake.platform();
    Database database{clientDb, fake.log};
    DatabaseWorker store{clientDb, fake.log};
    RecordingListener listener;
};

} // namespace

TEST_F(SyncIntegration, FullUpdateFromAnEmptyCatalogueThenNothingNewThenOnlyWhatWasPublished) {
    auto all = someProducts(1, 3000);
    importProducts(all);
    start();

    EXPECT_EQ(runUpdate(), UpdateOutcome::Completed);
    EXPECT_EQ(products(), 3000);
    EXPECT_EQ(timestampRow(), "0|2017-01-01 00:49:59");
    EXPECT_TRUE(alerted(completedMessage));
    EXPECT_TRUE(fake.analytics.has("Trigger Manual Sync"));
    EXPECT_TRUE(fake.analytics.has("Sync @ Start-Finished"));
    ASSERT_EQ(listener.progressCalls.size(), 12u);
    EXPECT_EQ(listener.progressCalls.back(), (ProgressCall{3000, 3000, 12, 12}));
    EXPECT_GE(listener.rebuilds, 1);
    EXPECT_FALSE(listener.progressShown);
    EXPECT_EQ(listener.searchesEnded, 1);

    // Every column as the server sent it, the row new: not ordered, not a favourite.
    auto expected = productValues(all[1234]);
    std::string row = queryOne(clientDb, "select * from ProductsTable where recordId = 1235");
    std::string wanted = "|0";
    for (const auto& value : expected)
        wanted += "|" + value;
    EXPECT_EQ(row, wanted);

    fake.alerts.clear();
    EXPECT_EQ(runUpdate(), UpdateOutcome::NothingNew);
    EXPECT_TRUE(fake.alerts.shown().empty());

    // The next run gets only what was published since, deletes included.
    auto changed = someProducts(10, 3, "2018-05-01");
    changed[0].name = "Neuer Name";
    changed[0].fat = "9.9";
    auto added = someProducts(3001, 2, "2018-05-01");
    changed.insert(changed.end(), added.begin(), added.end());
    writeTsv(dir.file("publish.tsv"), changed);
    serverCommand({"publish", "--db", serverDb, "--products", dir.file("publish.tsv"),
                   "--timestamp", "2018-05-01 12:00:00"});
    serverCommand(
        {"publish", "--db", serverDb, "--delete", "20,21", "--timestamp", "2018-05-02 08:00:00"});

    ASSERT_EQ(runUpdate(), UpdateOutcome::Completed);
    ASSERT_EQ(listener.progressCalls.size(), 1u);
    EXPECT_EQ(listener.progressCalls[0].stored, 7);
    EXPECT_EQ(products(), 3000);
    EXPECT_EQ(queryOne(clientDb,
                       "select field01, field13, field06 from ProductsTable where recordId = 10"),
              "Neuer Name|9.9|2018-05-01 12:00:00");
    EXPECT_EQ(query(clientDb, "select recordId from ProductsTable where recordId in (20, 21, 3001, "
                              "3002) order by recordId"),
              (std::vector<std::string>{"3001", "3002"}));
    // The delete is the newest thing taken in, so the next run has nothing to fetch.
    EXPECT_EQ(timestampRow(), "0|2018-05-02 08:00:00");
    EXPECT_EQ(runUpdate(), UpdateOutcome::NothingNew);
}

TEST_F(SyncIntegration, AnInterruptedRunKeepsItsPagesAndResumesWithTheSameTimestamp) {
    importProducts(someProducts(1, 1500));
    serverCommand(
        {"publish", "--db", serverDb, "--delete", "1", "--timestamp", "2016-01-01 00:00:00"});
    start({"--drop-after-pages", "2"});
    {
        CatalogueUpdate update(platform, database, store, listener, server->url());
        EXPECT_EQ(runUpdate(update), UpdateOutcome::Interrupted);
        EXPECT_TRUE(alerted(interruptedMessage));
        EXPECT_FALSE(listener.progressShown);
        EXPECT_EQ(products(), 499); // two pages, product 1 among them deleted
        update.saveProgress();      // the list screen goes out of view
    }
    store.waitUntilIdle();
    EXPECT_EQ(queryOne(clientDb, "select rows, dtimestamp from Timestamp"), "750|");

    start();
    fake.alerts.clear();
    EXPECT_EQ(runUpdate(), UpdateOutcome::Completed);
    ASSERT_FALSE(listener.progressCalls.empty());
    EXPECT_EQ(listener.progressCalls.front().page, 3);
    EXPECT_EQ(listener.progressCalls.back().page, 6);
    EXPECT_EQ(products(), 1499);
    EXPECT_EQ(timestampRow(), "0|2017-01-01 00:24:59");
}

TEST_F(SyncIntegration, ARunThatCannotReadItsProgressAsksFromTheFirstPageAndSkipsNothing) {
    importProducts(someProducts(1, 1500));
    start();
    CatalogueUpdate update(platform, database, store, listener, server->url());
    // The first run stores two of six pages; the third cannot be stored.
    execSql(clientDb, "CREATE TRIGGER refuse BEFORE INSERT ON ProductsTable WHEN NEW.recordId = "
                      "501 BEGIN SELECT RAISE(ABORT, 'refused'); END");
    EXPECT_EQ(runUpdate(update), UpdateOutcome::Interrupted);
    EXPECT_EQ(products(), 500);
    store.waitUntilIdle();
    execSql(clientDb, "DROP TRIGGER refuse");

    // The next run cannot read the saved progress as it starts.
    listener.reset();
    {
        RefusedStatements unreadable(SQLITE_READ, "Timestamp");
        update.update();
        fake.dispatcher.advance(0.2);
    }
    fake.dispatcher.runUntil([&] { return listener.outcome.has_value(); },
                             std::chrono::seconds(120));
    EXPECT_EQ(listener.outcome, UpdateOutcome::Completed);
    EXPECT_EQ(products(), 1500);
    EXPECT_EQ(timestampRow(), "0|2017-01-01 00:24:59");
}

TEST_F(SyncIntegration, UploadsAreMarkedSentOnlyAfterMailSendAndAnOfflineRunFailsAtOnce) {
    auto add = [&](const std::string& name, const std::string& fat) {
        return OwnProductStore(database).insertProduct(name, "Hof, Müller", "2", fat, "1.0", "4",
                                                       "0.25", "120", "0", "0", "g", "1", "");
    };
    int first = add("Eigenes Brot", "3.5");
    int second = add("Joghurt, nature", "0,5");
    // The first with its catalogue row and a barcode, as the form saves one.
    OwnProductStore own(database);
    own.insertProductToMainTable("Eigenes Brot", "Hof, Müller", "2", "3.5", "1.0", "4", "0.25",
                                 "120", "g", ProductId{first}, "");
    own.updateInsertedProductId(ProductId{first}, OwnProductId{first});
    own.updateProductGtinForId("4006381333931", OwnProductId{first});
    start();
    CatalogueUpdate update(platform, database, store, listener, server->url());
    update.createCsvForUpload(OwnProductStore(database).selectProductsForCsv());
    int later = add("Später", ""); // entered after the screen was built
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return update.upload().pendingUploads() == 0; }));

    auto unsent = OwnProductStore(database).selectProductsForCsv();
    ASSERT_EQ(unsent.size(), 1u);
    EXPECT_EQ(unsent[0].recordId, std::to_string(later));
    EXPECT_TRUE(fake.alerts.shown().empty());

    std::string outbox;
    ASSERT_EQ(runProgram({serverProgram(), "outbox", "--db", serverDb}, &outbox), 0);
    // The server reads back the values typed, commas in texts and decimal commas alike, and the
    // barcode in the column after them.
    EXPECT_NE(outbox.find("Energiewert\tEinheit\t Produktmenge\tGTIN\n"), std::string::npos);
    for (const auto& [id, values] :
         {std::pair{first,
                    "Eigenes Brot\tHof, Müller\t2\t3.5\t1.0\t4\t0.25\t120\tg\t\t4006381333931"},
          std::pair{second, "Joghurt, nature\tHof, Müller\t2\t0.5\t1.0\t4\t0.25\t120\tg\t\t"}})
        EXPECT_NE(outbox.find(std::to_string(id) + "\t" + values + "\n"), std::string::npos)
            << outbox;
    EXPECT_NE(outbox.find("Korvalo GB: Product Records for Upload"), std::string::npos);

    update.reachability().setOverride(0);
    EXPECT_EQ(runUpdate(update), UpdateOutcome::Offline);
    EXPECT_TRUE(alerted(offlineMessage));
    EXPECT_FALSE(listener.progressShown);

    // An upload that fails stays unsent and shows no download message.
    update.reachability().setOverride(std::nullopt);
    fake.alerts.clear();
    listener.reset();
    server->stop(); // nobody answers at that address any more
    update.createCsvForUpload(unsent);
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return update.upload().pendingUploads() == 0; }));
    EXPECT_EQ(OwnProductStore(database).selectProductsForCsv().size(), 1u);
    EXPECT_TRUE(fake.alerts.shown().empty());
    EXPECT_FALSE(listener.outcome.has_value());
}

#ifdef TOLVANE_TEST_SHIPPED_DB
TEST_F(SyncIntegration, TheShippedCatalogueIsUpToDateWithItsSourceAndTakesInThousandsOfChanges) {
    std::filesystem::copy_file(TOLVANE_TEST_SHIPPED_DB, clientDb,
                               std::filesystem::copy_options::overwrite_existing);
    serverCommand({"import", "--db", serverDb, "--products", TOLVANE_TEST_CATALOGUE_TSV});
    const std::string shipped = queryOne(clientDb, "select count(*) from ProductsTable");
    // The first 3000 products of the source come again, changed.
    {
        std::ifstream in(TOLVANE_TEST_CATALOGUE_TSV);
        std::ofstream out(dir.file("changed.tsv"));
        std::string line;
        for (int i = 0; i <= 3000 && std::getline(in, line); ++i)
            out << line << "\n";
    }
    serverCommand({"publish", "--db", serverDb, "--products", dir.file("changed.tsv"),
                   "--timestamp", "2020-01-01 00:00:00"});
    PlannerStore(database).setFavorite(
        ProductId::of(queryOne(clientDb, "select recordId from ProductsTable limit 1 offset 10")),
        1, "0");
    start();
    EXPECT_EQ(runUpdate(), UpdateOutcome::Completed);
    EXPECT_EQ(listener.progressCalls.size(), 12u);
    EXPECT_EQ(queryOne(clientDb, "select count(*), sum(field06 = '2020-01-01 00:00:00'), "
                                 "sum(favFlag = 1) from ProductsTable"),
              shipped + "|3000|1");
    EXPECT_EQ(timestampRow(), "0|2020-01-01 00:00:00");
}
#endif
