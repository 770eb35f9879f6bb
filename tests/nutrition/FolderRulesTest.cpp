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

TEST(FolderName, LettersOfEveryScriptPassSeparatorsControlsAndSymbolsDoNot) {
    for (const char* name : {"Frühstück", "Mittag 2", "Smørrebrød Ø", "Полдник", "Πρωινό", "朝食",
                             "नाश्ता", "Zoë\u0301", "Mittag-essen, Jo's (2.)", "Ĳ ł"})
        EXPECT_EQ(checkFolderName(name), FolderNameCheck::Valid) << name;
    for (const char* name : {"a|b", "tab\t", "a\u0085", "a\u200Fb", "\u2028", "\u2764", "\uE000",
                             "😀", "\xff", "\xc3", "\xc0\xaf"})
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
    sums.add({"-1", "-1", "-1", "-1", "-1"});       // no data adds nothing
    sums.add({"1e39", "inf", "1e39", "0", "1e39"}); // nor does a row past every number
    EXPECT_EQ(sums.totals(), (NutrientTexts{"12.6", "1.0", "3.4", "0.3", "152"}));

    // A nutrient that none of the folder's products has data for is no total of 0.
    FolderSums lacking;
    const NutrientTexts noFat{"keine Angaben", "-1", "0", "1", "50"},
        someFat{"2", "-1", "", "1", "50"};
    lacking.add({"0.0", "0.0", "0.0", "1.0", "50"}, &noFat);
    EXPECT_EQ(lacking.totals(),
              (NutrientTexts{"keine Angaben", "keine Angaben", "0.0", "1.0", "50"}));
    lacking.add({"2.0", "0.0", "0.0", "1.0", "50"}, &someFat);
    EXPECT_EQ(lacking.totals(), (NutrientTexts{"2.0", "keine Angaben", "0.0", "2.0", "100"}));
}

} // namespace
} // namespace tolvane
