#include "screens/detail/ProductDetailsLandscapeVC.h"
#include "store/Database.h"
#include "tests/support/TestCatalogue.h"

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class LandscapeTest : public ::testing::Test {
protected:
    LandscapeTest() { fake.defaults.registerDefaults({{"isfirstLaunchGDA", false}}); }

    std::unique_ptr<ProductDetailsLandscapeVC> show(const ProductRecord& product) {
        auto vc = std::make_unique<ProductDetailsLandscapeVC>(
            fake.platform(), shared, DeviceOrientation::LandscapeLeft, hooks);
        vc->viewDidLoad();
        vc->drawData(product);
        vc->viewWillAppear();
        return vc;
    }

    FakePlatform fake;
    TestCatalogue catalogue;
    Database shared{catalogue.path(), fake.log};
    DetailHost hooks;
};

const ProductRecord kChips{"Chips", "1",  "Zweifel", "4", "0", {"20", "5", "1", "1.5", "500"},
                           "g",     "150"};

} // namespace

TEST_F(LandscapeTest, TypedPortionRedrawsWhenTheKeyboardHides) {
    fake.strings.set("%@ g", "%@ г"); // units in the interface language
    const auto vc = show(kChips);
    vc->portionTextChanged("150");
    EXPECT_EQ(vc->bars()[0].percentLabel, "28%"); // not before the keyboard goes
    vc->keyboardWillHide();
    EXPECT_EQ(vc->bars()[0].percentLabel, "42%");
    for (const char* unreadable : {"-5", "abc", "9e99", "123456"}) { // said, not applied
        fake.alerts.clear();
        vc->portionTextChanged(unreadable);
        vc->keyboardWillHide();
        EXPECT_EQ(vc->bars()[0].percentLabel, "42%") << unreadable;
        ASSERT_TRUE(fake.alerts.hasPending());
        EXPECT_EQ(fake.alerts.firstPending().message,
                  *unreadable == '1' ? ProductDetailsLandscapeVC::tooLargeKey()
                                     : ProductDetailsLandscapeVC::notANumberKey());
    }
    vc->touchesBegan(90, 100); // inside the fat bar
    EXPECT_TRUE(vc->touchLabelShown());
    vc->touchesMoved(390, 100); // energy bar: no unit
    EXPECT_EQ(vc->touchLabel(), "750\u00A0kcal");
    vc->touchesMoved(60, 100); // left of every bar
    EXPECT_EQ(vc->touchLabel(), "0\u00A0г");
    vc->touchesEnded();
    EXPECT_FALSE(vc->touchLabelShown());
}

TEST_F(LandscapeTest, HintIsShownOnce) {
    FakePlatform p;
    p.defaults.registerDefaults({{"isfirstLaunchGDA", true}});
    for (int i = 0; i < 2; ++i) {
        ProductDetailsLandscapeVC vc(p.platform(), shared, DeviceOrientation::LandscapeLeft);
        vc.viewDidLoad();
    }
    ASSERT_EQ(p.alerts.shown().size(), 1u);
    EXPECT_EQ(p.alerts.shown()[0].title, "GDA-Info");
    EXPECT_EQ(p.alerts.shown()[0].message, "Hilfe zur GDA-Nutzung");
    EXPECT_TRUE(p.analytics.has("Show GDA Helper on Startup"));
    EXPECT_FALSE(p.defaults.boolForKey("isfirstLaunchGDA"));
}

TEST_F(LandscapeTest, TurningBackAndTheInfoPageReachTheDelegate) {
    int nextViews = 0;
    ProductRecord infoFor;
    hooks.nextView = [&] { ++nextViews; };
    hooks.showInfoView = [&](const ProductRecord& p, DeviceOrientation) { infoFor = p; };
    const auto vc = show(kChips);
    vc->receivedRotate(DeviceOrientation::LandscapeRight);
    EXPECT_EQ(nextViews, 0);
    vc->showInfoView();
    EXPECT_EQ(infoFor, kChips);
    vc->receivedRotate(DeviceOrientation::Portrait);
    EXPECT_EQ(nextViews, 1);
}

TEST_F(LandscapeTest, UnitsAreWrittenInTheInterfaceLanguage) {
    fake.strings.set("g", "г");
    fake.strings.set("ml", "мл");
    auto vc = show(kChips);
    EXPECT_EQ(vc->portionUnit(), "г"); // the portion field counts in the product's unit
    EXPECT_EQ(show({"Saft", "2", "Ramseier", "4", "0", {"0", "0", "10", "0", "45"}, "ml", ""})
                  ->portionUnit(),
              "мл");

    // US units, read as the screen appears: the field counts in ounces and starts at 100 g; the
    // amounts and the quick portions are in ounces.
    catalogue.setSettings("NO", "NO");
    fake.strings.set("oz", "унц.");
    fake.strings.set("%@ oz", "%@ унц.");
    vc = show(kChips);
    EXPECT_EQ(vc->portionUnit(), "унц.");
    EXPECT_EQ(vc->portionText(), "3.5");
    EXPECT_EQ(vc->bars()[0].percentLabel, "28%");
    vc->touchesBegan(90, 100);
    EXPECT_EQ(vc->touchLabel(), "0.7\u00A0унц.");
    EXPECT_EQ(vc->amountText(Nutrient::Energy), "500\u00A0kcal");
    EXPECT_EQ(
        vc->portionChoices(),
        (std::vector<PortionChoice>{{"3.5\u00A0унц.", "3.5"}, {"Packung (5.3\u00A0унц.)", "5.3"}}));
    vc->choosePortion(vc->portionChoices()[1]); // 5.3 oz is 150.25 g
    EXPECT_EQ(vc->bars()[0].percentLabel, "42%");
    vc->touchesMoved(90, 100);
    EXPECT_EQ(vc->touchLabel(), "1.1\u00A0унц.");
    vc->portionTextChanged("10");
    vc->keyboardWillHide();
    EXPECT_EQ(vc->bars()[0].percentLabel, "80%"); // 283.5 g
    // Back in metric mode the field counts in grams again.
    catalogue.setSettings("NO", "YES");
    vc = show(kChips);
    EXPECT_EQ(vc->portionUnit(), "г");
    EXPECT_EQ(vc->portionText(), "100");
}

TEST_F(LandscapeTest, FieldAndBarsAgree) {
    const auto vc = show(kChips);
    vc->portionTextChanged("150");
    vc->keyboardWillHide();
    EXPECT_EQ(vc->bars()[0].percentLabel, "42%");
    // A refused portion: the field goes back to the one the bars show.
    vc->portionTextChanged("-5");
    vc->keyboardWillHide();
    EXPECT_EQ(vc->portionText(), "150");
    EXPECT_EQ(vc->bars()[0].percentLabel, "42%");
    // Emptied: the bars for 100, the field stays empty.
    vc->portionTextChanged("");
    vc->keyboardWillHide();
    EXPECT_EQ(vc->portionText(), "");
    EXPECT_EQ(vc->bars()[0].percentLabel, "28%");
}

TEST_F(LandscapeTest, QuickPortionsOnlyWhereThePackSizeIsKnown) {
    fake.strings.set("Decimal Separator", ",");
    fake.strings.set("Packung (%@)", "Pack (%@)");
    const auto vc = show(kChips);
    const auto choices = vc->portionChoices();
    ASSERT_EQ(choices.size(), 2u);
    EXPECT_EQ(choices[0], (PortionChoice{"100\u00A0g", "100"}));
    EXPECT_EQ(choices[1], (PortionChoice{"Pack (150\u00A0g)", "150"}));
    vc->choosePortion(choices[1]); // as typing 150 and closing the keyboard
    EXPECT_EQ(vc->portionText(), "150");
    EXPECT_EQ(vc->bars()[0].percentLabel, "42%");
    vc->choosePortion(choices[0]);
    EXPECT_EQ(vc->bars()[0].percentLabel, "28%");

    ProductRecord product = kChips;
    product.unit = "ml";
    product.salesPortion = "2,50";
    EXPECT_EQ(show(product)->portionChoices()[1], (PortionChoice{"Pack (2,50\u00A0ml)", "2,50"}));
    for (const char* unknown : {"", "-1", "0", "abc", "123456"}) {
        product.salesPortion = unknown;
        EXPECT_TRUE(show(product)->portionChoices().empty()) << unknown;
    }
}
