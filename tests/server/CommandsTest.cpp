#include "server/Commands.h"
#include "TestFiles.h"
#include "server/ServerCatalogue.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tolvane;
using namespace tolvane::server;
using namespace tolvane::server::test;

namespace {

std::string usageErrorOf(std::vector<std::string> args) {
    try {
        parseOptions(args);
    } catch (const UsageError& e) {
        return e.what();
    }
    return "no error";
}

// Runs import or publish as the program does, with its messages in err.
int command(std::vector<std::string> args, std::ostringstream& err) {
    std::ostringstream out;
    return args[0] == "import" ? runImport(parseOptions(args), out, err)
                               : runPublish(parseOptions(args), out, err);
}

} // namespace

TEST(Options, ServeListensOnLoopbackAndTakesFaultsAndAccounts) {
    EXPECT_EQ(parseOptions({"serve", "--db", "x.db"}).host, "127.0.0.1");
    Options faulty = parseOptions({"--db", "x.db", "serve", "--port", "0", "--drop-after-pages",
                                   "3", "--delay-ms", "20", "--garbage", "--empty-products",
                                   "--update-password", "pw"});
    EXPECT_EQ(faulty.port, 0);
    EXPECT_EQ(faulty.faults.dropAfterPages, 3);
    EXPECT_EQ(faulty.faults.delayMs, 20);
    EXPECT_TRUE(faulty.faults.garbage && faulty.faults.emptyProducts);
    EXPECT_EQ(faulty.credentials.updatePassword, "pw");
}

TEST(Options, RefusesIncompleteOrMisplacedArguments) {
    using Args = std::vector<std::string>;
    const std::pair<Args, const char*> cases[] = {
        {{}, "no command"},
        {{"serve"}, "--db"},
        {{"serve", "--db", "x", "--port", "70000"}, "--port"},
        {{"serve", "--db", "x", "--port"}, "needs a value"},
        {{"import", "--db", "x"}, "--products"},
        {{"publish", "--db", "x", "--products", "p.tsv"}, "--timestamp"},
        {{"publish", "--db", "x", "--products", "p", "--delete", "1", "--timestamp",
          "2020-01-01 00:00:00"},
         "either"},
        {{"import", "--db", "x", "--products", "p", "--timestamp", "2020-01-01"}, "YYYY"},
        {{"import", "--db", "x", "--products", "p", "--port", "1"}, "only applies to serve"},
        {{"serve", "--db", "x", "--colour"}, "unknown option"},
    };
    for (const auto& [args, expected] : cases)
        EXPECT_NE(usageErrorOf(args).find(expected), std::string::npos) << usageErrorOf(args);

    EXPECT_EQ(parseIdList("3, 4,5"), (std::vector<long long>{3, 4, 5}));
    EXPECT_THROW(parseIdList("3,,4"), UsageError);
    EXPECT_THROW(parseIdList("3,900000000"), UsageError);
}

TEST(Commands, ImportTakesAWholeFileOrNothing) {
    TempDir dir;
    std::string db = dir.file("server.db");
    writeFile(dir.file("good.tsv"), catalogueHeader() +
                                        catalogueLine(1, "Eins", "2020-01-01 00:00:00") +
                                        catalogueLine(2, "Zwei", "2020-01-02 00:00:00"));
    // The bad line comes after a good one that would change product 1.
    writeFile(dir.file("bad.tsv"), catalogueHeader() +
                                       catalogueLine(1, "Geändert", "2020-03-01 00:00:00") +
                                       catalogueLine(900000005, "Eigenes", "2020-03-01 00:00:00"));
    std::ostringstream err;
    ASSERT_EQ(command({"import", "--db", db, "--products", dir.file("good.tsv")}, err), 0);
    EXPECT_EQ(command({"import", "--db", db, "--products", dir.file("bad.tsv")}, err), 1);
    EXPECT_NE(err.str().find("bad.tsv:3:"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("nothing was imported"), std::string::npos);
    EXPECT_EQ(command({"import", "--db", db, "--products", dir.file("missing.tsv")}, err), 1);

    ServerCatalogue catalogue(db);
    EXPECT_EQ(catalogue.productCount(), 2);
    EXPECT_EQ((*catalogue.product(1))[CatalogueField::Name], "Eins");
}

// What publishing stamps reaches the devices: the sync integration tests see it.
TEST(Commands, PublishWarnsOfAStampOlderThanTheNewest) {
    TempDir dir;
    std::string db = dir.file("server.db");
    writeFile(dir.file("base.tsv"),
              catalogueHeader() + catalogueLine(1, "Eins", "x") + catalogueLine(2, "Zwei", "y"));
    std::ostringstream err;
    ASSERT_EQ(command({"import", "--db", db, "--products", dir.file("base.tsv"), "--timestamp",
                       "2020-01-01 00:00:00"},
                      err),
              0);
    ASSERT_EQ(
        command({"publish", "--db", db, "--delete", "1", "--timestamp", "2020-03-01 00:00:00"},
                err),
        0);
    EXPECT_EQ(err.str(), "");
    // An older stamp would never reach devices that are up to date: say so.
    ASSERT_EQ(
        command({"publish", "--db", db, "--delete", "2", "--timestamp", "2019-01-01 00:00:00"},
                err),
        0);
    EXPECT_NE(err.str().find("warning"), std::string::npos);
}
