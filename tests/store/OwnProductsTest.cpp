#include "StoreFixture.h"
#include "store/CatalogueStore.h"
#include "store/OwnProductStore.h"

namespace tolvane::test {

class OwnProductsTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        seedAppTables();
    }

    // The save sequence of the entry screen; returns the new identifier.
    int save(const std::string& name, const std::string& maker, const std::string& sortOrder,
             const std::string& kcal = "250") {
        const int id = OwnProductStore(*db).insertProduct(
            name, maker, "3", "1,5", "0.5", "12", "0.30", kcal, "0", sortOrder, "g", "1", "125");
        const long long mirror = OwnProductStore(*db).insertProductToMainTable(
            name, maker, "3", "1,5", "0.5", "12", "0.30", kcal, "g", ProductId{id}, "125");
        OwnProductStore(*db).updateInsertedProductId(ProductId{mirror}, OwnProductId{id});
        return id;
    }
};

// The form's tests check the columns it writes and the lists that show them; here what only the
// store decides: the numbering, the separator, and what the mirror row leaves empty.
TEST_F(OwnProductsTest, SavingANewProductFillsBothTables) {
    EXPECT_EQ(save("Eins", "A", "0"), 900000001);
    save("Zwei", "B", "1");
    save("Drei", "C", "2");
    const int id = save("Vier|Teil", "Mc|Hersteller", "3");
    EXPECT_EQ(id, 900000004);

    const std::string idText = std::to_string(id);
    const NutrientColumns typed{"1,5", "0.5", "12", "0.30", "250"};
    EXPECT_EQ(OwnProductStore(*db).selectProductForId(OwnProductId{id}),
              (OwnProductRecord{"VierTeil", "McHersteller", "3", typed, "0", "g", "1", "125"}));
    // Catalogue columns that an own product does not have stay NULL.
    EXPECT_EQ(
        sqlRows(path, "SELECT field06, field24 FROM ProductsTable WHERE recordId = " + idText),
        (Rows{{"<null>", "<null>"}}));
    EXPECT_EQ(OwnProductStore(*db).selectProductsForCsv().size(), 4u);
    OwnProductStore(*db).updateProductSentFieldForId(OwnProductId{id});
    EXPECT_EQ(OwnProductStore(*db).selectProductsForCsv().back(),
              (UploadRow{"900000003", "Drei", "C", "3", typed, "g", "125"}));
}

// Saved without one, as every product of an older file was: its barcode is entered later, kept in
// the catalogue row where the barcode index reads every product's, and cleared again.
TEST_F(OwnProductsTest, ABarcodeIsKeptInTheCatalogueRowOfTheOwnProduct) {
    OwnProductStore own(*db);
    const int id = save("Eins", "A", "0");
    const std::string row =
        "SELECT field24 FROM ProductsTable WHERE recordId = " + std::to_string(id);
    EXPECT_EQ(own.selectProductGtinForId(OwnProductId{id}), "");
    own.updateProductGtinForId("7612345678900", OwnProductId{id});
    EXPECT_EQ(sqlRows(path, row), (Rows{{"7612345678900"}}));
    EXPECT_EQ(own.selectProductGtinForId(OwnProductId{id}), "7612345678900");
    EXPECT_EQ(own.selectProductIdForMainTableId(ProductId{id}), OwnProductId{id});
    EXPECT_EQ(own.selectProductIdForMainTableId(ProductId{5}), std::nullopt);
    own.updateProductGtinForId("", OwnProductId{id});
    EXPECT_EQ(sqlRows(path, row), (Rows{{"<null>"}}));
}

TEST_F(OwnProductsTest, AFailedFirstInsertLeavesNoRowUnderMinusOne) {
    execSql(path, "DROP TABLE Products");
    const int id = OwnProductStore(*db).insertProduct("Neu", "X", "3", "1", "1", "1", "1", "100",
                                                      "0", "0", "g", "1", "100");
    EXPECT_EQ(id, -1);
    EXPECT_EQ(OwnProductStore(*db).insertProductToMainTable("Neu", "X", "3", "1", "1", "1", "1",
                                                            "100", "g", ProductId{id}, "100"),
              -1);
    EXPECT_EQ(CatalogueStore(*db).selectProductCount(), 0);

    createShippedFile(dir.path() + "/other.db", storeSeed());
    Database other(dir.path() + "/other.db", log);
    const int real = OwnProductStore(other).insertProduct("A", "B", "3", "1", "1", "1", "1", "1",
                                                          "0", "0", "g", "1", "1");
    OwnProductStore(other).updateInsertedProductId(ProductId{-1}, OwnProductId{real});
    OwnProductStore(other).updateInsertedProductId(ProductId{5}, OwnProductId{-1});
    EXPECT_EQ(sqlRows(dir.path() + "/other.db", "SELECT MainTableRecordId FROM Products"),
              (Rows{{"<null>"}}));
    OwnProductStore(other).updateInsertedProductId(ProductId{real}, OwnProductId{real});
    EXPECT_EQ(OwnProductStore(other).selectMainTableProductIdForId(OwnProductId{real}),
              ProductId{real});

    // A missing file is not an own product either.
    Database missing(dir.path() + "/missing.db", log);
    EXPECT_EQ(OwnProductStore(missing).insertProduct("A", "B", "3", "1", "1", "1", "1", "1", "0",
                                                     "0", "g", "1", "1"),
              -1);
    EXPECT_EQ(OwnProductStore(missing).insertProductToMainTable("A", "B", "3", "1", "1", "1", "1",
                                                                "1", "g", ProductId{7}, "1"),
              -1);
}

} // namespace tolvane::test
