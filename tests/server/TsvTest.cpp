#include "server/Tsv.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tolvane;
using namespace tolvane::server;
using namespace tolvane::server::test;

namespace {

std::vector<ServerProduct> read(const std::string& text, bool checkTimestamps = true) {
    std::istringstream in(text);
    return readCatalogueSource(in, "products.tsv", checkTimestamps);
}

std::string errorOf(const std::string& text, bool checkTimestamps = true) {
    try {
        read(text, checkTimestamps);
    } catch (const CatalogueSourceError& e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(CatalogueSource, KeepsValuesExactlyAndToleratesWindowsLinesAndBom) {
    std::string tricky = "Kid's \"Müsli\" | 50% & more";
    std::string text = "\xEF\xBB\xBF" + catalogueHeader() +
                       catalogueLine(7, tricky, "2021-02-03 04:05:06") + "\n" +
                       catalogueLine(8, "Brot", "2021-02-03 04:05:07");
    text.insert(text.find("\t7\n") + 2, "\r");
    auto records = read(text);
    auto expected = product(7, tricky, "2021-02-03 04:05:06");
    expected[CatalogueField::Maker] = "Hersteller";
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], expected);
    EXPECT_TRUE(records[1].id == 8 && !records[1].deleted);

    // Empty fields survive the split.
    const std::string empty(catalogueFieldCount, '\t');
    EXPECT_EQ(read(catalogueHeader() + empty + "12\n", false).at(0).fields,
              CatalogueRecord{}.fields);
}

TEST(CatalogueSource, RefusesBadLinesNamingThem) {
    const std::string good = catalogueLine(1, "A", "2021-01-01 00:00:00");
    const auto own = [](long long id) { return catalogueLine(id, "Own", "2021-01-01 00:00:00"); };
    const std::pair<std::string, std::vector<const char*>> cases[] = {
        {catalogueHeader() + good + "A\tB\t3\n", {"products.tsv:3:", "found 3"}},
        {catalogueHeader() + good + good + own(900000000), {"products.tsv:4:", "reserved"}},
        {catalogueHeader() + own(99999999999999999), {"reserved"}},
        {"Produktname\tHersteller\n" + good, {"products.tsv:1:"}},
        {"", {"empty"}},
        {catalogueHeader() + catalogueLine(5, "A", "03.02.2021"), {"Aufnahmedatum"}},
    };
    for (const auto& [text, expected] : cases)
        for (const char* part : expected)
            EXPECT_NE(errorOf(text).find(part), std::string::npos) << errorOf(text);
    // Dates are checked only where they are kept.
    EXPECT_EQ(read(catalogueHeader() + catalogueLine(5, "A", "03.02.2021"), false).size(), 1u);
}

TEST(CatalogueSource, IdentifiersMustBePlainPositiveNumbersBelowTheReservedRange) {
    long long id = 0;
    EXPECT_TRUE(!identifierProblem("899999999", id) && id == 899999999);
    EXPECT_TRUE(!identifierProblem(" 42 ", id) && id == 42);
    for (const char* bad : {"900000000", "900000001", "0", "-3", "12a", "1.5", "", "abc"})
        EXPECT_TRUE(identifierProblem(bad, id)) << bad;
}
