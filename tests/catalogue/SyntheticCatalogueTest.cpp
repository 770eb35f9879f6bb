#include "tools/catalogue/SyntheticCatalogue.h"
#include "tools/catalogue/CatalogueSourceReader.h"
#include "tools/catalogue/CatalogueTsvWriter.h"
#include "tools/catalogue/CatalogueWriter.h"
#include "tools/catalogue/FormatDecimal.h"

#include "format/FoldedSort.h"
#include "tests/support/TestCatalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <tuple>

namespace tolvane {
namespace {

// The product list, a search and a category list, as the store runs them.
const char* const foldedListStatements[] = {
    "select field01, field02, recordId from ProductsTable ORDER BY " TOLVANE_FOLDED_SORT,
    "select field01, recordId, field02 from ProductsTable where field01 like '%Milch%' or "
    "field02 like '%Milch%' ORDER BY " TOLVANE_FOLDED_SORT,
    "select field01, recordId, field02, field03,'0',field13, field14, field12, field15, "
    "field10, field08 from ProductsTable where field03 like 4 ORDER BY " TOLVANE_FOLDED_SORT};

bool anyName(const std::vector<CatalogueRecord>& products, auto predicate) {
    for (const auto& product : products)
        if (predicate(product[CatalogueField::Name])) return true;
    return false;
}

TEST(SyntheticCatalogue, SameSeedSameProductsOtherSeedOthersAndTheSourceFileReadsBack) {
    const auto categories = SyntheticCatalogue::defaultCategories();
    const auto a = SyntheticCatalogue::generate(500, 11, categories);
    const auto b = SyntheticCatalogue::generate(500, 11, categories);
    const auto c = SyntheticCatalogue::generate(500, 12, categories);
    ASSERT_EQ(a.size(), 500u);
    ASSERT_EQ(a, b);
    int differing = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        differing += a[i][CatalogueField::Name] != c[i][CatalogueField::Name];
    EXPECT_GT(differing, 250);

    // Written as a source file, they read back as the same catalogue.
    std::stringstream tsv;
    CatalogueTsvWriter::writeProducts(a, tsv);
    const auto back = CatalogueSourceReader::readProducts(tsv, "synthetic.tsv");
    EXPECT_EQ(back, a);
    EXPECT_NO_THROW(CatalogueSourceReader::checkConsistency({categories, back}));
}

TEST(SyntheticCatalogue, CoversEveryCategoryAndTheAwkwardTexts) {
    const auto categories = SyntheticCatalogue::defaultCategories();
    const auto products = SyntheticCatalogue::generate(2000, 3, categories);
    std::set<std::string> used;
    std::set<long long> ids;
    int noData = 0;
    for (const auto& product : products) {
        used.insert(product[CatalogueField::Category]);
        ids.insert(product.id);
        for (CatalogueField nutrient : {CatalogueField::Sugar, CatalogueField::Fat,
                                        CatalogueField::SaturatedFat, CatalogueField::Salt})
            noData += product[nutrient] == "keine Angaben";
        EXPECT_EQ(product[CatalogueField::InclusionDate].size(), 19u);
        EXPECT_LT(product.id, firstOwnProductId);
    }
    EXPECT_EQ(used.size(), categories.size());
    EXPECT_EQ(ids.size(), products.size());
    EXPECT_GT(noData, 0);
    for (const char* piece : {"ä", "ö", "ü", "Ä", "ß", "'", "é"})
        EXPECT_TRUE(anyName(products, [&](const std::string& name) {
            return name.find(piece) != std::string::npos;
        })) << piece;
    EXPECT_TRUE(anyName(products, [](const std::string& name) { return name[0] == '@'; }));
    EXPECT_TRUE(anyName(products, [](const std::string& name) { return name[0] == '3'; }));
    EXPECT_TRUE(anyName(products, [](const std::string& name) { return name.size() > 40; }));

    // Even a catalogue smaller than the category list uses as many categories as it can.
    const auto few = SyntheticCatalogue::generate(5, 3, categories);
    std::set<std::string> fewUsed;
    for (const auto& product : few)
        fewUsed.insert(product[CatalogueField::Category]);
    EXPECT_EQ(fewUsed.size(), 5u);
}

TEST(SyntheticCatalogue, WrittenFileHoldsNRowsAndItsNewestDate) {
    test::TempDir dir;
    const auto categories = SyntheticCatalogue::defaultCategories();
    CatalogueSource source{categories, SyntheticCatalogue::generate(777, 9, categories)};
    CatalogueWriter::write(source, dir.file("synthetic.db"));
    const std::string db = dir.file("synthetic.db");
    const std::string kinds = std::to_string(categories.size());
    EXPECT_EQ(test::queryOne(db, "SELECT count(*), count(DISTINCT field03) FROM ProductsTable"),
              "777|" + kinds);
    EXPECT_EQ(test::queryOne(db, "SELECT dtimestamp = (SELECT MAX(field06) FROM ProductsTable), "
                                 "(SELECT count(*) FROM Categories) FROM Timestamp"),
              "1|" + kinds);
    // One pass over the folded index: no sort step, no table lookups.
    for (const std::string statement : foldedListStatements) {
        const auto plan = test::query(db, "EXPLAIN QUERY PLAN " + statement);
        EXPECT_TRUE(plan.size() == 1 && plan[0].ends_with("SCAN ProductsTable USING COVERING "
                                                          "INDEX ProductsTable_folded"))
            << statement;
    }

    // Writing again over an existing file replaces it; an empty catalogue has no timestamp yet.
    source.products.clear();
    CatalogueWriter::write(source, db);
    EXPECT_EQ(test::queryOne(db, "SELECT (SELECT count(*) FROM ProductsTable), rows, dtimestamp "
                                 "IS NULL, utimestamp IS NULL FROM Timestamp"),
              "0|0|1|1");
}

TEST(FormatDecimal, WritesPointDecimalsWithoutNoise) {
    const std::tuple<double, int, const char*> cases[] = {
        {3.5, 2, "3.5"},      {0.12, 2, "0.12"},     {3, 2, "3.0"},          {0, 2, "0.0"},
        {0.0049, 2, "0.005"}, {2.0000001, 2, "2.0"}, {1650.04, 1, "1650.0"}, {-0.0001, 2, "0.0"}};
    for (const auto& [value, digits, text] : cases)
        EXPECT_EQ(formatDecimal(value, digits), text) << value;
}

} // namespace
} // namespace tolvane
