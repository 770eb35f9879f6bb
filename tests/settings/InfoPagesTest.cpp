#include "platform/Platform.h"
#include "screens/settings/GDAInfoVC.h"
#include "screens/settings/SetupVC.h"
#include "screens/settings/ShowInfoVC.h"

#include <gtest/gtest.h>

using namespace tolvane;

namespace {

LinkTargets links() {
    return {"/res", "update@x.ch", "support@x.ch", "https://x.ch/labels"};
}

// Translated texts differ from their keys, so a lookup by key rather than by text shows up.
void translate(MemoryStrings& s) {
    s.set("Lokalisierung", "Language");
    s.set("Live-Suche", "Live search");
    s.set("Metrische Einheiten", "Metric units");
    s.set("Infotext Profil Titel", "Profile");
    s.set("LocalizationInfoText", "<p>lang</p>");
    s.set("LiveSearchInfoText", "<p>live</p>");
    s.set("MetrisheInfoText", "<p>metric</p>");
    s.set("Infotext Profil", "<p>profile</p>");
}

} // namespace

TEST(InfoButtons, EachTagOpensItsPageWithOrWithoutTitle) {
    FakePlatform fake;
    translate(fake.strings);
    FakeNavigation navigation;
    LanguageChoice shell;
    SetupVC setup({fake.platform(), navigation, {}, shell, links(), {}, {}});

    struct Case {
        SetupRowId row;
        int tag;
        std::string html;
        std::string navTitle;
    };
    for (const Case& c : {Case{SetupRowId::Localization, 1001, "<p>lang</p>", "Language"},
                          Case{SetupRowId::LiveSearch, 1002, "<p>live</p>", "Live search"},
                          Case{SetupRowId::MetricUnits, 1003, "<p>metric</p>", "Metric units"},
                          Case{SetupRowId::PersonalProfile, 1006, "<p>profile</p>", ""}}) {
        setup.infoButtonTapped(c.row);
        auto page = std::dynamic_pointer_cast<ShowInfoVC>(navigation.top());
        ASSERT_TRUE(page) << c.tag;
        page->viewWillAppear();
        EXPECT_EQ(page->html(), c.html) << c.tag;
        EXPECT_EQ(page->navigationTitle(), c.navTitle) << c.tag;
        EXPECT_EQ(navigation.backTitles().back(), "Zurück");
        EXPECT_EQ(fake.defaults.integerForKey("SetUpInfoBtnTag"), c.tag);
    }
    // A row without an information button opens nothing.
    auto depth = navigation.stack().size();
    setup.infoButtonTapped(SetupRowId::ManageProducts);
    EXPECT_EQ(navigation.stack().size(), depth);
    EXPECT_EQ(fake.defaults.integerForKey("SetUpInfoBtnTag"), 1006);
}

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
