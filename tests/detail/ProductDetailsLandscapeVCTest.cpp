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
    EXPECT_EQ(vc->touchLabel(), "750 kcal");
    vc->touchesMoved(60, 100); // left of every bar
    EXPECT_EQ(vc->touchLabel(), "0 г");
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

    // US units: the same bars, the amount in ounces.
    catalogue.setSettings("NO", "NO");
    vc = show(kChips);
    EXPECT_EQ(vc->bars()[0].percentLabel, "28%");
    vc->touchesBegan(90, 100);
    EXPECT_EQ(vc->touchLabel(), "0.7 oz");
}

TEST_F(LandscapeTest, QuickPortionsOnlyWhereThePackSizeIsKnown) {
    fake.strings.set("Decimal Separator", ",");
    fake.strings.set("Packung (%@)", "Pack (%@)");
    const auto vc = show(kChips);
    const auto choices = vc->portionChoices();
    ASSERT_EQ(choices.size(), 2u);
    EXPECT_EQ(choices[0], (PortionChoice{"100 g", "100"}));
    EXPECT_EQ(choices[1], (PortionChoice{"Pack (150 g)", "150"}));
    vc->choosePortion(choices[1]); // as typing 150 and closing the keyboard
    EXPECT_EQ(vc->portionText(), "150");
    EXPECT_EQ(vc->bars()[0].percentLabel, "42%");
    vc->choosePortion(choices[0]);
    EXPECT_EQ(vc->bars()[0].percentLabel, "28%");

    ProductRecord product = kChips;
    product.unit = "ml";
    product.salesPortion = "2,50";
    EXPECT_EQ(show(product)->portionChoices()[1], (PortionChoice{"Pack (2,50 ml)", "2,50"}));
    for (const char* unknown : {"", "-1", "0", "abc", "123456"}) {
        product.salesPortion = unknown;
        EXPECT_TRUE(show(product)->portionChoices().empty()) << unknown;
    }
}
