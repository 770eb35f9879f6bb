#include "store/SqlText.h"

#include <gtest/gtest.h>

namespace tolvane {

TEST(SqlTextTest, QuotedTextsHaveTheirQuotesDoubled) {
    ComposedSql sql = composeSql("select x from t where a = '%s' and b like '%@'",
                                 {"McDonald's", "'; drop table t; --"});
    ASSERT_TRUE(sql.ok);
    EXPECT_EQ(sql.text, "select x from t where a = 'McDonald''s' and b like "
                        "'''; drop table t; --'");
}

TEST(SqlTextTest, UnquotedPlacesTakeOnlyDigits) {
    EXPECT_TRUE(composeSql("where recordId = %s", {"0042"}).ok);
    for (const char* bad : {"", "1 or 1=1", "-1", "12a", " 12", "1.5", "1'"})
        EXPECT_FALSE(composeSql("where recordId = %s", {bad}).ok) << bad;
    // A quote inside an earlier literal does not leave the next placeholder unquoted.
    EXPECT_FALSE(composeSql("select 'a' from t where id = %s", {"x"}).ok);
    EXPECT_TRUE(composeSql("select 'a' from t where id = '%s'", {"x"}).ok);
}

TEST(SqlTextTest, NumbersAndMismatchedValues) {
    EXPECT_EQ(composeSql("a = '%d', b = %d", {-7, 2147483647}).text, "a = '-7', b = 2147483647");
    EXPECT_FALSE(composeSql("a = %d", {"7"}).ok);
    EXPECT_FALSE(composeSql("a = '%s'", {5}).ok);
    EXPECT_FALSE(composeSql("a = '%s' and b = '%s'", {"x"}).ok);
    EXPECT_FALSE(composeSql("a = '%s'", {"x", "y"}).ok);
    EXPECT_FALSE(composeSql("a = '%s'", {std::string_view("a\0b", 3)}).ok);
}

} // namespace tolvane
