#include "PlannerTestStore.h"
#include "screens/filing/PlannerWrites.h"
#include "screens/planner/NewEditConsumptionVC.h"
#include "store/CatalogueStore.h"

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;
using Q = ConsumptionQuantity;

namespace {

class ConsumptionEditorTest : public ::testing::Test {
protected:
    ConsumptionEditorTest() {
        fake.strings.set("Decimal Separator", ","); // fields write as the tables say
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
    EXPECT_EQ(store.row(10, 1), (ConsumptionRow{{"5.1", "0.0", "15.0", "0.0", "79"}, "150g", "1"}));
    EXPECT_EQ(store.total(1), "79");

    // A second departure (a tab switch, then back) appends the unit once and changes nothing.
    vc->viewWillDisappear();
    EXPECT_EQ(store.row(10, 1), (ConsumptionRow{{"5.1", "0.0", "15.0", "0.0", "79"}, "150g", "1"}));
    EXPECT_EQ(store.total(1), "79");

    // Calories typed set the amount that has them: 39 kcal of 52.5 per 100 g.
    const auto again = open("10");
    type(*again, Q::Calories, "39");
    EXPECT_EQ(again->fieldText(Q::Amount), "74");
    EXPECT_EQ(again->fieldText(Q::Fat), "2,5");
    again->viewWillDisappear();
    EXPECT_EQ(store.total(1), "39");
}

TEST_F(ConsumptionEditorTest, ValuesComeFromTheProductNeverFromTheRoundedFigures) {
    store.catalogue.add({12, "Aprikose", "Hof", "1", "2.7", "0.3", "9.6", "0.05", "108", "g"});
    store.file(12, 2);
    store.file(12, 3);
    // Amount 1 -> 100 -> 9999 -> 150 in folder 2, each typed in a fresh editor that is left;
    // the folder total follows every step.
    const struct {
        const char* amount;
        ConsumptionRow row;
    } steps[] = {
        {"1", {{"0.0", "0.0", "0.1", "0.0", "1"}, "1g", "2"}},
        {"100", {{"2.7", "0.3", "9.6", "0.1", "108"}, "100g", "2"}},
        {"9999", {{"270.0", "30.0", "959.9", "5.0", "10799"}, "9999g", "2"}},
        {"150", {{"4.1", "0.4", "14.4", "0.1", "162"}, "150g", "2"}},
    };
    for (const auto& step : steps) {
        const auto vc = open("12", "2");
        type(*vc, Q::Amount, step.amount);
        vc->viewWillDisappear();
        EXPECT_EQ(store.row(12, 2), step.row) << step.amount;
        EXPECT_EQ(store.total(2), step.row.nutrients.kcal) << step.amount;
    }
    const auto direct = open("12", "3");
    type(*direct, Q::Amount, "150");
    direct->viewWillDisappear();
    EXPECT_EQ(store.row(12, 3)->nutrients, store.row(12, 2)->nutrients);
    EXPECT_EQ(store.total(3), store.total(2));

    // The calorie field and both sliders set the amount through the same values per 100 g.
    const auto vc = open("12", "2");
    vc->amountSliderMoved(1297.0f);
    EXPECT_EQ(vc->fieldText(Q::Fat), "35,0");
    EXPECT_EQ(vc->fieldText(Q::Calories), "1401");
    vc->caloriesSliderMoved(54.0f);
    EXPECT_EQ(vc->fieldText(Q::Amount), "50");
    EXPECT_EQ(vc->fieldText(Q::Sugar), "4,8");
    type(*vc, Q::Calories, "216");
    EXPECT_EQ(vc->fieldText(Q::Amount), "200");
    EXPECT_EQ(vc->fieldText(Q::Fat), "5,4");
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
    // Zero, or an amount so small that everything would round to 0: ignored, and said.
    for (const char* nothing : {"0", "0,4"}) {
        type(*vc, Q::Amount, nothing);
        ASSERT_TRUE(fake.alerts.hasPending()) << nothing;
        EXPECT_EQ(fake.alerts.firstPending().title, "Error Message Consumption Zero");
        fake.alerts.clear();
    }
    EXPECT_EQ(vc->fieldText(Q::Amount), "100");
    EXPECT_EQ(vc->fieldText(Q::Calories), "52");
    type(*vc, Q::Fat, "1,5");
    vc->viewWillDisappear();
    EXPECT_EQ(store.row(10, 1)->nutrients.fat, "1.5");
}

TEST_F(ConsumptionEditorTest, ATypedAmountKeepsItsDecimal) {
    const auto vc = open("10");
    type(*vc, Q::Amount, "12,5");
    EXPECT_EQ(vc->fieldText(Q::Amount), "12,5");
    vc->viewWillDisappear();
    EXPECT_EQ(store.row(10, 1)->gm, "12.5g");
    EXPECT_EQ(shownAmount(store.row(10, 1)->gm), "12.5\u00A0g"); // the folder's row
    EXPECT_EQ(open("10")->fieldText(Q::Amount), "12,5");
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
    // Fat that rounds to 0.0 on the slider is still there: nothing is locked.
    vc->amountSliderMoved(1.0f);
    EXPECT_EQ(vc->fieldText(Q::Fat), "0,0");
    EXPECT_EQ(vc->fieldText(Q::Calories), "1");
    EXPECT_EQ(enabled({Q::Fat, Q::Calories}), (std::vector{true, true}));

    // A value the product lacks is shown as such, locked, without the "0" hint.
    store.catalogue.add({12, "Riegel", "Maker", "1", "keine Angaben", "1", "1", "1", "90", "g"});
    store.file(12, 1);
    const auto lacking = open("12");
    EXPECT_EQ(lacking->fieldText(Q::Fat), "n/a");
    EXPECT_FALSE(lacking->fieldEnabled(Q::Fat) || lacking->hintShown(Q::Fat));
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
    EXPECT_EQ(vc->caloriesSlider().value, 4725.0f);
    EXPECT_EQ(vc->caloriesSlider().maximum, 4725.0f);
}

TEST_F(ConsumptionEditorTest, ScaledFromTheRowOnlyWhenTheProductLeftTheCatalogue) {
    // An update doubled the fat since the product was filed: the catalogue's value counts.
    store.catalogue.exec("UPDATE ProductsTable SET field13 = '6.8' WHERE recordId = 10");
    EXPECT_EQ(open("10")->fieldText(Q::Fat), "6,8");
    CatalogueStore(store.db).deleteProductFromMainTable(ProductId{10});
    const auto vc = open("10");
    EXPECT_EQ(vc->fieldText(Q::Fat), "3,4");
    type(*vc, Q::Amount, "200");
    EXPECT_EQ(vc->fieldText(Q::Fat), "6,8");
    EXPECT_EQ(vc->fieldText(Q::Calories), "105");
    // Nothing is saved over a product that left the folder meanwhile.
    PlannerWrites(store.db).unfileProduct(ProductId{10},
                                          FolderId{1}); // unchecked on its detail meanwhile
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

// Opening the editor and passing through its fields and sliders writes nothing: not the
// product's values since changed by an update, not the rounded figures read back.
TEST_F(ConsumptionEditorTest, OpeningAndPassingThroughTheFieldsWritesNothing) {
    store.catalogue.add({12, "Aprikose", "Hof", "1", "2.7", "0.3", "9.6", "0.05", "108", "g"});
    store.file(12, 2);
    const auto typed = open("12", "2");
    type(*typed, Q::Amount, "250");
    typed->viewWillDisappear();
    const auto row = store.row(12, 2);
    ASSERT_EQ(row->gm, "250g");
    ASSERT_EQ(store.total(2), "270");

    const auto passed = open("12", "2");
    for (int q = 0; q < kConsumptionQuantityCount; ++q)
        if (passed->fieldEnabled(static_cast<Q>(q)))
            type(*passed, static_cast<Q>(q), passed->fieldText(static_cast<Q>(q)));
    passed->amountSliderMoved(passed->amountSlider().value);
    passed->caloriesSliderMoved(passed->caloriesSlider().value);
    EXPECT_EQ(passed->fieldText(Q::Amount), "250");
    passed->viewWillDisappear();
    EXPECT_EQ(store.row(12, 2), row);
    EXPECT_EQ(store.total(2), "270");

    // An update raised the fat: the editor shows it, and leaves the row to the update.
    store.catalogue.exec("UPDATE ProductsTable SET field13 = '5.4' WHERE recordId = 12");
    const auto opened = open("12", "2");
    EXPECT_EQ(opened->fieldText(Q::Fat), "13,5");
    opened->viewWillDisappear();
    EXPECT_EQ(store.row(12, 2), row);
    EXPECT_EQ(store.total(2), "270");
}
