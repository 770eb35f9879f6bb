#include "StoreFixture.h"

#include "store/Migration.h"
#include "store/StoreLocations.h"

#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tolvane::test {

using List = std::vector<std::string>;

class MigrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        locations.resourceDir = dir.path() + "/resources";
        locations.documentsDir = dir.path() + "/documents/nested";
        std::filesystem::create_directories(locations.resourceDir);
        createShippedFile(locations.shippedDatabasePath(), storeSeed());
        execSql(locations.shippedDatabasePath(), "INSERT INTO Categories VALUES (1, 'Brot')");
    }

    // The start-up order: first copy, then the check.
    MigrationResult launch() {
        std::string error;
        EXPECT_TRUE(copyDatabaseIfMissing(locations, &error)) << error;
        return createEditableCopyOfDatabaseIfNeeded(locations, defaults, log);
    }

    void expectSeeded() {
        Database db(locations.databasePath(), log);
        EXPECT_EQ(db.selectPersonalProfileData(),
                  List{"F|30|165|57|20.9|59.9|2|2000|5.4|126|metric"});
        EXPECT_EQ(db.selectMenuItemsSortByRecordID(),
                  (List{"Menu List Item 2|0|0|1|1", "Menu List Item 3|0|1|2|1",
                        "Menu List Item 4|0|2|3|1", "Menu List Item 1|0|3|4|1"}));
        EXPECT_TRUE(db.tableExists("Favorite_Menufolder"));
        EXPECT_TRUE(db.tableExists("edit_product_consumption"));
        EXPECT_TRUE(db.selectAllRecordIDFromFavoriteTable().empty());
        EXPECT_TRUE(defaults.boolForKey("copiedNewDatabase"));
        EXPECT_TRUE(defaults.boolForKey("copiedNewFolderDatabase"));
    }

    // User data that a replacement of the file would lose.
    void addUserData() {
        Database db(locations.databasePath(), log);
        db.insertIntoDatabase("", catalogueFields("Eigenes", "Ich"), 77);
    }
    bool hasUserData() {
        Database db(locations.databasePath(), log);
        return db.selectProductDetail("77").size() == 1;
    }

    TempDir dir;
    StoreLocations locations;
    MemoryUserDefaults defaults;
    MemoryLog log;
};

TEST_F(MigrationTest, FreshInstallationIsCopiedAndSeeded) {
    const MigrationResult result = launch();
    EXPECT_TRUE(result.ok) << result.message;
    expectSeeded();
    Database db(locations.databasePath(), log);
    EXPECT_EQ(db.selectCategories(), List{"1|Brot"});
    // The shipped file itself is left as it was.
    Database shipped(locations.shippedDatabasePath(), log);
    EXPECT_FALSE(shipped.tableExists("Menu_Folder"));
}

TEST_F(MigrationTest, SecondLaunchTouchesNothing) {
    ASSERT_TRUE(launch().ok);
    addUserData();
    const std::string before = readFileBytes(locations.databasePath());
    ASSERT_TRUE(launch().ok);
    EXPECT_EQ(readFileBytes(locations.databasePath()), before);
    EXPECT_TRUE(hasUserData());
    expectSeeded();
}

TEST_F(MigrationTest, OlderInstallationWithoutTablesIsReplacedAndSeeded) {
    std::filesystem::create_directories(locations.documentsDir);
    std::filesystem::copy_file(locations.shippedDatabasePath(), locations.databasePath());
    addUserData();
    defaults.setBool("copiedNewDatabase", true);
    ASSERT_TRUE(launch().ok);
    EXPECT_FALSE(hasUserData());
    expectSeeded();
}

TEST_F(MigrationTest, InstallationWithItsTablesIsKeptWhateverTheFlags) {
    ASSERT_TRUE(launch().ok);
    addUserData();
    Database(locations.databasePath(), log).insertIntoFavorite_Menulistfolder("77", "1");
    defaults.remove("copiedNewFolderDatabase");
    defaults.remove("copiedNewDatabase");
    ASSERT_TRUE(launch().ok);
    EXPECT_TRUE(hasUserData());
    Database db(locations.databasePath(), log);
    EXPECT_EQ(db.selectAllRecordIDFromFavoriteTable(), List{"77"});
    EXPECT_EQ(db.selectMenuItemsSortByOrder().size(), 4u);
    EXPECT_TRUE(defaults.boolForKey("copiedNewFolderDatabase"));
}

TEST_F(MigrationTest, DeletedCopyWithBothFlagsGetsItsTablesBack) {
    ASSERT_TRUE(launch().ok);
    std::filesystem::remove(locations.databasePath());
    ASSERT_TRUE(launch().ok);
    expectSeeded();
}

TEST_F(MigrationTest, OnlyMissingTablesAreSeeded) {
    ASSERT_TRUE(launch().ok);
    Database db(locations.databasePath(), log);
    db.insertIntoMenuFolder("4", "Mein Ordner", "0", 5, "0");
    execSql(locations.databasePath(), "DROP TABLE Personal_Profile");
    ASSERT_TRUE(launch().ok);
    EXPECT_EQ(db.selectPersonalProfileData().size(), 1u);
    EXPECT_EQ(db.selectMenuItemsSortByOrder().size(), 5u);
}

TEST_F(MigrationTest, CopyFailureIsReportedAndCreatesNoFile) {
    std::filesystem::remove(locations.shippedDatabasePath());
    std::string error;
    EXPECT_FALSE(copyDatabaseIfMissing(locations, &error));
    EXPECT_FALSE(error.empty());
    const MigrationResult result = createEditableCopyOfDatabaseIfNeeded(locations, defaults, log);
    EXPECT_FALSE(result.ok);
    const std::string prefix = "Failed to create writable database file with message '";
    EXPECT_EQ(result.message.rfind(prefix, 0), 0u) << result.message;
    EXPECT_EQ(result.message.substr(result.message.size() - 2), "'.");
    EXPECT_GT(result.message.size(), prefix.size() + 2);
    EXPECT_TRUE(log.contains(result.message));
    EXPECT_FALSE(std::filesystem::exists(locations.databasePath()));
    EXPECT_FALSE(defaults.boolForKey("copiedNewDatabase"));
    EXPECT_FALSE(defaults.boolForKey("copiedNewFolderDatabase"));
}

TEST_F(MigrationTest, FailedReplacementKeepsTheOldCopy) {
    std::filesystem::create_directories(locations.documentsDir);
    std::filesystem::copy_file(locations.shippedDatabasePath(), locations.databasePath());
    addUserData();
    std::filesystem::remove(locations.shippedDatabasePath());
    const MigrationResult result = createEditableCopyOfDatabaseIfNeeded(locations, defaults, log);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(hasUserData());
    EXPECT_FALSE(defaults.boolForKey("copiedNewDatabase"));
}

TEST_F(MigrationTest, JournalOfADeletedCopyIsNotRolledIntoTheNewOne) {
    ASSERT_TRUE(launch().ok);
    // A process that dies in the middle of a write leaves a hot journal next to the file.
    const std::string file = locations.databasePath();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        sqlite3* handle = nullptr;
        sqlite3_open(file.c_str(), &handle);
        sqlite3_exec(handle,
                     "PRAGMA cache_size = 1; BEGIN; DELETE FROM Categories; "
                     "UPDATE Settings SET LiveSuche = 'NO'; CREATE TABLE Filler (x); "
                     "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < "
                     "2000) INSERT INTO Filler SELECT randomblob(500) FROM n;",
                     nullptr, nullptr, nullptr);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(std::filesystem::exists(file + "-journal"));
    std::filesystem::remove(file);

    ASSERT_TRUE(launch().ok);
    EXPECT_EQ(sqlRows(file, "PRAGMA integrity_check"), (Rows{{"ok"}}));
    Database db(file, log);
    EXPECT_EQ(db.selectCategories(), List{"1|Brot"});
    EXPECT_EQ(db.selectSettings(), List{"YES|YES|YES"});
    expectSeeded();
}

} // namespace tolvane::test
