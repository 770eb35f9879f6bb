// The command-line driver, as a user runs it.
#include "TestCatalogue.h"
#include "tests/support/ServerProcess.h"

#include <gtest/gtest.h>

using namespace tolvane::test;

TEST(SyncTool, BringsAnEmptyFileUpToDateAndReportsFailureByItsExitStatus) {
    TempDir dir;
    const std::string serverDb = dir.file("server.db");
    const std::string clientDb = dir.file("Tolvane.db");
    createClientDatabase(clientDb);
    writeTsv(dir.file("p.tsv"), someProducts(1, 260));
    ASSERT_EQ(
        runProgram({serverProgram(), "import", "--db", serverDb, "--products", dir.file("p.tsv")}),
        0);

    std::string output;
    {
        ServerProcess server(serverDb, {"--garbage"});
        EXPECT_EQ(
            runProgram({TOLVANE_TEST_SYNC, "--db", clientDb, "--server", server.url()}, &output),
            1);
        EXPECT_NE(output.find("finished: unreadable reply"), std::string::npos) << output;
    }
    ServerProcess server(serverDb);
    EXPECT_EQ(runProgram({TOLVANE_TEST_SYNC, "--db", clientDb, "--server", server.url()}, &output),
              0);
    EXPECT_NE(output.find("page 1/2: 250 of 260 products\npage 2/2: 260 of 260 products\n"),
              std::string::npos)
        << output;
    EXPECT_NE(
        output.find("alert: \"\" \"Verbindung wurde erfolgreich hergestellt und neue Einträge "
                    "sind heruntergeladen.\""),
        std::string::npos)
        << output;
    EXPECT_EQ(queryOne(clientDb, "select count(*) from ProductsTable"), "260");

    EXPECT_EQ(
        runProgram({TOLVANE_TEST_SYNC, "--db", dir.file("missing.db"), "--server", server.url()}),
        2);
}
