#include "nutrition/FolderGda.h"
#include "nutrition/GdaCalculator.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

namespace tolvane {
namespace {

// As the Russian tables write figures: a decimal comma, Cyrillic units, its no-data sign.
const NumberFormat kRu([](const std::string& k) {
    static const std::map<std::string, std::string> table{{"Decimal Separator", ","},
                                                          {"No Data Sign", "н/д"},
                                                          {"%@ g", "%@ г"},
                                                          {"%@ oz", "%@ унц."},
                                                          {"%@ kcal", "%@ ккал"}};
    const auto it = table.find(k);
    return it == table.end() ? k : it->second;
});

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
    EXPECT_EQ(gdaTouchLabel(bars, 95, 100, true), "30\u00A0g");
    EXPECT_EQ(gdaTouchLabel(bars, 95, 100, true, kRu), "30\u00A0г");
    // US mode: same bars, the amount in ounces.
    EXPECT_EQ(gdaTouchLabel(bars, 95, 100, false, kRu), "1,1\u00A0унц.");
    // Outside the fat bar's column, and beside the energy bar.
    EXPECT_EQ(gdaTouchLabel(bars, 120, 100, true, kRu), "0\u00A0г");
    EXPECT_EQ(gdaTouchLabel(bars, 375, 20, false, kRu), "0\u00A0унц.");
    EXPECT_EQ(gdaTouchLabel(bars, 400, 100, true, kRu), "0\u00A0ккал");
    // A nutrient without data shows the no-data sign and counts 0 (empty, no-data text, "-1").
    const auto none = barsFor({"keine Angaben", "-1", "", "0", ""}, "150");
    EXPECT_TRUE(none[0].noData && none[1].noData && none[2].noData && !none[3].noData);
    EXPECT_EQ(none[0].drawnHeight, 0);
    EXPECT_EQ(gdaTouchLabel(none, 95, 100, true, kRu), "н/д");
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
    EXPECT_EQ(gdaTouchLabel(barsFor(texts, "500"), 375, 53, false, kRu), "2500\u00A0ккал");
}

TEST(GdaCalculator, SharesJustBelowAWholeNumberInSinglePrecision) {
    // 0.5 g saturated fat per 100 g at 120 g is 3 % of 20 g; the single-precision share comes
    // out just below 3; the label is still 3.
    const auto three = barsFor({"", "0,5", "", "", ""}, "120")[index(Nutrient::SaturatedFat)];
    EXPECT_LT(three.percent, 3.0f);
    EXPECT_EQ(three.percentLabel, "3%");
    EXPECT_EQ(barsFor({"", "0.5", "", "", ""}, "240")[1].percentLabel, "6%");
    EXPECT_EQ(barsFor({"", "", "0.9", "", ""}, "300")[2].percentLabel, "3%");
}

TEST(GdaCalculator, WholeSharesInDecimalsAreNotCutToTheNumberBelow) {
    // Single-precision arithmetic lands just under 105, 10 and 5; a share that is not whole is
    // still cut, not rounded.
    const auto bars = barsFor({"7", "21", "4.5", "0,3", "1999"}, "");
    EXPECT_EQ(bars[index(Nutrient::Fat)].percentLabel, "10%");
    EXPECT_EQ(bars[index(Nutrient::SaturatedFat)].percentLabel, "105%");
    EXPECT_EQ(bars[index(Nutrient::Sugar)].percentLabel, "5%");
    EXPECT_EQ(bars[index(Nutrient::Salt)].percentLabel, "5%");
    EXPECT_EQ(bars[index(Nutrient::Energy)].percentLabel, "99%");
    EXPECT_EQ(bars[index(Nutrient::SaturatedFat)].amount, 21);
    EXPECT_EQ(barsFor({"", "", "", "0.3", ""}, "1000")[3].amount, 3);
    EXPECT_EQ(barsFor({"", "", "", "0.3", ""}, "12,5")[3].percentLabel, "0%");
    EXPECT_EQ(barsFor({"33.3", "", "", "", ""}, "70")[0].percentLabel, "33%");

    const auto folder = folderGdaBars({"7.0", "21.0", "9.0", "0.3", "2000"}, personalFactor(2000));
    for (const auto& [n, label] : std::initializer_list<std::pair<int, const char*>>{
             {0, "10%"}, {1, "105%"}, {2, "10%"}, {3, "5%"}, {4, "100%"}})
        EXPECT_EQ(folder[n].percentLabel, label) << n;
    // 2250 kcal: references times 1.12; 22.4 g saturated fat is exactly 100 %.
    EXPECT_EQ(folderGdaBars({"", "22.4", "", "", ""}, personalFactor(2250))[1].percentLabel,
              "100%");
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
    EXPECT_FALSE(gdaBars(texts, "-5").has_value());
    EXPECT_FALSE(gdaBars(texts, "9e99").has_value());

    // A value no food holds, or no number at all, is no data: no bar, no "0%" for an infinite
    // amount. Full-width digits are digits.
    const auto beyond = barsFor({"1e308", "inf", "-", "\uFF11\uFF18", "1e39"}, "100");
    for (const int n : {0, 1, 2, 4}) {
        EXPECT_TRUE(beyond[n].noData) << n;
        EXPECT_EQ(beyond[n].drawnHeight, 0) << n;
    }
    EXPECT_FALSE(beyond[3].noData);
    EXPECT_EQ(beyond[3].percentLabel, "300%");
    EXPECT_EQ(gdaAmountText(beyond, Nutrient::Fat, true, kRu), "н/д");
}

TEST(GdaCalculator, PortionFieldTakesFiveCharactersOfANumber) {
    using enum PortionCheck;
    for (const auto& [text, check] :
         std::initializer_list<std::pair<const char*, PortionCheck>>{{"", Valid},
                                                                     {"12,5", Valid},
                                                                     {"99999", Valid},
                                                                     {".5", Valid},
                                                                     {"123456", TooLong},
                                                                     {"abc", NotANumber},
                                                                     {"-5", NotANumber},
                                                                     {"1.2.3", NotANumber},
                                                                     {",", NotANumber},
                                                                     {"9e99", NotANumber}})
        EXPECT_EQ(checkPortion(text), check) << text;
    EXPECT_EQ(portionEdit("1234", 0, "5"), Valid);
    EXPECT_EQ(portionEdit("12345", 0, "6"), TooLong); // a sixth character
    EXPECT_EQ(portionEdit("12345", 1, "6"), Valid);   // replacing or deleting is allowed
    EXPECT_EQ(portionEdit("12345", 5, ""), Valid);
    EXPECT_EQ(portionEdit("12", 2, "123456"), TooLong); // a paste over a selection
    EXPECT_EQ(portionEdit("", 0, "a"), NotANumber);
    EXPECT_EQ(portionEdit("5", 0, "-"), NotANumber);
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
    const auto scaled = folderGdaBars(totals, personalFactor(2250), kRu);
    EXPECT_NEAR(scaled[0].percent, 44.64f, 1e-2f);
    EXPECT_EQ(scaled[0].percentLabel, "44%");
    EXPECT_EQ(scaled[0].barLength, 126);
    EXPECT_EQ(scaled[0].amount, 35);
    EXPECT_EQ(scaled[0].valueLabel, "35,0\u00A0г");
    EXPECT_EQ(scaled[1].valueLabel, "12,5\u00A0г");

    const auto plain = folderGdaBars(totals, personalFactor(2000));
    EXPECT_EQ(plain[4].percentLabel, "125%");
    EXPECT_EQ(plain[4].barLength, 355); // uncapped, narrowed before truncation
    EXPECT_EQ(plain[4].valueLabel, "2500\u00A0kcal");
    EXPECT_EQ(plain[2].percentLabel, "0%");
    EXPECT_EQ(plain[2].barLength, 0);
    // A total no item has data for shows the no-data sign and counts 0.
    const auto none =
        folderGdaBars({"keine Angaben", "1.0", "0.0", "0.0", "0"}, personalFactor(2000), kRu);
    EXPECT_EQ(none[0].valueLabel + none[0].percentLabel, "н/дн/д");
    EXPECT_EQ(none[0].barLength, 0);
    const auto endless = folderGdaBars({"inf", "1.0", "0.0", "0.0", "1e39"}, personalFactor(2000));
    for (const int n : {0, 4}) {
        EXPECT_TRUE(endless[n].noData) << n;
        EXPECT_EQ(endless[n].barLength, 0) << n;
    }
}

} // namespace
} // namespace tolvane
