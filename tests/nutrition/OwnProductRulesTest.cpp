#include "nutrition/OwnProductRules.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

TEST(OwnProductDecimals, OneDecimalTwoForSalt) {
    EXPECT_EQ(decimalPlaces("12.34"), 2u);
    EXPECT_EQ(decimalPlaces("12,3"), 1u);
    EXPECT_EQ(decimalPlaces("12"), 0u);
    EXPECT_EQ(decimalPlaces(",ää"), 2u); // characters, not bytes
    EXPECT_TRUE(decimalPlacesValid("", "", "", "", "") &&
                decimalPlacesValid("12,3", "1.5", "0", "1,23", "250.5"));
    EXPECT_FALSE(decimalPlacesValid("12.34", "", "", "", "") ||
                 decimalPlacesValid("", "", "", "1,234", "") ||
                 decimalPlacesValid("", "", "", "", "99.99") ||
                 decimalPlacesValid("", "1.55", "", "", ""));
}

TEST(OwnProductSalt, SodiumIsStoredAsSaltKeepingTheComma) {
    EXPECT_EQ(saltToStore("1,0", kSodiumRow, "", kSodiumRow), "2,54");
    EXPECT_EQ(saltToStore("0.4", kSodiumRow, "", kSodiumRow), "1.02");
    EXPECT_EQ(saltToStore("1,23", kSaltRow, "", kSodiumRow), "1,23");
    EXPECT_EQ(saltToStore("1.5", kSaltRow, "", kSodiumRow), "1.50");
    EXPECT_EQ(saltToStore("", kSaltRow, "", kSodiumRow), "");
    EXPECT_EQ(saltToStore("", kSodiumRow, "", kSodiumRow), "");
    // Single precision throughout: 0.25 x 2.54 lands just below 0.635, 2.25 x 2.54 just above
    // 5.715 (a double product rounds both the other way).
    EXPECT_EQ(saltToStore("0,25", kSodiumRow, "", kSodiumRow), "0,63");
    EXPECT_EQ(saltToStore("2.25", kSodiumRow, "", kSodiumRow), "5.72");
}

TEST(OwnProductSalt, EditingAStoredProduct) {
    // Unchanged text and row keep the stored text exactly.
    EXPECT_EQ(saltToStore("1,5", kSaltRow, "1,5", kSaltRow), "1,5");
    // Entered as sodium: shown divided by 2.54, saved multiplied again.
    const std::string shown = sodiumFromStoredSalt("1.50");
    EXPECT_EQ(shown, "0.59");
    EXPECT_EQ(saltToStore(shown, kSodiumRow, "1.50", kSodiumRow), "1.50");
    // The stored salt figure typed as sodium is sodium all the same.
    EXPECT_EQ(saltToStore("2.54", kSodiumRow, "2.54", kSodiumRow), "6.45");
    EXPECT_EQ(sodiumFromStoredSalt("2,54"), "1,00");
    EXPECT_EQ(sodiumFromStoredSalt(""), "");
    // Only the row changed, from salt to sodium: the text is now taken as sodium.
    EXPECT_EQ(saltToStore("1.00", kSodiumRow, "1.00", kSaltRow), "2.54");
    // Entered as sodium, then the stored salt typed over it and the row set to salt: the text is
    // already salt and is kept as typed.
    EXPECT_EQ(saltToStore("2.54", kSaltRow, "2.54", kSodiumRow), "2.54");
    EXPECT_EQ(saltToStore("2,5", kSaltRow, "2,5", kSodiumRow), "2,5");
    // The shown sodium value with the row set to salt is now taken as salt.
    EXPECT_EQ(saltToStore("1.00", kSaltRow, "2.54", kSodiumRow), "1.00");
}

TEST(OwnProductNumbers, FieldsKeepDigitsAndOneSeparator) {
    const std::pair<const char*, const char*> kept[] = {{"12,5", "12,5"},  {"1.2.3", "1.23"},
                                                        {"1,2.3", "1,23"}, {"a|-1 e5", "15"},
                                                        {"ü3", "3"},       {"", ""}};
    for (const auto& [typed, text] : kept)
        EXPECT_EQ(numberFieldText(typed), text) << typed;
    EXPECT_EQ(withSeparatorKey("12", ','), "12,");
    EXPECT_EQ(withSeparatorKey("12,", '.'), "12,");
    EXPECT_EQ(withSeparatorKey("1.2", ','), "1.2");
    EXPECT_EQ(withSeparatorKey("", '.'), ".");
    // Names lose the record separator.
    EXPECT_EQ(withoutRecordSeparator("Mü|sli"), "Müsli");
    EXPECT_EQ(withoutRecordSeparator("||"), "");
    EXPECT_EQ(withoutRecordSeparator("Müsli"), "Müsli");
}

} // namespace
} // namespace tolvane
