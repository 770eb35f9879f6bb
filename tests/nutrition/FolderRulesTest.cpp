#include "nutrition/FolderRules.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

TEST(FolderName, LengthIsCountedInUtf16Units) {
    EXPECT_EQ(checkFolderName(""), FolderNameCheck::Empty);
    EXPECT_EQ(checkFolderName(std::string(30, 'a')), FolderNameCheck::Valid);
    EXPECT_EQ(checkFolderName(std::string(31, 'a')), FolderNameCheck::TooLong);
    std::string umlauts;
    for (int i = 0; i < 30; ++i)
        umlauts += "ä"; // 60 bytes, 30 units
    EXPECT_EQ(checkFolderName(umlauts), FolderNameCheck::Valid);
    // A character outside the basic plane takes two units: too long before it is refused.
    EXPECT_EQ(checkFolderName(std::string(29, 'a') + "\U0001F34E"), FolderNameCheck::TooLong);
    EXPECT_EQ(utf16Length("a\U0001F34E"), 3u);
}

TEST(FolderName, OnlyPermittedCharacters) {
    for (const char* name : {"Frühstück", "Mittag 2", "Smørrebrød Ø", "Crème brûlée", "Ÿ ñ ç ß Æ"})
        EXPECT_EQ(checkFolderName(name), FolderNameCheck::Valid) << name;
    for (const char* name : {"Mittag-essen", "Jo's", "a|b", "Zoë\u0301", "tab\t", "\xff", "\xc3",
                             "\xc0\xaf", "Ĳ", "ł", "😀"})
        EXPECT_EQ(checkFolderName(name), FolderNameCheck::InvalidCharacters) << name;
}

TEST(FolderTotal, WholeNumbersNegativeItemsCountNothingAndHugeOnesAreClamped) {
    EXPECT_EQ(adjustedCalorieTotal("300", "52.9", "78"), "326");
    EXPECT_EQ(adjustedCalorieTotal("52", "52", "78"), "78");
    EXPECT_EQ(adjustedCalorieTotal("", "abc", ""), "0");
    EXPECT_EQ(adjustedCalorieTotal("10", "25", ""), "-15");
    // Negative items count nothing, huge ones are clamped.
    EXPECT_EQ(adjustedCalorieTotal("100", "", "-1"), "100");
    EXPECT_EQ(adjustedCalorieTotal("100", "-1", ""), "100");
    EXPECT_EQ(itemCalories("-250"), 0);
    // An own product's energy beyond the 32-bit range is added in full.
    EXPECT_EQ(adjustedCalorieTotal("2147483000", "", "99999999999"), "102147482999");
    EXPECT_EQ(itemCalories("99999999999999999999999"), kCalorieLimit);
    EXPECT_EQ(adjustedCalorieTotal("999999999999999", "", "999999999999999"), "999999999999999");
    EXPECT_EQ(totalCalories("-99999999999999999999"), -kCalorieLimit);
}

TEST(FolderSummary, SumsInSinglePrecisionWithFixedFormats) {
    FolderSums empty;
    EXPECT_EQ(empty.totals(), (NutrientTexts{"0.0", "0.0", "0.0", "0.0", "0"}));

    FolderSums sums;
    sums.add({"12,5", "1.0", "3.4", "0.25", "100.5"});
    sums.add({"0.1", "keine Angaben", "abc", "0.1", "52"});
    sums.add({});
    sums.add({"-1", "-1", "-1", "-1", "-1"}); // no data adds nothing
    EXPECT_EQ(sums.totals(), (NutrientTexts{"12.6", "1.0", "3.4", "0.3", "152"}));
}

} // namespace
} // namespace tolvane
