#include "exchange/CatalogueUpdate.h"

#include <gtest/gtest.h>

using namespace tolvane;

TEST(CatalogueUpdatePageRecord, TakesTheFieldsInColumnOrderAndRefusesUnusableIds) {
    auto product = JsonValue::parse(R"({"Produktname": "Käse | Brot", "Hersteller": "McDonald's",
        "Aufnahmedatum": "2017-01-01 10:00:00", "GTIN": "7610000000001", "ID": 42,
        "Fett": "3.5", "isDelete": "0"})");
    CatalogueRecord record;
    ASSERT_TRUE(CatalogueUpdate::pageRecord(product, record));
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
        EXPECT_FALSE(CatalogueUpdate::pageRecord(JsonValue::parse(bad), record)) << bad;
    }
}
