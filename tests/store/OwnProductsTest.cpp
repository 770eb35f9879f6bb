#include "StoreFixture.h"

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
        const int id = db->insertProduct(name, maker, "3", "1,5", "0.5", "12", "0.30", kcal, "0",
                                         sortOrder, "g", "1", "125");
        const std::string idText = std::to_string(id);
        const int mirror = db->insertProductToMainTable(name, maker, "3", "1,5", "0.5", "12",
                                                        "0.30", kcal, "g", idText, "125");
        db->updateInsertedProductId(std::to_string(mirror), id);
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
    EXPECT_EQ(db->selectProductForId(idText),
              (OwnProductRecord{"VierTeil", "McHersteller", "3", typed, "0", "g", "1", "125"}));
    // Catalogue columns that an own product does not have stay NULL.
    EXPECT_EQ(
        sqlRows(path, "SELECT field06, field24 FROM ProductsTable WHERE recordId = " + idText),
        (Rows{{"<null>", "<null>"}}));
    EXPECT_EQ(db->selectProductsForCsv().size(), 4u);
    db->updateProductSentFieldForId(idText);
    EXPECT_EQ(db->selectProductsForCsv().back(),
              (UploadRow{"900000003", "Drei", "C", "3", typed, "g", "125"}));
}

TEST_F(OwnProductsTest, AFailedFirstInsertLeavesNoRowUnderMinusOne) {
    execSql(path, "DROP TABLE Products");
    const int id =
        db->insertProduct("Neu", "X", "3", "1", "1", "1", "1", "100", "0", "0", "g", "1", "100");
    EXPECT_EQ(id, -1);
    EXPECT_EQ(db->insertProductToMainTable("Neu", "X", "3", "1", "1", "1", "1", "100", "g",
                                           std::to_string(id), "100"),
              -1);
    EXPECT_EQ(db->selectProductCount(), 0);

    createShippedFile(dir.path() + "/other.db", storeSeed());
    Database other(dir.path() + "/other.db", log);
    const int real =
        other.insertProduct("A", "B", "3", "1", "1", "1", "1", "1", "0", "0", "g", "1", "1");
    other.updateInsertedProductId("-1", real);
    other.updateInsertedProductId("5", -1);
    other.updateInsertedProductId("abc", real);
    EXPECT_EQ(sqlRows(dir.path() + "/other.db", "SELECT MainTableRecordId FROM Products"),
              (Rows{{"<null>"}}));
    other.updateInsertedProductId(std::to_string(real), real);
    EXPECT_EQ(other.selectMainTableProductIdForId(std::to_string(real)), std::to_string(real));

    // A missing file is not an own product either.
    Database missing(dir.path() + "/missing.db", log);
    EXPECT_EQ(
        missing.insertProduct("A", "B", "3", "1", "1", "1", "1", "1", "0", "0", "g", "1", "1"), -1);
    EXPECT_EQ(
        missing.insertProductToMainTable("A", "B", "3", "1", "1", "1", "1", "1", "g", "7", "1"),
        -1);
}

} // namespace tolvane::test
