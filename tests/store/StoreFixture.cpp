#include "StoreFixture.h"

#include "store/CatalogueStore.h"
#include "store/PlannerStore.h"
#include "store/SettingsStore.h"
#include "tests/support/TestCatalogue.h"

#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tolvane::test {

Rows sqlRows(const std::string& path, const std::string& sql) {
    return queryColumns(path, sql, "<null>");
}

long long sqlInt(const std::string& path, const std::string& sql) {
    Rows rows = sqlRows(path, sql);
    return rows.empty() ? -1 : std::atoll(rows[0][0].c_str());
}

std::string readFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

CatalogueRecord catalogueRecord(long long id, const std::string& name, const std::string& maker,
                                const std::string& category) {
    CatalogueRecord record;
    for (std::size_t i = 0; i < record.fields.size(); ++i)
        record.fields[i] = "f" + std::to_string(i + 1);
    using enum CatalogueField;
    record[Name] = name;
    record[Maker] = maker;
    record[Category] = category;
    record[SalesPortion] = "250";
    record[InclusionDate] = "2012-01-01";
    record[Unit] = "g";
    record[Fat] = fixtureNutrients.fat;
    record[SaturatedFat] = fixtureNutrients.saturatedFat;
    record[Sugar] = fixtureNutrients.sugar;
    record[Salt] = fixtureNutrients.salt;
    record[EnergyKcal] = fixtureNutrients.kcal;
    record.id = id;
    return record;
}

void StoreTest::SetUp() {
    path = dir.path() + "/Tolvane.db";
    createShippedFile(path, storeSeed());
    db = std::make_unique<Database>(path, log);
}

void StoreTest::seedAppTables() {
    SettingsStore(*db).createPersonalProfileTable();
    SettingsStore(*db).InsertIntoPersonalProfileTable();
    PlannerStore(*db).createMenu_FolderTable();
    for (const FolderRow& f : seededFolders)
        PlannerStore(*db).insertIntoMenu_FolderTableStarted(f.sortOrder, f.name, f.calories,
                                                            FolderId::of(f.folderId), f.localized);
    PlannerStore(*db).createFavorite_MenufolderTable();
    PlannerStore(*db).createEdit_ConsumptionTable();
}

void StoreTest::addProduct(long long recordId, const std::string& name, const std::string& maker,
                           const std::string& category) {
    CatalogueStore(*db).insertIntoDatabase("", catalogueRecord(recordId, name, maker, category));
}

} // namespace tolvane::test
