// The page store writes through statements prepared once per page; the rows must be the very
// ones the composed statements write, byte for byte and type for type.
#include "tests/support/TestCatalogue.h"

#include "exchange/CataloguePageStore.h"
#include "platform/Log.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"
#include "store/PlannerStore.h"
#include "text/SplitFields.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace tolvane;
using namespace tolvane::test;

namespace {

using Mode = CataloguePageWriter::Mode;

// Every column of every row with its storage class, in row order.
std::vector<std::string> dump(const std::string& path) {
    std::string sql = "select rowid";
    for (const auto& column : query(path, "select name from pragma_table_info('ProductsTable')"))
        sql += ", typeof(\"" + column + "\") || ':' || hex(\"" + column + "\")";
    return query(path, sql + " from ProductsTable order by rowid");
}

struct Random {
    std::uint32_t state = 12345;
    std::size_t below(std::size_t n) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % n;
    }
};

// Awkward values, the first one empty: quotes, bars, umlauts, texts that look like numbers.
const std::vector<std::string> texts =
    splitFields("\tkeine Angaben\tO'Brien's\t'\t''\ta|b\t|\tKäse Öl Süß\tÄÖÜ äöü ß\t12\t007\t1.5"
                "\t-3\t1e3\t 7 \t0x1F\t3,5\t12abc\tNULL\t\"zitiert\"\t%_\t2017-01-01 00:00:00"
                "\tÜmlaut|'mix'|\t" +
                    std::string(60, 'x'),
                '\t');

CatalogueRecord record(Random& random, long long id) {
    CatalogueRecord values;
    for (std::string& field : values.fields)
        field = texts[random.below(texts.size())];
    values.id = id;
    return values;
}

class CataloguePageStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        createClientDatabase(composedDb);
        createClientDatabase(boundDb);
        // The same earlier catalogue in both, some of it favourites.
        for (Database* database : {&composed, &bound}) {
            Random random;
            database->runInTransaction([&] {
                for (int id = 1; id <= 120; ++id) {
                    CatalogueStore(*database).insertIntoDatabase("", record(random, id));
                    if (id % 9 == 0) PlannerStore(*database).setFavorite(ProductId{id}, 1, "5");
                }
                return true;
            });
        }
    }
    // Stores the page both ways; both must agree on whether it was stored.
    bool storeBoth(const std::vector<std::string>& ids, const std::vector<CatalogueRecord>& records,
                   const std::set<int>& kept = {}) {
        bool a = CataloguePageStore::storePage(composed, ids, records, kept, Mode::Composed);
        bool b = CataloguePageStore::storePage(bound, ids, records, kept, Mode::Bound);
        EXPECT_EQ(a, b);
        return a && b;
    }

    TempDir dir;
    std::string composedDb = dir.file("composed.db");
    std::string boundDb = dir.file("bound.db");
    NullLog log;
    Database composed{composedDb, log};
    Database bound{boundDb, log};
};

TEST_F(CataloguePageStoreTest, BoundAndComposedWritesStoreTheSameRows) {
    Random random{777};
    for (int page = 0; page < 4; ++page) {
        std::vector<std::string> ids;
        std::vector<CatalogueRecord> records;
        for (int i = 0; i < 250; ++i) {
            // Earlier products, new ones, a product named twice, identifiers written oddly.
            const int id = static_cast<int>(random.below(400)) + 1;
            std::string idText = std::to_string(id);
            if (i % 50 == 7) idText = "00" + idText;
            ids.push_back(idText);
            // About one in five is a deletion only.
            if (random.below(5) != 0) records.push_back(record(random, id));
        }
        ASSERT_TRUE(storeBoth(ids, records, {static_cast<int>(random.below(400)) + 1}));
    }
    auto rows = dump(composedDb);
    EXPECT_GT(rows.size(), 200u);
    EXPECT_EQ(dump(boundDb), rows);
    // The re-marked favourites are there, with their new positions.
    EXPECT_FALSE(query(boundDb, "select recordId from ProductsTable where favFlag = 1 and "
                                "sortOrder in ('0','1','2','3','4')")
                     .empty());
}

TEST_F(CataloguePageStoreTest, ARefusedValueRollsThePageBackEitherWay) {
    const auto before = dump(composedDb);
    Random random{99};
    auto zeroByte = record(random, 8);
    zeroByte[CatalogueField::LightFlag] = std::string("a\0b", 3);
    EXPECT_FALSE(storeBoth({"9", "10", "8"}, {record(random, 9), zeroByte}));
    EXPECT_EQ(dump(composedDb), before);
    EXPECT_EQ(dump(boundDb), before);
    // Kept back, the same record leaves its product's old row alone, both ways.
    EXPECT_TRUE(storeBoth({"9", "8"}, {record(random, 9), zeroByte}, {8}));
    EXPECT_EQ(dump(boundDb), dump(composedDb));
    EXPECT_EQ(query(boundDb, "select count(*) from ProductsTable where recordId = 8"),
              (std::vector<std::string>{"1"}));
}

// The product's values per 100: fat, saturates, sugar, salt, kcal.
CatalogueRecord product(long long id, const std::array<const char*, 5>& per100) {
    CatalogueRecord values;
    values.fields.fill("x");
    values[CatalogueField::Unit] = "g";
    values[CatalogueField::Fat] = per100[0];
    values[CatalogueField::SaturatedFat] = per100[1];
    values[CatalogueField::Sugar] = per100[2];
    values[CatalogueField::Salt] = per100[3];
    values[CatalogueField::EnergyKcal] = per100[4];
    values.id = id;
    return values;
}

TEST_F(CataloguePageStoreTest, AFiledProductsNewValuesReachItsConsumptionRowsAndFolderTotals) {
    const auto before = product(7, {"10", "4", "5", "1", "200"});
    const auto same = product(8, {"3.4", "1", "2", "0.5", "52.5"});
    ASSERT_TRUE(storeBoth({"7", "8"}, {before, same}));
    for (Database* db : {&composed, &bound}) {
        PlannerStore(*db).createMenu_FolderTable();
        PlannerStore(*db).createFavorite_MenufolderTable();
        PlannerStore(*db).createEdit_ConsumptionTable();
        // Folder 1 holds product 7 at its default, folder 2 holds 150 g of it, as the editor
        // stored them, and product 8 at its default.
        PlannerStore(*db).insertIntoMenuFolder("0", "Mittag", "200", FolderId{1}, "0");
        PlannerStore(*db).insertIntoMenuFolder("1", "Abend", "352", FolderId{2}, "0");
        for (const char* folder : {"1", "2"})
            PlannerStore(*db).insertIntoFavorite_Menulistfolder(ProductId{7}, FolderId::of(folder));
        PlannerStore(*db).insertIntoFavorite_Menulistfolder(ProductId{8}, FolderId{2});
        PlannerStore(*db).newUpdateIntoEditConsumptionTable(ProductId{7}, "x", "x", "x", "g", "10",
                                                            "4", "5", "1", "200", FolderId{1});
        PlannerStore(*db).newUpdateIntoEditConsumptionTable(
            ProductId{7}, "x", "x", "x", "150g", "15.0", "6.0", "7.5", "1.5", "300", FolderId{2});
        PlannerStore(*db).newUpdateIntoEditConsumptionTable(ProductId{8}, "x", "x", "x", "g", "3.4",
                                                            "1", "2", "0.5", "52.5", FolderId{2});
    }
    // Product 7 comes with new values, product 8 as it was.
    ASSERT_TRUE(storeBoth({"7", "8"}, {product(7, {"20", "8", "5", "1", "250"}), same}));
    for (const std::string& path : {composedDb, boundDb}) {
        EXPECT_EQ(query(path, "select recordId, gm, fat, saturated, sugar, salt, calory, "
                              "menu_folder_id from edit_product_consumption order by rowid"),
                  (std::vector<std::string>{"7|g|20|8|5|1|250|1", "7|150g|30.0|12.0|7.5|1.5|375|2",
                                            "8|g|3.4|1|2|0.5|52.5|2"}));
        EXPECT_EQ(query(path, "select field2 from Menu_Folder order by recordId"),
                  (std::vector<std::string>{"250", "427"}));
    }
}

} // namespace
