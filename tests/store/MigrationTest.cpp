#include "StoreFixture.h"
#include "tests/support/RefusedStatements.h"
#include "tests/support/Unprivileged.h"

#include "store/CatalogueStore.h"
#include "store/Migration.h"
#include "store/PlannerStore.h"
#include "store/SettingsStore.h"
#include "store/StoreLocations.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <thread>

namespace tolvane::test {

namespace {

// A process that dies in the middle of a write (changes, then 1 MB more so that pages reach the
// file): it leaves a hot journal next to the file.
void dieWritingWith(const std::string& file, const std::string& changes) {
    const pid_t child = fork();
    if (child == 0) {
        sqlite3* handle = nullptr;
        sqlite3_open(file.c_str(), &handle);
        const std::string sql =
            "PRAGMA cache_size = 1; BEGIN; " + changes +
            " CREATE TABLE Filler (x); WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
            "FROM n WHERE i < 2000) INSERT INTO Filler SELECT randomblob(500) FROM n;";
        sqlite3_exec(handle, sql.c_str(), nullptr, nullptr, nullptr);
        _exit(0);
    }
    int status = 0;
    if (child > 0) waitpid(child, &status, 0);
}

} // namespace

using List = std::vector<std::string>;
// The one category the tests' shipped file holds.
const std::vector<CategoryRow> brot{{"1", "Brot"}};

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
        EXPECT_EQ(SettingsStore(db).selectPersonalProfileData(), ProfileRow::seed());
        EXPECT_EQ(PlannerStore(db).selectMenuItemsSortByRecordID(), seededFolders);
        EXPECT_TRUE(db.tableExists("Favorite_Menufolder") &&
                    db.tableExists("edit_product_consumption"));
        EXPECT_TRUE(PlannerStore(db).selectAllRecordIDFromFavoriteTable().empty());
        EXPECT_TRUE(defaults.boolForKey("copiedNewDatabase") &&
                    defaults.boolForKey("copiedNewFolderDatabase"));
    }

    // User data that a replacement of the file would lose.
    void addUserData() {
        Database db(locations.databasePath(), log);
        CatalogueStore(db).insertIntoDatabase("", catalogueRecord(77, "Eigenes", "Ich"));
    }
    bool hasUserData() {
        Database db(locations.databasePath(), log);
        return CatalogueStore(db).selectProductDetail(ProductId{77}).has_value();
    }
    // The user's file with the user defaults lost: only its tables tell that it is the user's.
    void userFileWithoutFlags() {
        ASSERT_TRUE(launch().ok);
        addUserData();
        defaults.remove("copiedNewFolderDatabase");
        defaults.remove("copiedNewDatabase");
    }

    // The start-up check in a child process that cannot write the documents folder (the folders
    // above opened to it): 0 when its result passes, as its problem number otherwise.
    int launchInReadOnlyFolder(bool problemAndData(const MigrationResult&, Database&)) {
        for (std::string at = locations.documentsDir; at.size() >= dir.path().size();
             at = std::filesystem::path(at).parent_path().string())
            chmod(at.c_str(), 0755);
        chmod(locations.documentsDir.c_str(), 0555);
        const int code = runUnprivileged([&] {
            MemoryLog childLog;
            const auto result = createEditableCopyOfDatabaseIfNeeded(locations, defaults, childLog);
            Database database(locations.databasePath(), childLog);
            return problemAndData(result, database) ? 0 : 10 + static_cast<int>(result.problem);
        });
        chmod(locations.documentsDir.c_str(), 0755);
        return code;
    }

    TempDir dir;
    StoreLocations locations;
    MemoryUserDefaults defaults;
    MemoryLog log;
};

TEST_F(MigrationTest, FreshInstallationIsCopiedAndSeededAndTheSecondLaunchTouchesNothing) {
    const MigrationResult result = launch();
    EXPECT_TRUE(result.ok) << result.message;
    expectSeeded();
    Database db(locations.databasePath(), log);
    EXPECT_EQ(CatalogueStore(db).selectCategories(), brot);
    // The shipped file itself is left as it was.
    Database shipped(locations.shippedDatabasePath(), log);
    EXPECT_FALSE(shipped.tableExists("Menu_Folder"));
    // The first copy was the shipped file itself: nothing worth setting aside.
    EXPECT_TRUE(result.setAside.empty());
    for (const auto& entry : std::filesystem::directory_iterator(locations.documentsDir))
        EXPECT_EQ(entry.path().filename(), "Tolvane.db");

    addUserData();
    const std::string before = readFileBytes(locations.databasePath());
    ASSERT_TRUE(launch().ok);
    EXPECT_EQ(readFileBytes(locations.databasePath()), before);
}

TEST_F(MigrationTest, OlderInstallationWithoutTablesIsReplacedAndSeededOrKeptWhenThatFails) {
    std::filesystem::create_directories(locations.documentsDir);
    const std::string shipped = locations.shippedDatabasePath();
    std::filesystem::copy_file(shipped, locations.databasePath());
    addUserData();
    // Without the shipped file the replacement fails and the old copy stays.
    std::filesystem::rename(shipped, shipped + ".away");
    EXPECT_FALSE(createEditableCopyOfDatabaseIfNeeded(locations, defaults, log).ok);
    EXPECT_TRUE(hasUserData());
    EXPECT_FALSE(defaults.boolForKey("copiedNewDatabase"));
    std::filesystem::rename(shipped + ".away", shipped);

    defaults.setBool("copiedNewDatabase", true);
    const MigrationResult result = launch();
    ASSERT_TRUE(result.ok);
    EXPECT_FALSE(hasUserData());
    expectSeeded();
    // The old file is moved aside, not deleted.
    ASSERT_FALSE(result.setAside.empty());
    EXPECT_EQ(result.setAside.rfind(locations.databasePath() + ".replaced-", 0), 0u);
    Database setAside(result.setAside, log);
    EXPECT_TRUE(CatalogueStore(setAside).selectProductDetail(ProductId{77}));
}

TEST_F(MigrationTest, InstallationWithItsTablesIsKeptWhateverTheFlagsAndOnlyMissingOnesSeeded) {
    userFileWithoutFlags();
    Database db(locations.databasePath(), log);
    PlannerStore(db).insertIntoFavorite_Menulistfolder(ProductId{77}, FolderId{1});
    ASSERT_TRUE(launch().ok);
    EXPECT_TRUE(hasUserData());
    EXPECT_EQ(PlannerStore(db).selectAllRecordIDFromFavoriteTable(), List{"77"});
    EXPECT_TRUE(defaults.boolForKey("copiedNewFolderDatabase"));
    // With the flags set, a table gone is seeded again; the folders stay as they are.
    PlannerStore(db).insertIntoMenuFolder("4", "Mein Ordner", "0", FolderId{5}, "0");
    execSql(locations.databasePath(), "DROP TABLE Personal_Profile");
    ASSERT_TRUE(launch().ok);
    EXPECT_TRUE(SettingsStore(db).selectPersonalProfileData());
    EXPECT_EQ(PlannerStore(db).selectMenuItemsSortByOrder().size(), 5u);
}

TEST_F(MigrationTest, SeedRowsTheFileRefusesLeaveNoTableBehindAndTheNextStartSeedsThem) {
    for (const char* table : {"Menu_Folder", "Personal_Profile"}) {
        std::filesystem::remove(locations.databasePath());
        {
            RefusedStatements refused(SQLITE_INSERT, table);
            const MigrationResult result = launch();
            EXPECT_FALSE(result.ok) << table;
            EXPECT_EQ(result.problem, MigrationResult::Problem::SeedFailed) << table;
        }
        Database db(locations.databasePath(), log);
        EXPECT_FALSE(db.tableExists(table));
        ASSERT_TRUE(launch().ok);
        expectSeeded();
    }
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
    EXPECT_FALSE(std::filesystem::exists(locations.databasePath()));
    EXPECT_FALSE(defaults.boolForKey("copiedNewDatabase") ||
                 defaults.boolForKey("copiedNewFolderDatabase"));
}

TEST_F(MigrationTest, ADiskWithoutRoomForTheCopyIsSaidToBeFull) {
    // A shipped file larger than any free space here, without taking any.
    std::filesystem::resize_file(locations.shippedDatabasePath(), std::uintmax_t(1) << 43);
    const MigrationResult result = createEditableCopyOfDatabaseIfNeeded(locations, defaults, log);
    EXPECT_EQ(result.problem, MigrationResult::Problem::NoSpace);
    EXPECT_FALSE(std::filesystem::exists(locations.databasePath()));
    EXPECT_FALSE(std::filesystem::exists(locations.databasePath() + ".copying"));
}

TEST_F(MigrationTest, AKilledWritersJournalIsRolledBackNotReportedAndNeverRolledIntoANewCopy) {
    ASSERT_TRUE(launch().ok);
    addUserData();
    const std::string file = locations.databasePath();
    const std::string changes =
        "DELETE FROM ProductsTable; DELETE FROM Categories; UPDATE Settings SET LiveSuche = 'NO';";
    dieWritingWith(file, changes);
    ASSERT_TRUE(std::filesystem::exists(file + "-journal"));
    // In a folder that cannot be written the journal cannot be finished: not damage either.
    EXPECT_EQ(launchInReadOnlyFolder([](const MigrationResult& result, Database&) {
                  return result.problem == MigrationResult::Problem::JournalBlocked;
              }),
              0);
    const MigrationResult result = launch();
    EXPECT_TRUE(result.ok) << result.message;
    EXPECT_TRUE(hasUserData());
    EXPECT_EQ(sqlRows(file, "PRAGMA integrity_check"), (Rows{{"ok"}}));

    // The journal of a copy deleted since is not rolled into the new one.
    dieWritingWith(file, changes);
    ASSERT_TRUE(std::filesystem::exists(file + "-journal"));
    std::filesystem::remove(file);
    ASSERT_TRUE(launch().ok);
    EXPECT_EQ(sqlRows(file, "PRAGMA integrity_check"), (Rows{{"ok"}}));
    Database db(file, log);
    EXPECT_EQ(CatalogueStore(db).selectCategories(), brot);
    EXPECT_EQ(SettingsStore(db).selectSettings(), (SettingsRow{"YES", "YES", "YES"}));
    expectSeeded();
}

TEST_F(MigrationTest, FileLockedThroughTheWaitIsKeptAndALockReleasedWithinItWaitedFor) {
    userFileWithoutFlags();
    const std::string before = readFileBytes(locations.databasePath());
    OtherConnection lock(locations.databasePath(), "BEGIN EXCLUSIVE");
    ASSERT_TRUE(lock.holding());
    MigrationResult result = createEditableCopyOfDatabaseIfNeeded(locations, defaults, log,
                                                                  {std::chrono::milliseconds(300)});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.problem, MigrationResult::Problem::Locked);
    EXPECT_EQ(readFileBytes(locations.databasePath()), before);
    EXPECT_FALSE(defaults.boolForKey("copiedNewDatabase"));

    // The next start, with the lock gone within its wait, keeps the file too.
    std::thread releaser([&lock] {
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        lock.release();
    });
    result = createEditableCopyOfDatabaseIfNeeded(locations, defaults, log,
                                                  {std::chrono::milliseconds(5000)});
    releaser.join();
    EXPECT_TRUE(result.ok) << result.message;
    EXPECT_TRUE(hasUserData());
    expectSeeded();
}

TEST_F(MigrationTest, ZeroLengthFileOrOneWithoutCatalogueIsSetAsideAndCopiedAgain) {
    ASSERT_TRUE(launch().ok);
    std::filesystem::resize_file(locations.databasePath(), 0);
    const MigrationResult result = launch();
    ASSERT_TRUE(result.ok) << result.message;
    expectSeeded();
    Database placed(locations.databasePath(), log);
    EXPECT_EQ(CatalogueStore(placed).selectCategories(), brot);
    ASSERT_FALSE(result.setAside.empty());
    EXPECT_EQ(std::filesystem::file_size(result.setAside), 0u);

    // A file without the catalogue tables is set aside too, with its data.
    PlannerStore(placed).insertIntoMenuFolder("4", "Mein Ordner", "0", FolderId{5}, "0");
    execSql(locations.databasePath(), "DROP TABLE ProductsTable");
    const MigrationResult again = launch();
    ASSERT_TRUE(again.ok) << again.message;
    expectSeeded();
    ASSERT_FALSE(again.setAside.empty());
    Database againSetAside(again.setAside, log);
    EXPECT_EQ(PlannerStore(againSetAside).selectMenuItemsSortByOrder().size(), 5u);
}

TEST_F(MigrationTest, CorruptFileIsKeptAndReported) {
    ASSERT_TRUE(launch().ok);
    const std::string file = locations.databasePath();
    const std::string healthy = readFileBytes(file);
    // Not a database at all, and a database whose inner pages are damaged.
    std::string damaged = healthy;
    for (std::size_t at = 2 * 4096; at < damaged.size(); at += 4096)
        damaged.replace(at, 64, std::string(64, '\x5a'));
    for (const std::string& bytes : {std::string(4096, 'x'), damaged}) {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
        const MigrationResult result = launch();
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.problem, MigrationResult::Problem::Corrupt) << result.message;
        EXPECT_EQ(readFileBytes(file), bytes);
        EXPECT_TRUE(result.setAside.empty());
    }
}

TEST_F(MigrationTest, ReadOnlyFolderIsReportedAndItsDataStillRead) {
    ASSERT_TRUE(launch().ok);
    addUserData();
    chmod(locations.databasePath().c_str(), 0444);
    EXPECT_EQ(launchInReadOnlyFolder([](const MigrationResult& result, Database& database) {
                  return result.problem == MigrationResult::Problem::ReadOnly && result.ok &&
                         CatalogueStore(database).selectProductDetail(ProductId{77});
              }),
              0);
    EXPECT_TRUE(hasUserData());
}

// An update killed midway left the file in write-ahead mode; the folder is read-only now but
// the file and its journals are not. The start says nothing can be saved: nothing is.
TEST_F(MigrationTest, AReadOnlyFolderRefusesChangesEvenThroughAWriteAheadJournal) {
    ASSERT_TRUE(launch().ok);
    addUserData();
    const std::string file = locations.databasePath();
    sqlite3* handle = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &handle), SQLITE_OK);
    int persist = 1;
    sqlite3_file_control(handle, "main", SQLITE_FCNTL_PERSIST_WAL, &persist);
    sqlite3_exec(handle, "PRAGMA journal_mode = WAL; UPDATE Settings SET LiveSuche = 'NO'", nullptr,
                 nullptr, nullptr);
    sqlite3_close(handle);
    for (const std::string& part : {file, file + "-wal", file + "-shm"})
        chmod(part.c_str(), 0666);
    EXPECT_EQ(launchInReadOnlyFolder([](const MigrationResult& result, Database& database) {
                  if (result.problem != MigrationResult::Problem::ReadOnly) return false;
                  const bool changed = database.runInCheckedTransaction([&] {
                      CatalogueStore(database).deleteProductFromMainTable(ProductId{77});
                      return true;
                  });
                  return !changed && !database.beginBulkWrites() &&
                         database.lastWriteFailure() == Database::WriteFailure::ReadOnly &&
                         CatalogueStore(database).selectProductDetail(ProductId{77});
              }),
              0);
    EXPECT_TRUE(hasUserData());
}

} // namespace tolvane::test
