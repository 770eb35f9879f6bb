#include "nutrition/FolderGda.h"
#include "nutrition/GdaCalculator.h"

#include <gtest/gtest.h>

#include <array>

namespace tolvane {
namespace {

GdaBars barsFor(const NutrientTexts& texts, const char* portion) {
    const auto bars = gdaBars(texts, portion);
    EXPECT_TRUE(bars.has_value()) << portion;
    return bars.value_or(GdaBars{});
}

TEST(GdaCalculator, FatPerHundredGramsAtAPortionOf150) {
    const auto bars = barsFor({"20", "", "", "", ""}, "150");
    const GdaBar& fat = bars[index(Nutrient::Fat)];
    EXPECT_NEAR(fat.percent, 42.857f, 1e-3f);
    EXPECT_NEAR(fat.height, 82.29f, 1e-2f);
    EXPECT_EQ(fat.percentLabel, "42%");
    EXPECT_EQ(fat.amount, 30);
    EXPECT_EQ(fat.drawnHeight, 82);
    EXPECT_EQ(gdaTouchLabel(bars, 95, 100, true), "30g");
    // US mode: same bars, the amount in ounces.
    EXPECT_EQ(gdaTouchLabel(bars, 95, 100, false), "1.1oz");
    // Outside the fat bar's column, and energy without a unit.
    EXPECT_EQ(gdaTouchLabel(bars, 120, 100, true), "0g");
    EXPECT_EQ(gdaTouchLabel(bars, 375, 20, false), "0oz");
    EXPECT_EQ(gdaTouchLabel(bars, 400, 100, true), "0");
}

TEST(GdaCalculator, EnergyBarIsCappedButItsLabelIsNot) {
    const NutrientTexts texts{"", "", "", "", "500"};
    const auto full = barsFor(texts, "400")[index(Nutrient::Energy)];
    EXPECT_EQ(full.percentLabel, "100%");
    EXPECT_EQ(full.drawnHeight, 192);
    const auto over = barsFor(texts, "500")[index(Nutrient::Energy)];
    EXPECT_EQ(over.percentLabel, "125%");
    EXPECT_FLOAT_EQ(over.height, 240.0f);
    EXPECT_EQ(over.drawnHeight, 192);
    EXPECT_EQ(gdaTouchLabel(barsFor(texts, "500"), 375, 53, false), "2500"); // energy: no unit
}

TEST(GdaCalculator, LabelIsReadBackFromTheBarHeight) {
    // 0.5 g saturated fat per 100 g at 120 g is 3 % of 20 g; the single-precision share comes
    // out just below 3, the height read back gives 3 again.
    const auto three = barsFor({"", "0,5", "", "", ""}, "120")[index(Nutrient::SaturatedFat)];
    EXPECT_LT(three.percent, 3.0f);
    EXPECT_EQ(three.percentLabel, "3%");
    EXPECT_EQ(barsFor({"", "0.5", "", "", ""}, "240")[1].percentLabel, "6%");
    EXPECT_EQ(barsFor({"", "", "0.9", "", ""}, "300")[2].percentLabel, "3%");
}

TEST(GdaCalculator, PortionAndValueReading) {
    const NutrientTexts texts{"keine Angaben", "5,5", "-1", "abc", "250"};
    const auto empty = barsFor(texts, "");
    const auto hundred = barsFor(texts, "100");
    for (int n = 0; n < kNutrientCount; ++n)
        EXPECT_EQ(empty[n].percentLabel, hundred[n].percentLabel) << n;
    EXPECT_EQ(hundred[0].drawnHeight, 0); // no data draws nothing
    EXPECT_EQ(hundred[2].drawnHeight, 0); // nor does a negative value
    EXPECT_EQ(hundred[1].percentLabel, "27%");
    for (const GdaBar& bar : barsFor(texts, "abc"))
        EXPECT_EQ(bar.percentLabel, "0%");
    EXPECT_FALSE(gdaBars(texts, "-5").has_value());
    EXPECT_FALSE(gdaBars(texts, "9e99").has_value());
}

TEST(GdaCalculator, PortionFieldRefusesASixthCharacter) {
    EXPECT_TRUE(portionEditAllowed("1234", 0));
    EXPECT_FALSE(portionEditAllowed("12345", 0));
    EXPECT_TRUE(portionEditAllowed("12345", 1)); // replacing or deleting is always allowed
    EXPECT_TRUE(portionEditAllowed("", 0));
}

TEST(GdaCalculator, TouchAreasOfTheFiveBars) {
    const std::array<int, 3> touches[] = {{75, 53, 0},   {115, 245, 0}, {116, 100, -1},
                                          {150, 100, 1}, {300, 200, 3}, {390, 100, 4},
                                          {100, 52, -1}, {100, 246, -1}};
    for (const auto& [x, y, bar] : touches)
        EXPECT_EQ(gdaBarAt(x, y), bar) << x << "," << y;
}

TEST(FolderGda, PersonalFactorUsesIntegerDivisionBy20) {
    EXPECT_FLOAT_EQ(personalFactor(2000).factor, 1.0f);
    EXPECT_FLOAT_EQ(personalFactor(2019).factor, 1.0f);
    EXPECT_FLOAT_EQ(personalFactor(2250).factor, 1.12f);
    EXPECT_FALSE(personalFactor(2250).fixedReferences);
    EXPECT_EQ(personalReferences(1.0f), kGuidelineDailyAmounts);
    EXPECT_FLOAT_EQ(personalFactorFromText("2019.7").factor, 1.0f);
}

TEST(FolderGda, WithoutDailyCaloriesTheFixedAmountsApply) {
    for (const char* calories : {"", "19", "0", "0.0", "-500", "abc"}) {
        const auto factor = personalFactorFromText(calories);
        EXPECT_TRUE(factor.fixedReferences) << calories;
        EXPECT_EQ(folderGdaBars({"35.0", "0.0", "0.0", "0.0", "1000"}, factor)[4].percentLabel,
                  "50%");
    }
}

TEST(FolderGda, TotalsAgainstPersonalReferences) {
    const NutrientTexts totals{"35.0", "12.5", "0.0", "0.0", "2500"};
    const auto scaled = folderGdaBars(totals, personalFactor(2250));
    EXPECT_NEAR(scaled[0].percent, 44.64f, 1e-2f);
    EXPECT_EQ(scaled[0].percentLabel, "44%");
    EXPECT_EQ(scaled[0].barLength, 126);
    EXPECT_EQ(scaled[0].amount, 35);
    EXPECT_EQ(scaled[0].valueLabel, "35,0 g");
    EXPECT_EQ(scaled[1].valueLabel, "12,5 g");

    const auto plain = folderGdaBars(totals, personalFactor(2000));
    EXPECT_EQ(plain[4].percentLabel, "125%");
    EXPECT_EQ(plain[4].barLength, 355); // uncapped, narrowed before truncation
    EXPECT_EQ(plain[4].valueLabel, "2500 kcal");
    EXPECT_EQ(plain[2].percentLabel, "0%");
    EXPECT_EQ(plain[2].barLength, 0);
}

} // namespace
} // namespace tolvane
