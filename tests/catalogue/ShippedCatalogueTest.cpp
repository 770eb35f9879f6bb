// Checks the database file that the build made from resources/catalogue/.

#include "tests/support/ShippedSchema.h"
#include "tests/support/TestCatalogue.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tolvane {
namespace {

using namespace test;

using Rows = std::vector<std::string>;
const std::string kShipped = TOLVANE_SHIPPED_DB;

// Reads the build product; a test that writes works on a copy.
class ShippedCatalogue : public ::testing::Test {
protected:
    static Rows rows(const std::string& sql) { return query(kShipped, sql); }
    static std::string text(const std::string& sql) { return queryOne(kShipped, sql); }
    static long long number(const std::string& sql) { return std::stoll(text(sql)); }
};

std::string fieldName(int i) {
    return std::string("field") + (i < 10 ? "0" : "") + std::to_string(i);
}

// SQL that is true when the column holds anything but a decimal number written with a point.
std::string notDecimal(const std::string& column) {
    return "(" + column + " = '' OR " + column + " GLOB '*[^0-9.]*' OR " + column +
           " GLOB '*.*.*' OR " + column + " GLOB '.*' OR " + column + " GLOB '*.')";
}

TEST_F(ShippedCatalogue, FlagsAndIdentifiersCompareAsNumbersAndOwnProductsStartAtTheReservedOne) {
    TempDir dir;
    const std::string copy = dir.file("Tolvane.db");
    std::filesystem::copy_file(kShipped, copy);
    const auto count = [&](const std::string& sql) { return std::stoll(queryOne(copy, sql)); };
    const auto id = queryOne(copy, "SELECT recordId FROM ProductsTable LIMIT 1");
    execSql(copy, "UPDATE ProductsTable SET favFlag = '1' WHERE recordId = " + id);
    EXPECT_EQ(count("SELECT count(*) FROM ProductsTable WHERE favFlag = 1"), 1);
    EXPECT_EQ(count("SELECT count(*) FROM ProductsTable WHERE favFlag = 0"),
              count("SELECT count(*) FROM ProductsTable") - 1);

    execSql(copy, "INSERT INTO ProductsTable (sortOrder, favFlag, field01, recordId) "
                  "VALUES ('', '0', 'Probe', '42')");
    for (const char* id : {"'42'", "42"})
        EXPECT_EQ(
            queryOne(copy, std::string("SELECT field01 FROM ProductsTable WHERE recordId = ") + id +
                               " AND field01 = 'Probe'"),
            "Probe");
    EXPECT_EQ(queryOne(copy, "SELECT typeof(recordId) FROM ProductsTable LIMIT 1"), "integer");

    execSql(copy, "INSERT INTO Products (Produktname, Hersteller, Kategorie, Sentfield, "
                  "Sortorder) VALUES ('Mein Brot', 'Ich', '6', '0', '0')");
    EXPECT_EQ(queryOne(copy, "SELECT RecordId FROM Products"), "900000001");
    EXPECT_LT(count("SELECT MAX(recordId) FROM ProductsTable"), 900000000);
}

TEST_F(ShippedCatalogue, HoldsTheShippedTablesAndNoneTheAppCreates) {
    // None of the tables the application creates (profile, menus, consumption).
    EXPECT_EQ(rows("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"),
              (Rows{"Categories", "Products", "ProductsTable", "Settings", "Timestamp",
                    "sqlite_sequence"}));

    EXPECT_EQ(rows("SELECT name FROM pragma_table_info('Products')"),
              (Rows{"RecordId", "Produktname", "Hersteller", "Kategorie", "Fett", "GesFette",
                    "Zucker", "Natrium", "Energiewert", "Sentfield", "Sortorder", "Einheit",
                    "SalzOrNatrium", "Produktmenge", "MainTableRecordId"}));
    EXPECT_EQ(number("SELECT count(*) FROM Products"), 0);
    // Own products' positions order as numbers.
    EXPECT_EQ(text("SELECT type FROM pragma_table_info('Products') WHERE name = 'Sortorder'"),
              "INTEGER");
}

TEST_F(ShippedCatalogue, CatalogueSizeAndCategories) {
    const long long products = number("SELECT count(*) FROM ProductsTable");
    EXPECT_GE(products, 10000);
    EXPECT_EQ(number("SELECT count(DISTINCT recordId) FROM ProductsTable"), products);

    const auto categories = rows("SELECT Recordid, Category FROM Categories");
    EXPECT_GE(categories.size(), 12u);
    EXPECT_LE(categories.size(), 20u);
    // Every category has products, every product a category.
    EXPECT_EQ(rows("SELECT Category FROM Categories WHERE CAST(Recordid AS TEXT) NOT IN "
                   "(SELECT field03 FROM ProductsTable)"),
              Rows{});
    EXPECT_EQ(number("SELECT count(*) FROM ProductsTable WHERE field03 NOT IN "
                     "(SELECT CAST(Recordid AS TEXT) FROM Categories)"),
              0);
    const long long catchAll =
        number("SELECT count(*) FROM ProductsTable WHERE field03 = (SELECT CAST(Recordid AS "
               "TEXT) FROM Categories WHERE Category = 'Sonstiges')");
    EXPECT_LT(static_cast<double>(catchAll) / static_cast<double>(products), 0.05);
}

TEST_F(ShippedCatalogue, ValuesNumbersAndUnitsAreAsTheServerSendsThemInTheirColumns) {
    EXPECT_EQ(rows("SELECT DISTINCT field08 FROM ProductsTable ORDER BY 1"), (Rows{"g", "ml"}));
    // Energy is always there; fat, saturated fat, sugar and salt are a number or no data; the
    // other figures a number or nothing.
    std::string wrong = notDecimal("field09") + " OR " + notDecimal("field10");
    for (int i : {12, 13, 14, 15})
        wrong +=
            " OR (" + fieldName(i) + " <> 'keine Angaben' AND " + notDecimal(fieldName(i)) + ")";
    for (int i : {5, 11, 16, 17})
        wrong += " OR (" + fieldName(i) + " <> '' AND " + notDecimal(fieldName(i)) + ")";
    // No value holds a tab, a line break or a "|": each stays in its column.
    for (int i = 1; i <= 24; ++i)
        for (const char* c : {"char(9)", "char(10)", "char(13)", "'|'"})
            wrong += " OR instr(" + fieldName(i) + ", " + c + ")";
    EXPECT_EQ(rows("SELECT recordId FROM ProductsTable WHERE " + wrong + " LIMIT 5"), Rows{});
    EXPECT_GT(number("SELECT count(*) FROM ProductsTable WHERE field12 = 'keine Angaben'"), 0);
}

TEST_F(ShippedCatalogue, InclusionDatesLieIn2016And2017AndTheSingleRowsHoldTheNewest) {
    EXPECT_EQ(rows("SELECT rowid, * FROM Settings"), Rows{"1|YES|YES|YES"});
    const auto newest = text("SELECT MAX(field06) FROM ProductsTable");
    EXPECT_EQ(rows("SELECT rowid, * FROM Timestamp"), Rows{"1|0|" + newest + "|" + newest});
    EXPECT_EQ(number("SELECT count(*) FROM ProductsTable WHERE field06 NOT GLOB "
                     "'201[67]-[01][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]'"),
              0);
    EXPECT_EQ(text("SELECT MIN(field06) < '2016-04-01' FROM ProductsTable"), "1");
    EXPECT_GT(newest, "2017-10-01");
}

} // namespace
} // namespace tolvane
