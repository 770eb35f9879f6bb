// A page reply read alone, as the update and the fuzz target read it.
#include "exchange/PageReply.h"

#include <gtest/gtest.h>

using namespace tolvane;

TEST(PageReply, TakesTheFieldsInColumnOrderAndRefusesUnusableIds) {
    auto product = JsonValue::parse(R"({"Produktname": "Käse | Brot", "Hersteller": "McDonald's",
        "Aufnahmedatum": "2017-01-01 10:00:00", "GTIN": "7610000000001", "ID": 42,
        "Fett": "3.5", "isDelete": "0"})");
    CatalogueRecord record;
    ASSERT_TRUE(PageReply::pageRecord(product, record));
    CatalogueRecord expected;
    using enum CatalogueField;
    expected[Name] = "Käse | Brot";
    expected[Maker] = "McDonald's";
    expected[InclusionDate] = "2017-01-01 10:00:00";
    expected[Fat] = "3.5";
    expected[Gtin] = "7610000000001";
    expected.id = 42;
    EXPECT_EQ(record, expected);

    for (const char* bad : {R"({"Produktname": "x"})", R"({"ID": "12; DROP TABLE x"})",
                            R"({"ID": "-5"})", R"({"ID": "0"})", R"({"ID": 900000001})",
                            R"({"ID": "99999999999999"})", R"(["ID", 5])", R"({"ID": 1.5})"}) {
        EXPECT_FALSE(PageReply::pageRecord(JsonValue::parse(bad), record)) << bad;
    }
}

TEST(PageReply, TellsTheKindsOfReplyApartAndReadsAPageWhateverTotalItReports) {
    using Kind = PageReply::Kind;
    const auto page = [](const std::string& rows, const std::string& products) {
        return R"({"Updated Records": {"rows": [)" + rows + R"(], "products": )" + products + "}}";
    };
    const std::string two = R"([{"ID": "5", "isDelete": "0"}, {"ID": 6}, {"ID": "x"}])";
    EXPECT_EQ(PageReply::read("No product has been updated.\r\n", 1).kind, Kind::NothingNew);
    EXPECT_EQ(PageReply::read(page("\"7\"", "null"), 1).kind, Kind::Complete);
    EXPECT_EQ(PageReply::read(page("7", "[]"), 1).kind, Kind::Empty);
    for (const std::string& refused :
         {std::string("<html>"), std::string(R"({"Other": 1})"), page("500", two)}) {
        const PageReply reply = PageReply::read(refused, 5); // page 5 of 500 is one too far
        EXPECT_EQ(reply.kind, Kind::Unreadable) << refused;
        EXPECT_FALSE(reply.error.empty());
    }

    // A total past any integer is as many pages as an integer holds, not fewer than none.
    for (const char* rows : {"\"99999999999\"", "99999999999", "2147483647"}) {
        const PageReply reply = PageReply::read(page(rows, two), 3);
        ASSERT_EQ(reply.kind, Kind::Page) << rows;
        EXPECT_GE(reply.total, 0);
        EXPECT_EQ(reply.ids, (std::vector<std::string>{"5", "6"}));
        EXPECT_EQ(reply.skippedIds, std::vector<std::string>{"x"});
        ASSERT_EQ(reply.records.size(), 1u);
        EXPECT_EQ(reply.records[0].id, 5);
    }
    EXPECT_EQ(PageReply::pagesFor(2147483647), 8589935);
}
