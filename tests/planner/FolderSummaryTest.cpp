#include "PlannerTestStore.h"
#include "screens/planner/ProductDetailPortraitVC.h"

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class FolderSummaryTest : public ::testing::Test {
protected:
    ProductDetailPortraitVC open(const NutrientTexts& totals) {
        ProductDetailPortraitVC vc(fake.platform(), store.db);
        vc.viewDidLoad();
        vc.drawData(totals);
        vc.setTitleName("Mittag");
        vc.viewWillAppear();
        return vc;
    }

    FakePlatform fake;
    PlannerTestStore store;
};

} // namespace

TEST_F(FolderSummaryTest, BarsAgainstTheDailyAmountsOfTheProfile) {
    store.setDailyCalories("2250"); // factor 1.12
    const auto vc = open({"35.0", "12.5", "0.0", "0.0", "2500"});
    EXPECT_TRUE(fake.log.contains("Product Detail Portrait - Screen = Berechnung der "
                                  "Speiseplanpunkte"));
    EXPECT_FALSE(vc.fixedReferences());
    const auto& fat = vc.bar(Nutrient::Fat);
    EXPECT_EQ(fat.percentLabel, "44%");
    EXPECT_EQ(fat.barLength, 126);
    EXPECT_EQ(fat.valueLabel, "35,0 g");
    EXPECT_EQ(vc.bar(Nutrient::SaturatedFat).valueLabel, "12,5 g");
    EXPECT_EQ(vc.bar(Nutrient::Sugar).percentLabel, "0%");
    EXPECT_EQ(vc.bar(Nutrient::Sugar).barLength, 0);
    EXPECT_EQ(vc.bar(Nutrient::Energy).valueLabel, "2500 kcal");
}

TEST_F(FolderSummaryTest, BarsAreNotCappedAndCalorieFiguresRoundDownToTwenties) {
    for (const char* daily : {"2000", "2019"}) {
        store.setDailyCalories(daily);
        const auto vc = open({"0.0", "0.0", "0.0", "0.0", "2500"});
        EXPECT_FLOAT_EQ(vc.personalFactor(), 1.0f) << daily;
        EXPECT_EQ(vc.bar(Nutrient::Energy).percentLabel, "125%");
        EXPECT_EQ(vc.bar(Nutrient::Energy).barLength, 355); // beyond the 284 of 100 %
    }
}

TEST_F(FolderSummaryTest, WithoutDailyCaloriesTheFixedAmountsStandAndTheScreenSaysSo) {
    store.setDailyCalories("0.0");
    const auto vc = open({"35.0", "0.0", "0.0", "0.0", "1000"});
    EXPECT_TRUE(vc.fixedReferences());
    EXPECT_EQ(vc.bar(Nutrient::Fat).percentLabel, "50%");
    EXPECT_EQ(vc.bar(Nutrient::Energy).percentLabel, "50%");
    EXPECT_STREQ(ProductDetailPortraitVC::fixedReferencesKey(), "Folder GDA Fixed References");
}
