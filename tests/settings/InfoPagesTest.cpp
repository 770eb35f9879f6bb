#include "platform/Platform.h"
#include "screens/settings/GDAInfoVC.h"
#include "screens/settings/ShowInfoVC.h"

#include <gtest/gtest.h>

using namespace tolvane;

namespace {

LinkTargets links() {
    return {"/res", "update@x.ch", "support@x.ch", "https://x.ch/labels"};
}

} // namespace

TEST(ShowInfo, UnknownTitleGivesEmptyPageAndMissingTextShowsKey) {
    FakePlatform fake;
    FakeNavigation navigation;
    ShowInfoVC unknown(fake.platform(), navigation, links(), "Nothing here");
    unknown.viewWillAppear();
    EXPECT_EQ(unknown.html(), "");

    // Untranslated: title key and text key come back as they are.
    ShowInfoVC lights(fake.platform(), navigation, links(), "Ampel-Infos");
    lights.viewDidLoad();
    lights.viewWillAppear();
    EXPECT_EQ(lights.html(), "AmpelInfosText");
}

TEST(GDAInfo, FoodLabelLinkOpensOutsideAndBackCloses) {
    FakePlatform fake;
    bool closed = false;
    GDAInfoVC page(fake.platform(), links(), DeviceOrientation::LandscapeRight,
                   [&] { closed = true; });
    page.viewWillAppear();
    fake.strings.set("Zurück", "Back");
    EXPECT_EQ(page.backButtonTitle(), "  Back");
    EXPECT_EQ(page.html(), "GDAInfoText");
    EXPECT_EQ(page.linkRequested("https://x.ch/labels", true), LinkAction::OpenFoodLabelPage);
    EXPECT_EQ(fake.urls.opened.back(), "https://x.ch/labels");
    page.prevButtonClick();
    EXPECT_TRUE(closed);
}
