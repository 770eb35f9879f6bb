// Starting from the catalogue file shipped with the application.
#include "RecordingListener.h"
#include "tests/support/ServerProcess.h"
#include "tests/support/TestCatalogue.h"

#include "exchange/CatalogueUpdate.h"
#include "store/Database.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace tolvane;
using namespace tolvane::test;

TEST(ShippedCatalogue, IsUpToDateWithItsSourceAndTakesInThousandsOfChangedProducts) {
    if (!std::filesystem::exists(TOLVANE_TEST_SHIPPED_DB))
        GTEST_SKIP() << "no shipped database built";
    TempDir dir;
    const std::string serverDb = dir.file("server.db");
    const std::string clientDb = dir.file("Tolvane.db");
    std::filesystem::copy_file(TOLVANE_TEST_SHIPPED_DB, clientDb);
    ASSERT_EQ(runProgram({serverProgram(), "import", "--db", serverDb, "--products",
                          TOLVANE_TEST_CATALOGUE_TSV}),
              0);
    const int shipped = std::stoi(queryOne(clientDb, "select count(*) from ProductsTable"));

    // The first 3000 products of the source come again, changed.
    const std::string changed = dir.file("changed.tsv");
    {
        std::ifstream in(TOLVANE_TEST_CATALOGUE_TSV);
        std::ofstream out(changed);
        std::string line;
        for (int i = 0; i <= 3000 && std::getline(in, line); ++i)
            out << line << "\n";
    }
    ASSERT_EQ(runProgram({serverProgram(), "publish", "--db", serverDb, "--products", changed,
                          "--timestamp", "2030-01-01 00:00:00"}),
              0);

    ServerProcess server(serverDb);
    FakePlatform fake;
    Platform platform = fake.platform();
    Database database(clientDb, fake.log);
    DatabaseWorker store(clientDb, fake.log);
    RecordingListener listener;
    database.setFavorite(queryOne(clientDb, "select recordId from ProductsTable limit 1 offset 10"),
                         1, "0");
    CatalogueUpdate update(platform, database, store, listener, server.url());
    update.update();
    fake.dispatcher.advance(0.2);
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return listener.outcome.has_value(); },
                                         std::chrono::seconds(180)));
    EXPECT_EQ(listener.outcome, UpdateOutcome::Completed);
    EXPECT_EQ(listener.progressCalls.size(), 12u);
    EXPECT_EQ(std::stoi(queryOne(clientDb, "select count(*) from ProductsTable")), shipped);
    EXPECT_EQ(queryOne(clientDb, "select count(*) from ProductsTable where field06 = '2030-01-01 "
                                 "00:00:00'"),
              "3000");
    EXPECT_EQ(queryOne(clientDb, "select count(*) from ProductsTable where favFlag = 1"), "1");
    EXPECT_EQ(queryOne(clientDb, "select rows, dtimestamp from Timestamp"),
              "0|2030-01-01 00:00:00");
}
