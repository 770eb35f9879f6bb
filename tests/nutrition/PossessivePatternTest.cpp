#include "nutrition/PossessivePattern.h"

#include <gtest/gtest.h>

#include <regex>

namespace tolvane {
namespace {

TEST(PossessivePattern, ExamplesOfBothPatterns) {
    for (const char* text : {"2000.0", "1850,5", "1.", "9999,999"})
        EXPECT_TRUE(matchesDailyCaloriesPattern(text)) << text;
    for (const char* text : {"12345.0", "0.0", "0815.0", "1.2345", "", ".5", "1..0", "-1.0"})
        EXPECT_FALSE(matchesDailyCaloriesPattern(text)) << text;
    for (const char* text : {"150.0", "1,5", "0.0", "", ".", "9999.999", "0815.0"})
        EXPECT_TRUE(matchesConsumptionPattern(text)) << text;
    for (const char* text : {"12345.0", "1.2345", "-1.0", "1,,0", "1 .0", "1.5x"})
        EXPECT_FALSE(matchesConsumptionPattern(text)) << text;
}

TEST(PossessivePattern, APieceNeverGivesBackWhatItTook) {
    // With backtracking "aaa" would match a{0,3}a{1}; possessively the first piece keeps all.
    const PatternPiece pieces[] = {{"a", 0, 3}, {"a", 1, 1}};
    EXPECT_FALSE(matchesPossessive("aaa", pieces));
    EXPECT_TRUE(matchesPossessive("aaaa", pieces));
}

TEST(PossessivePattern, DecimalPartIsAppendedOnlyWithoutSeparator) {
    EXPECT_EQ(withDecimalPart("12"), "12.0");
    EXPECT_EQ(withDecimalPart("12,5"), "12,5");
    EXPECT_EQ(withDecimalPart("1."), "1.");
    EXPECT_EQ(withDecimalPart(""), ".0");
}

// For these two patterns the digit and separator classes do not overlap, so possessive and
// backtracking matching agree; checked on every short text over the telling characters.
TEST(PossessivePattern, AgreesWithBacktrackingOnAllShortTexts) {
    const std::regex calories("[1-9][0-9]{0,3}[,.]?[0-9]{0,3}");
    const std::regex consumption("[0-9]{0,4}[,.]?[0-9]{0,3}");
    const std::string alphabet = "05.,";
    std::vector<std::string> texts{""};
    for (std::size_t begin = 0, length = 0; length < 8; ++length) {
        const std::size_t end = texts.size();
        for (std::size_t i = begin; i < end; ++i)
            for (const char c : alphabet)
                texts.push_back(texts[i] + c);
        begin = end;
    }
    int checked = 0;
    for (const auto& text : texts) {
        ASSERT_EQ(matchesDailyCaloriesPattern(text), std::regex_match(text, calories)) << text;
        ASSERT_EQ(matchesConsumptionPattern(text), std::regex_match(text, consumption)) << text;
        ++checked;
    }
    EXPECT_GT(checked, 80000);
}

} // namespace
} // namespace tolvane
