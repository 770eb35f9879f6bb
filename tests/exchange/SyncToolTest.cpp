// The command-line driver, as a user runs it.
#include "platform/LockFile.h"
#include "tests/support/ServerProcess.h"
#include "tests/support/TestCatalogue.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

using namespace tolvane::test;

namespace {

// A client file, and a server file holding the products served.
class SyncTool : public ::testing::Test {
protected:
    void SetUp() override { createClientDatabase(clientDb); }
    void serve(int products) {
        writeTsv(dir.file("p.tsv"), someProducts(1, products));
        ASSERT_EQ(runProgram({serverProgram(), "import", "--db", serverDb, "--products",
                              dir.file("p.tsv")}),
                  0);
    }
    int sync(const std::string& url, std::string* output = nullptr, std::string db = {}) {
        return runProgram({TOLVANE_TEST_SYNC, "--db", db.empty() ? clientDb : db, "--server", url},
                          output);
    }

    TempDir dir;
    const std::string serverDb = dir.file("server.db");
    const std::string clientDb = dir.file("Tolvane.db");
};

TEST_F(SyncTool, BringsAnEmptyFileUpToDateAndReportsFailureByItsExitStatus) {
    serve(260);
    std::string output;
    {
        ServerProcess server(serverDb, {"--garbage"});
        EXPECT_EQ(sync(server.url(), &output), 1);
        EXPECT_NE(output.find("finished: unreadable reply"), std::string::npos) << output;
    }
    ServerProcess server(serverDb);
    // A password written into the address is used, never printed.
    std::string withPassword = server.url();
    withPassword.insert(withPassword.find("://") + 3, "shopper:s3cret@");
    EXPECT_EQ(sync(withPassword, &output), 0);
    EXPECT_EQ(output.find("s3cret"), std::string::npos) << output;
    EXPECT_NE(output.find("page 1/2: 250 of 260 products\npage 2/2: 260 of 260 products\n"),
              std::string::npos)
        << output;
    EXPECT_NE(
        output.find("alert: \"\" \"Verbindung wurde erfolgreich hergestellt und neue Einträge "
                    "sind heruntergeladen.\""),
        std::string::npos)
        << output;
    EXPECT_EQ(queryOne(clientDb, "select count(*) from ProductsTable"), "260");
    EXPECT_EQ(sync(server.url(), nullptr, dir.file("missing.db")), 2);
}

TEST_F(SyncTool, LeavesAFolderThatTheProgramHoldsAlone) {
    serve(10);
    ServerProcess server(serverDb);
    {
        tolvane::LockFile program(tolvane::LockFile::forFolderOf(clientDb));
        ASSERT_EQ(program.claim(), tolvane::LockFile::Claim::Taken);
        EXPECT_EQ(sync(server.url()), 1);
        EXPECT_EQ(queryOne(clientDb, "select count(*) from ProductsTable"), "0");
    }
    EXPECT_EQ(sync(server.url()), 0);
    EXPECT_EQ(queryOne(clientDb, "select count(*) from ProductsTable"), "10");
}

// Starts the sync tool without waiting for it; its output is dropped.
pid_t startSync(const std::string& clientDb, const std::string& url) {
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execl(TOLVANE_TEST_SYNC, TOLVANE_TEST_SYNC, "--db", clientDb.c_str(), "--server",
              url.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return child;
}

int catalogueCount(const std::string& clientDb) {
    try {
        return std::stoi("0" + queryOne(clientDb, "select count(*) from ProductsTable"));
    } catch (const std::exception&) {
        return 0; // locked by the writer just now
    }
}

} // namespace

TEST_F(SyncTool, KilledInTheMiddleOfAnUpdateLeavesAnIntactFileAndTheNextRunCompletes) {
    // What must survive: an own product's catalogue row and a favourite.
    query(clientDb, "INSERT INTO ProductsTable (sortOrder, favFlag, field01, recordId) VALUES "
                    "('', '0', 'Eigenes', 900000001)");
    serve(5000);
    ServerProcess server(serverDb, {"--delay-ms", "30"});

    for (int kill = 0; kill < 3; ++kill) {
        const pid_t sync = startSync(clientDb, server.url());
        ASSERT_GT(sync, 0);
        // Killed a little later each time, while pages are arriving.
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (catalogueCount(clientDb) < 250 * (kill + 2) &&
               std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(5 + 7 * kill));
        ::kill(sync, SIGKILL);
        int status = 0;
        waitpid(sync, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the run ended before it was killed";

        EXPECT_EQ(query(clientDb, "PRAGMA integrity_check"), std::vector<std::string>{"ok"});
        EXPECT_EQ(queryOne(clientDb, "select field01 from ProductsTable where recordId = "
                                     "900000001"),
                  "Eigenes");
        // Pages are stored whole or not at all.
        EXPECT_EQ((catalogueCount(clientDb) - 1) % 250, 0) << catalogueCount(clientDb);
    }
    std::string output;
    EXPECT_EQ(sync(server.url(), &output), 0) << output;
    EXPECT_EQ(catalogueCount(clientDb), 5001);
    EXPECT_EQ(queryOne(clientDb, "select rows, dtimestamp from Timestamp"),
              "0|2017-01-01 01:23:19");
}
