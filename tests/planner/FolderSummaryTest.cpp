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

// The arithmetic is the folder GDA's; the screen takes the profile's daily calories.
TEST_F(FolderSummaryTest, BarsAgainstTheProfilesDailyCaloriesOrTheFixedAmounts) {
    const struct {
        const char* daily;
        bool fixed;
        const char* fat;
        const char* energy;
    } cases[] = {{"2250", false, "44%", "111%"}, // factor 1.12
                 {"2019", false, "50%", "125%"}, // whole twenties: factor 1
                 {"0.0", true, "50%", "125%"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.daily);
        store.setDailyCalories(c.daily);
        const auto vc = open({"35.0", "12.5", "0.0", "0.0", "2500"});
        EXPECT_EQ(vc.fixedReferences(), c.fixed);
        EXPECT_EQ(vc.bars()[index(Nutrient::Fat)].percentLabel, c.fat);
        EXPECT_EQ(vc.bars()[index(Nutrient::Energy)].percentLabel, c.energy);
        EXPECT_EQ(vc.bars()[index(Nutrient::Energy)].valueLabel, "2500 kcal");
    }
}
