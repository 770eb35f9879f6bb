#include "PlannerTestStore.h"
#include "screens/planner/NewEditConsumptionVC.h"
#include "screens/planner/PlannerWrites.h"

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;
using Q = ConsumptionQuantity;

namespace {

class ConsumptionEditorTest : public ::testing::Test {
protected:
    ConsumptionEditorTest() {
        // Fields: id, name, maker, category, fat, saturated fat, sugar, salt, energy, unit.
        store.catalogue.add({10, "Apfel", "Maker", "1", "3.4", "0", "10", "0", "52.5", "g"});
        store.catalogue.add({11, "Wasser", "Maker", "1", "0", "0", "0", "0", "0", "ml"});
        store.file(10, 1);
        store.file(11, 1);
    }

    std::shared_ptr<NewEditConsumptionVC> open(const std::string& product,
                                               const std::string& folder = "1") {
        auto vc = std::make_shared<NewEditConsumptionVC>(
            fake.platform(), store.db, ConsumptionInputs{"Apfel", "Hof", "Obst", product, folder});
        vc->viewDidLoad();
        return vc;
    }

    // Types into a field as the form does: begin, then end with the text.
    void type(NewEditConsumptionVC& vc, Q field, const std::string& text) {
        ASSERT_TRUE(vc.shouldBeginEditing(field));
        vc.endEditing(field, text);
    }

    FakePlatform fake;
    PlannerTestStore store;
};

} // namespace

TEST_F(ConsumptionEditorTest, LoadedNormalisedAndATypedAmountScalesEverything) {
    const auto vc = open("10");
    EXPECT_EQ(vc->fieldText(Q::Fat), "3,4");
    EXPECT_EQ(vc->fieldText(Q::Calories), "52"); // 52.5 rounds half to even
    EXPECT_EQ(vc->amountSlider().value, 100.0f);
    EXPECT_EQ(vc->caloriesSlider().value, 52.0f);
    type(*vc, Q::Amount, "150");
    vc->viewWillDisappear();
    EXPECT_EQ(store.row(10, 1), (ConsumptionRow{{"5.1", "0.0", "15.0", "0.0", "78"}, "150g", "1"}));
    EXPECT_EQ(store.total(1), "78");

    // A second departure (a tab switch, then back) appends the unit once and changes nothing.
    vc->viewWillDisappear();
    EXPECT_EQ(store.row(10, 1), (ConsumptionRow{{"5.1", "0.0", "15.0", "0.0", "78"}, "150g", "1"}));
    EXPECT_EQ(store.total(1), "78");

    // Calories typed into the row at 150 g halve everything.
    const auto again = open("10");
    type(*again, Q::Calories, "39");
    EXPECT_EQ(again->fieldText(Q::Amount), "75");
    EXPECT_EQ(again->fieldText(Q::Fat), "2,5");
    again->viewWillDisappear();
    EXPECT_EQ(store.total(1), "39");
}

TEST_F(ConsumptionEditorTest, OneFieldAtATimeAndEntriesThatChangeNothing) {
    const auto vc = open("10");
    ASSERT_TRUE(vc->shouldBeginEditing(Q::Fat));
    EXPECT_FALSE(vc->shouldBeginEditing(Q::Amount));
    vc->endEditing(Q::Fat, ""); // ends the edit, with its alert
    ASSERT_TRUE(fake.alerts.hasPending());
    EXPECT_EQ(fake.alerts.firstPending().title, "Error Message Consumption Amount Nil");
    EXPECT_EQ(fake.alerts.firstPending().buttons, (std::vector<std::string>{"Ok"}));
    fake.alerts.clear();
    for (const char* bad : {"12345", "1.2345", "-1"}) {
        type(*vc, Q::Fat, bad);
        ASSERT_TRUE(fake.alerts.hasPending()) << bad;
        EXPECT_EQ(fake.alerts.firstPending().title, "Error Message Consumption Amount");
        fake.alerts.clear();
    }
    // Zero, or an amount so small that everything would round to 0: ignored.
    type(*vc, Q::Amount, "0");
    type(*vc, Q::Amount, "0,4");
    EXPECT_FALSE(fake.alerts.hasPending());
    EXPECT_EQ(vc->fieldText(Q::Amount), "100");
    EXPECT_EQ(vc->fieldText(Q::Calories), "52");
    type(*vc, Q::Fat, "1,5");
    vc->viewWillDisappear();
    EXPECT_EQ(store.row(10, 1)->nutrients.fat, "1.5");
}

TEST_F(ConsumptionEditorTest, ZeroValuesAreDisabledWithTheHintBesideTheirOwnField) {
    const auto vc = open("10");
    // Whether each field is enabled; a disabled field carries the hint beside it.
    const auto enabled = [&](std::initializer_list<Q> fields) {
        std::vector<bool> out;
        for (Q q : fields) {
            EXPECT_NE(vc->fieldEnabled(q), vc->hintShown(q)) << static_cast<int>(q);
            out.push_back(vc->fieldEnabled(q));
        }
        return out;
    };
    // Saturates and salt are 0 at load, sugar is not.
    EXPECT_EQ(enabled({Q::Saturates, Q::Salt, Q::Sugar}), (std::vector{false, false, true}));
    EXPECT_FALSE(vc->shouldBeginEditing(Q::Salt));
    // Fat that rounds to 0.0 on the slider stays 0.0 and disabled; 0.52 kcal rounds up to 1.
    vc->amountSliderMoved(1.0f);
    EXPECT_EQ(vc->fieldText(Q::Fat), "0,0");
    EXPECT_EQ(vc->fieldText(Q::Calories), "1");
    EXPECT_EQ(enabled({Q::Fat, Q::Calories}), (std::vector{false, true}));
}

TEST_F(ConsumptionEditorTest, ZeroCaloriesLockTheCalorieSlider) {
    const auto vc = open("11");
    EXPECT_FALSE(vc->caloriesSliderEnabled());
    EXPECT_TRUE(vc->hintShown(Q::Calories));
    vc->caloriesSliderMoved(200.0f);
    EXPECT_EQ(vc->fieldText(Q::Calories), "0");
    EXPECT_EQ(vc->fieldText(Q::Amount), "100");
    // The amount can still change.
    type(*vc, Q::Amount, "250");
    EXPECT_EQ(vc->fieldText(Q::Amount), "250");
    vc->viewWillDisappear();
    EXPECT_EQ(store.row(11, 1), (ConsumptionRow{{"0.0", "0.0", "0.0", "0.0", "0"}, "250ml", "1"}));
}

TEST_F(ConsumptionEditorTest, SlidersRangeFromOneAndHoldLargerValues) {
    const auto vc = open("10");
    EXPECT_EQ(vc->amountSlider().minimum, 1.0f);
    EXPECT_EQ(vc->amountSlider().maximum, 1000.0f);
    EXPECT_EQ(vc->caloriesSlider().maximum, 3000.0f);
    type(*vc, Q::Amount, "9000");
    EXPECT_EQ(vc->amountSlider().maximum, 9000.0f);
    EXPECT_EQ(vc->caloriesSlider().value, 4680.0f);
    EXPECT_EQ(vc->caloriesSlider().maximum, 4680.0f);
}

TEST_F(ConsumptionEditorTest, NothingIsSavedOverAProductThatLeftTheFolder) {
    const auto vc = open("10");
    type(*vc, Q::Amount, "200");
    PlannerWrites(store.db).unfileProduct("10", "1"); // unchecked on its detail meanwhile
    vc->viewWillDisappear();
    EXPECT_FALSE(store.row(10, 1));
    EXPECT_EQ(store.total(1), "0");
}

TEST_F(ConsumptionEditorTest, AMembershipWithoutARowOpensEmptyAndDisabled) {
    store.catalogue.exec("DELETE FROM edit_product_consumption WHERE recordId = '10'");
    const auto vc = open("10");
    for (const Q q : {Q::Amount, Q::Fat, Q::Calories}) {
        EXPECT_EQ(vc->fieldText(q), "");
        EXPECT_FALSE(vc->fieldEnabled(q));
        EXPECT_FALSE(vc->shouldBeginEditing(q));
    }
    EXPECT_FALSE(vc->amountSliderEnabled());
    EXPECT_FALSE(vc->caloriesSliderEnabled());
    vc->amountSliderMoved(300.0f);
    vc->viewWillDisappear();
    EXPECT_FALSE(store.row(10, 1));
    EXPECT_EQ(store.total(1), "52");
}
