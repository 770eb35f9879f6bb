#include "nutrition/Consumption.h"
#include "nutrition/FolderRules.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

using Q = ConsumptionQuantity;
// Amount, fat, saturates, sugar, salt, calories.
using Texts = std::array<std::string, kConsumptionQuantityCount>;

TEST(AmountRule, StoredAmountToShownText) {
    // Read as number and unit, like the editor: an unusual unit keeps its name.
    const std::pair<const char*, const char*> cases[] = {
        {"g", "100\u00A0g"},      {"ml", "100\u00A0ml"},     {"150g", "150\u00A0g"},
        {"12.5g", "12.5\u00A0g"}, {"13.54g", "13.5\u00A0g"}, {"250ml", "250\u00A0ml"},
        {"abc g", "abc g"},       {"Packung", "Packung"},    {"150Packung", "150\u00A0Packung"},
        {"100", "100"},           {"Stück", "Stück"},        {"", ""}};
    for (const auto& [stored, shown] : cases)
        EXPECT_EQ(shownAmount(stored), shown) << stored;
}

TEST(ConsumptionLoad, NormalisesTheStoredRow) {
    const auto c = consumptionFromRow({"3.4", "1,25", "5", "0", "52.5"}, "g");
    EXPECT_EQ(c.texts, (Texts{"100", "3.4", "1.2", "5.0", "0.0", "52"})); // 52.5 half to even
    EXPECT_EQ(c.shownText(Q::Fat), "3.4");
    EXPECT_TRUE(isZeroQuantity(c, Q::Salt));
    EXPECT_FALSE(isZeroQuantity(c, Q::Fat));
    EXPECT_EQ(storedAmount(c), "100g");

    const auto ml = consumptionFromRow({"1", "1", "1", "1", "99,6"}, "250ml");
    EXPECT_EQ(ml.text(Q::Amount), "250");
    EXPECT_EQ(ml.unit, "ml");
    EXPECT_EQ(ml.text(Q::Calories), "100");
    EXPECT_EQ(storedAmount(consumptionFromRow({"1", "1", "1", "1", "1"}, "150,4g")), "150.4g");
}

TEST(ConsumptionLoad, OtherUnitsAreNotRepeatedOnEverySave) {
    // A product with its own unit text (or none) is filed as that bare text: 100 of it.
    for (const std::string unit : {"", "Stück"}) {
        auto c = consumptionFromRow({"1", "1", "1", "1", "50"}, unit);
        EXPECT_EQ(c.text(Q::Amount), "100") << unit;
        const std::string saved = storedAmount(c);
        EXPECT_EQ(saved, "100" + unit);
        EXPECT_EQ(storedAmount(consumptionFromRow({"1", "1", "1", "1", "50"}, saved)), saved);
    }
}

TEST(ConsumptionLoad, AmountIsTheLeadingNumberAndUnitTheTextAfterIt) {
    // "Packung" holds a "g" but is no gram amount: 100 of it, and it stays "Packung".
    auto c = consumptionFromRow({"1", "1", "1", "1", "50"}, "Packung");
    EXPECT_EQ(c.text(Q::Amount), "100");
    EXPECT_EQ(c.unit, "Packung");
    ASSERT_EQ(applyTypedValue(c, Q::Amount, "150"), TypedValueOutcome::Applied);
    const std::string saved = storedAmount(c);
    EXPECT_EQ(saved, "150Packung");
    const auto again = consumptionFromRow({"1", "1", "1", "1", "75"}, saved);
    EXPECT_EQ(again.text(Q::Amount), "150");
    EXPECT_EQ(storedAmount(again), saved);
    EXPECT_EQ(storedAmount(consumptionFromRow({"1", "1", "1", "1", "1"}, "250 ml")), "250ml");
    EXPECT_EQ(storedAmount(consumptionFromRow({"1", "1", "1", "1", "1"}, "2,5 Stück, klein")),
              "2.5Stück, klein");
}

TEST(ConsumptionLoad, ProductValuesWithoutDataAreLockedAndFullWidthDigitsRead) {
    const auto c = consumptionFromProduct({"1e30", "-", "\uFF11\uFF12", "n/a", "100"}, "200g");
    EXPECT_EQ(c.texts, (Texts{"200", "0.0", "0.0", "24.0", "0.0", "200"}));
    for (const Q q : {Q::Fat, Q::Saturates, Q::Salt}) {
        EXPECT_TRUE(c.lacksData(q));
        EXPECT_TRUE(c.locked(q));
    }
    EXPECT_FALSE(c.lacksData(Q::Sugar));
}

TEST(ConsumptionLoad, NegativeValuesReadAsZero) {
    const auto c = consumptionFromRow({"-1", "2", "-1", "0.5", "-1"}, "-5g");
    EXPECT_EQ(c.texts, (Texts{"0", "0.0", "2.0", "0.0", "0.5", "0"}));
    EXPECT_TRUE(isZeroQuantity(c, Q::Fat));
}

TEST(ConsumptionScaling, TypedValuesThatChangeNothingOrRoundToZero) {
    const auto original = consumptionFromRow({"3.4", "1.0", "5.0", "0", "52"}, "g");
    const struct {
        Q field;
        const char* typed;
        TypedValueOutcome outcome;
    } cases[] = {
        {Q::Fat, "", TypedValueOutcome::Empty},
        {Q::Fat, "12345", TypedValueOutcome::Rejected},
        {Q::Fat, "1.2345", TypedValueOutcome::Rejected},
        {Q::Fat, "-1", TypedValueOutcome::Rejected},
        {Q::Fat, "1,5x", TypedValueOutcome::Rejected},
        {Q::Fat, "0", TypedValueOutcome::Ignored},
        {Q::Fat, "0,00", TypedValueOutcome::Ignored},
        {Q::Amount, ".", TypedValueOutcome::Ignored},
        {Q::Salt, "1", TypedValueOutcome::Ignored}, // salt is 0: nothing to scale from
        // Values that round to zero.
        {Q::Amount, "0,4", TypedValueOutcome::Ignored},
        {Q::Calories, "0.4", TypedValueOutcome::Ignored},
        {Q::Fat, "0.01", TypedValueOutcome::Ignored},
    };
    for (const auto& k : cases) {
        auto c = original;
        EXPECT_EQ(applyTypedValue(c, k.field, k.typed), k.outcome) << k.typed;
        EXPECT_EQ(c.texts, original.texts) << k.typed;
    }
    auto c = original;
    EXPECT_EQ(applyTypedValue(c, Q::Fat, "1,5"), TypedValueOutcome::Applied);
    EXPECT_EQ(c.text(Q::Fat), "1.5");
    // Calories that were 0 already do not block a change of the amount.
    auto water = consumptionFromRow({"0", "0", "0", "0", "0"}, "ml");
    EXPECT_EQ(applyTypedValue(water, Q::Amount, "250"), TypedValueOutcome::Applied);
    EXPECT_EQ(water.text(Q::Amount), "250");
}

TEST(ConsumptionScaling, ZeroAmountCountsAsHundred) {
    auto c = consumptionFromRow({"2.0", "1.0", "5.0", "0.5", "50"}, "0g");
    EXPECT_EQ(c.text(Q::Amount), "0");
    ASSERT_EQ(applyTypedValue(c, Q::Amount, "200"), TypedValueOutcome::Applied);
    EXPECT_EQ(c.texts, (Texts{"200", "4.0", "2.0", "10.0", "1.0", "100"}));

    auto s = consumptionFromRow({"2.0", "1.0", "5.0", "0.5", "50"}, "0g");
    scaleFromAmountSlider(s, 50.0f);
    EXPECT_EQ(s.text(Q::Amount), "50");
    EXPECT_EQ(s.text(Q::Fat), "1.0");
}

TEST(ConsumptionScaling, ValuesComeBackFromARoundedZero) {
    // Scaled from the values per 100, never from the rounded texts.
    auto c = consumptionFromRow({"0.4", "1.0", "5.0", "0.5", "50"}, "g");
    scaleFromAmountSlider(c, 10.0f);
    EXPECT_EQ(c.text(Q::Fat), "0.0");
    EXPECT_FALSE(c.locked(Q::Fat));
    scaleFromAmountSlider(c, 500.0f);
    EXPECT_EQ(c.texts, (Texts{"500", "2.0", "5.0", "25.0", "2.5", "250"}));
    scaleFromAmountSlider(c, 0.0f); // a slider at 0 would wipe every value
    EXPECT_EQ(c.text(Q::Amount), "500");
}

TEST(ConsumptionScaling, ZeroCaloriesCannotSetTheAmount) {
    auto c = consumptionFromRow({"1.0", "1.0", "1.0", "1.0", "0"}, "g");
    EXPECT_TRUE(c.locked(Q::Calories));
    scaleFromCaloriesSlider(c, 50.0f);
    EXPECT_EQ(c.texts, (Texts{"100", "1.0", "1.0", "1.0", "1.0", "0"}));
}

} // namespace
} // namespace tolvane
