// Backups as the settings write and read them: everything found again in a fresh folder, merged
// without duplicates, and a damaged or foreign file refused with nothing changed.
#include "DiaryFixture.h"

#include "backup/Backup.h"
#include "backup/BackupFile.h"
#include "backup/DiaryCsv.h"
#include "screens/diary/DiaryLog.h"
#include "store/CatalogueStore.h"
#include "store/OwnProductStore.h"

#include <fstream>

namespace tolvane::test {

namespace {

// Everything a backup holds, as the file has it.
std::vector<std::string> contents(const std::string& path) {
    std::vector<std::string> all;
    for (const char* sql :
         {"SELECT uid, day, time, meal, amount, name, maker, energyKcal, protein FROM Diary_Entry "
          "ORDER BY uid",
          "SELECT Produktname, Hersteller, Fett, Einheit, Produktmenge FROM Products ORDER BY 1",
          "SELECT field1, islocalized FROM Menu_Folder ORDER BY 1",
          "SELECT f.field1, c.recordId, c.gm, c.calory FROM edit_product_consumption c JOIN "
          "Menu_Folder f ON f.recordId = c.menu_folder_id ORDER BY 1, 2",
          "SELECT * FROM Personal_Profile", "SELECT * FROM Settings"})
        for (const std::string& row : query(path, sql))
            all.push_back(std::string(sql).substr(0, 30) + ": " + row);
    return all;
}

} // namespace

class BackupTest : public DiaryTest {
protected:
    void SetUp() override {
        DiaryTest::SetUp();
        logEaten(*db, 1, "2026-12-07", "80");
        logEaten(*db, 2, "2026-12-08", "37.5");
        // An own product, filed with an amount into a folder of the user's.
        OwnProductStore own(*db);
        const int id = own.insertProduct("Müsli \"Haus\", fein", "Ich", "1", "6", "1", "12", "0.1",
                                         "370", "0", "0", "g", "1", "500");
        ASSERT_GT(id, 0);
        ASSERT_EQ(own.insertProductToMainTable("Müsli \"Haus\", fein", "Ich", "1", "6", "1", "12",
                                               "0.1", "370", "g", ProductId{id}, "500"),
                  id);
        own.updateInsertedProductId(ProductId{id}, OwnProductId{id});
        PlannerStore planner(*db);
        planner.insertIntoMenuFolder("1", "Sonntag", "555", FolderId{7}, "0");
        for (const auto& [product, gm, kcal] :
             {std::tuple{ProductId{id}, "150g", "555"}, std::tuple{ProductId{2}, "g", "500"}}) {
            planner.insertIntoFavorite_Menulistfolder(product, FolderId{7});
            planner.newUpdateIntoEditConsumptionTable(product, "", "", "1", gm, "1", "1", "1", "1",
                                                      kcal, FolderId{7});
        }
        SettingsStore(*db).updatePersonalSettings("M", "40", "180", "80", "24.7", "71.3", "3",
                                                  "2700", "5.11", "176", "metric");
        file = dir.file("backup.json");
        std::string error;
        ASSERT_TRUE(exportBackupFile(*db, file, &error)) << error;
    }

    // A fresh documents folder: the shipped catalogue with the seeded tables only.
    std::unique_ptr<Database> freshFile(TestCatalogue& fresh) {
        fresh.addCategory(1, "Snacks");
        fresh.add(brezel());
        fresh.add(chips());
        auto other = std::make_unique<Database>(fresh.path(), log);
        seedAppTables(*other);
        return other;
    }

    TempDir dir;
    std::string file;
};

TEST_F(BackupTest, ImportedIntoAFreshFolderEverythingIsFoundAgainAndTwiceNothingDoubles) {
    TestCatalogue fresh;
    auto other = freshFile(fresh);
    BackupImport result = importBackupFile(*other, file);
    ASSERT_EQ(result.outcome, BackupImport::Outcome::Imported) << result.detail;
    EXPECT_EQ(result.entriesAdded, 2);
    EXPECT_EQ(result.ownProductsAdded, 1);
    EXPECT_EQ(result.foldersAdded, 1);
    EXPECT_EQ(result.folderItemsAdded, 2);
    EXPECT_EQ(contents(fresh.path()), contents(catalogue.path()));

    // Again, and back into the file it came from: nothing is there twice.
    result = importBackupFile(*other, file);
    ASSERT_EQ(result.outcome, BackupImport::Outcome::Imported);
    EXPECT_EQ(result.entriesAdded + result.ownProductsAdded + result.foldersAdded +
                  result.folderItemsAdded,
              0);
    EXPECT_EQ(contents(fresh.path()), contents(catalogue.path()));
    const auto before = contents(catalogue.path());
    ASSERT_EQ(importBackupFile(*db, file).outcome, BackupImport::Outcome::Imported);
    EXPECT_EQ(contents(catalogue.path()), before);
}

TEST_F(BackupTest, ADamagedOrForeignFileIsRefusedAndChangesNothing) {
    std::ifstream in(file);
    const std::string whole((std::istreambuf_iterator<char>(in)), {});
    TestCatalogue fresh;
    auto other = freshFile(fresh);
    const auto before = contents(fresh.path());
    using Outcome = BackupImport::Outcome;
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = whole;
        const auto at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    const std::pair<std::string, Outcome> cases[] = {
        {whole.substr(0, whole.size() / 2), Outcome::Damaged}, // cut off
        {"", Outcome::Damaged},
        {"{\"products\": []}", Outcome::Foreign},
        {"[1, 2]", Outcome::Foreign},
        {replaced("\"version\": 1", "\"version\": 2"), Outcome::Newer},
        // Valid up to the settings, the last part read: the diary must not be written alone.
        {replaced("\"liveSearch\":", "\"liveSearch\": 1, \"x\":"), Outcome::Damaged},
        {replaced("\"day\": \"2026-12-08\"", "\"day\": \"2026-02-30\""), Outcome::Damaged},
    };
    for (const auto& [text, outcome] : cases) {
        const BackupImport result = importBackup(*other, text);
        EXPECT_EQ(result.outcome, outcome) << text.substr(0, 80);
        EXPECT_FALSE(result.detail.empty());
        EXPECT_EQ(contents(fresh.path()), before);
    }
    // A write that fails half-way leaves nothing either: the folders' table is gone.
    fresh.exec("DROP TABLE edit_product_consumption");
    EXPECT_EQ(importBackup(*other, whole).outcome, Outcome::Failed);
    EXPECT_EQ(query(fresh.path(), "SELECT count(*) FROM Diary_Entry"),
              std::vector<std::string>{"0"});
    EXPECT_EQ(query(fresh.path(), "SELECT count(*) FROM Products"), std::vector<std::string>{"0"});
}

// A folder's catalogue product that the fresh file's (older) catalogue lacks travels whole and is
// stored there as a catalogue product, without its date, which the next update resumes from.
TEST_F(BackupTest, AFolderItemWhoseProductTheCatalogueLacksIsKept) {
    catalogue.add({3, "Nussecke", "Beck", "1", "25", "9", "30", "0.3", "480", "g", "70"});
    catalogue.exec("UPDATE ProductsTable SET field06 = '2026-11-30 10:00:00', field24 = "
                   "'7610000000003', field17 = '7' WHERE recordId = 3");
    PlannerStore planner(*db);
    planner.insertIntoFavorite_Menulistfolder(ProductId{3}, FolderId{7});
    planner.newUpdateIntoEditConsumptionTable(ProductId{3}, "", "", "1", "70g", "17.5", "6.3", "21",
                                              "0.2", "336", FolderId{7});
    ASSERT_TRUE(exportBackupFile(*db, file));

    TestCatalogue fresh;
    auto other = freshFile(fresh);
    const BackupImport result = importBackupFile(*other, file);
    ASSERT_EQ(result.outcome, BackupImport::Outcome::Imported) << result.detail;
    EXPECT_EQ(result.folderItemsAdded, 3);
    EXPECT_EQ(result.folderItemsSkipped, 0);
    EXPECT_EQ(result.productsRestored, 1);
    EXPECT_EQ(contents(fresh.path()), contents(catalogue.path()));
    const char* product = "SELECT field01, field02, field06, field13, field17, field24, favFlag "
                          "FROM ProductsTable WHERE recordId = 3";
    EXPECT_EQ(query(fresh.path(), product),
              std::vector<std::string>{"Nussecke|Beck||25|7|7610000000003|1"});
    const auto found = CatalogueStore(*other).selectProductDetail(ProductId{3});
    ASSERT_TRUE(found);
    EXPECT_EQ(found->nutrients.kcal, "480");

    // Again: the product is there now and nothing doubles.
    const BackupImport again = importBackupFile(*other, file);
    ASSERT_EQ(again.outcome, BackupImport::Outcome::Imported);
    EXPECT_EQ(again.productsRestored + again.folderItemsAdded, 0);
    EXPECT_EQ(query(fresh.path(), "SELECT count(*) FROM ProductsTable WHERE recordId = 3"),
              std::vector<std::string>{"1"});

    // A carried product that is not one refuses the file, and nothing is stored.
    TestCatalogue third;
    auto another = freshFile(third);
    std::ifstream in(file);
    std::string whole((std::istreambuf_iterator<char>(in)), {});
    const auto at = whole.find("\"Produktname\": \"Nussecke\"");
    ASSERT_NE(at, std::string::npos);
    whole.replace(at, 25, "\"Produktname\": 7");
    const BackupImport refused = importBackup(*another, whole);
    EXPECT_EQ(refused.outcome, BackupImport::Outcome::Damaged);
    EXPECT_EQ(query(third.path(), "SELECT count(*) FROM ProductsTable WHERE recordId = 3"),
              std::vector<std::string>{"0"});
    EXPECT_EQ(query(third.path(), "SELECT count(*) FROM Diary_Entry"),
              std::vector<std::string>{"0"});
}

TEST_F(BackupTest, TheDiaryIsWrittenAsCsvForASpreadsheet) {
    const auto csv = diaryCsv(*db, "2026-12-08", "2026-12-31");
    ASSERT_TRUE(csv);
    EXPECT_EQ(*csv, "day,time,meal,product,maker,amount,unit,energy_kcal,fat_g,saturated_fat_g,"
                    "sugar_g,salt_g,protein_g,carbohydrates_g,fibre_g\n"
                    "2026-12-08,08:15,breakfast,Chips,Zweifel,37.5,g,188,7.50,1.88,0.38,0.56,,,\n");
    EXPECT_FALSE(diaryCsv(*db, "2026-12-8", "2026-12-31"));
}

} // namespace tolvane::test
