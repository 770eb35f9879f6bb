#include "screens/settings/SetupVC.h"
#include "platform/Platform.h"
#include "screens/common/PlaceholderScreen.h"
#include "screens/settings/ShowInfoVC.h"

#include <gtest/gtest.h>

using namespace tolvane;

namespace {

struct MemorySettings {
    std::optional<SettingsRow> settings = SettingsRow{"YES", "YES", "YES"};
    std::optional<ProfileRow> profile = ProfileRow::seed();
    std::vector<std::vector<std::string>> updates;
    int failingReads = 0; // the next reads of the settings fail
    int opened = 0;
    int open = 0;
};

class FakeSetupStore : public SetupStore {
public:
    explicit FakeSetupStore(MemorySettings& data) : data_(data) { ++data_.opened, ++data_.open; }
    ~FakeSetupStore() override { --data_.open; }
    std::optional<SettingsRow> selectSettings() override {
        if (data_.failingReads > 0) return --data_.failingReads, std::nullopt;
        return data_.settings;
    }
    void updateSettings(const std::string& l, const std::string& z, const std::string& m) override {
        data_.updates.push_back({l, z, m});
        if (data_.settings) data_.settings = SettingsRow{l, z, m};
    }
    std::optional<ProfileRow> selectPersonalProfileData() override { return data_.profile; }

private:
    MemorySettings& data_;
};

class SetupVCTest : public ::testing::Test {
protected:
    SetupVC& screen() {
        if (!screen_) {
            screen_ = std::make_unique<SetupVC>(SetupVC::Dependencies{
                fake.platform(),
                navigation,
                [this] { return std::make_unique<FakeSetupStore>(data); },
                shell,
                LinkTargets{"/res", "update@x.ch", "support@x.ch", "https://x.ch/labels"},
                {},
                {}});
        }
        return *screen_;
    }
    void show() {
        screen().viewWillAppear();
        screen().viewDidAppear();
    }

    FakePlatform fake;
    FakeNavigation navigation;
    MemorySettings data;
    LanguageChoice shell;
    std::unique_ptr<SetupVC> screen_;
};

} // namespace

TEST_F(SetupVCTest, ReadsOptionsAndDailyCaloriesInTheInterfaceLanguageWhenShown) {
    fake.strings.set("%@ kcal", "%@ ккал");
    fake.strings.set("Thousands Separator", "\u00A0");
    data.settings = SettingsRow{"NO", "YES", "NO"};
    screen().viewDidLoad();
    show();
    EXPECT_FALSE(screen().liveSearchOn());
    screen().localizationSwtchChanged(); // stored "YES" turns to "NO"
    EXPECT_EQ(fake.defaults.stringForKey("Localization"), "NO");
    EXPECT_FALSE(screen().metricUnitsOn());
    EXPECT_EQ(screen().caloriesValue(), "2\u00A0000\u00A0ккал");
    EXPECT_EQ(fake.defaults.integerForKey("SetUpInfoBtnTag"), -1);
    // Grouped as the language writes its figures.
    fake.strings.set("Thousands Separator", ".");
    show();
    EXPECT_EQ(screen().caloriesValue(), "2.000\u00A0ккал");
}

TEST_F(SetupVCTest, MissingRecordsLeaveSwitchesOffAndNoCalories) {
    data.settings.reset();
    data.profile.reset();
    show();
    EXPECT_FALSE(screen().liveSearchOn());
    EXPECT_FALSE(screen().metricUnitsOn());
    EXPECT_EQ(screen().caloriesValue(), "");
    // An unset value flips to "YES".
    screen().liveSearchSwtchChanged();
    EXPECT_TRUE(screen().liveSearchOn());
    // A profile without daily calories shows none.
    data.profile = ProfileRow::seed();
    data.profile->dailyCalories.clear();
    show();
    EXPECT_EQ(screen().caloriesValue(), "");
}

TEST_F(SetupVCTest, MetricUnitsAreWrittenAtOnceAndEverySwitchWhenTheScreenIsLeft) {
    show();
    screen().viewDidDisappear();
    EXPECT_TRUE(data.updates.empty()); // nothing toggled, nothing written
    const struct {
        void (SetupVC::*toggle)();
        std::size_t writtenAtOnce;
        std::vector<std::string> stored;
    } cases[] = {
        {&SetupVC::imperialUnitsSwtchChanged, 1, {"YES", "YES", "NO"}},
        {&SetupVC::liveSearchSwtchChanged, 0, {"NO", "YES", "NO"}},
        {&SetupVC::localizationSwtchChanged, 0, {"NO", "NO", "NO"}},
    };
    for (const auto& c : cases) {
        data.updates.clear();
        show(); // each time with a store of its own
        (screen().*c.toggle)();
        EXPECT_EQ(data.updates.size(), c.writtenAtOnce);
        screen().viewDidDisappear();
        ASSERT_EQ(data.updates.size(), c.writtenAtOnce + 1);
        EXPECT_EQ(data.updates.back(), c.stored);
        EXPECT_EQ(data.open, 0) << "the store is released when the screen is left";
    }
    EXPECT_EQ(data.opened, 4);
    EXPECT_EQ(fake.defaults.stringForKey("Localization"), "NO");
    // Toggled twice and left: written once, as it stands.
    data.updates.clear();
    show();
    screen().liveSearchSwtchChanged();
    screen().liveSearchSwtchChanged();
    screen().viewDidDisappear();
    EXPECT_EQ(data.updates, (std::vector<std::vector<std::string>>{{"NO", "NO", "NO"}}));
}

TEST_F(SetupVCTest, ASwitchToggledAfterAFailedReadKeepsTheOthersAsStored) {
    data.settings = SettingsRow{"NO", "NO", "NO"};
    data.failingReads = 1;
    show();
    screen().liveSearchSwtchChanged(); // shown off, turned on
    screen().viewDidDisappear();
    EXPECT_EQ(data.updates, (std::vector<std::vector<std::string>>{{"YES", "NO", "NO"}}));

    // Still unreadable whenever it is written: nothing is written over them.
    data.updates.clear();
    data.failingReads = 3; // shown, switched, left
    show();
    screen().imperialUnitsSwtchChanged();
    screen().viewDidDisappear();
    EXPECT_TRUE(data.updates.empty());
    EXPECT_EQ(data.settings->metricUnits, "NO");
}

TEST_F(SetupVCTest, HintIsShownOnlyOnFirstVisit) {
    fake.defaults.registerDefaults({{"isfirstLaunchSetup", true}});
    screen().viewDidLoad(); // the shell's roads see it once, and not after the flag is stored
    ASSERT_TRUE(fake.alerts.hasPending());
    EXPECT_EQ(fake.alerts.firstPending().message, "Hilfe zur Setupnutzung");
    EXPECT_TRUE(fake.analytics.has("Show Setup Helper on Startup"));
    EXPECT_FALSE(fake.defaults.boolForKey("isfirstLaunchSetup"));
}

TEST_F(SetupVCTest, RowsPushTheirScreensAndRememberTheCell) {
    screen().didSelectRow(SetupRowId::ManageProducts); // the shell's road opens the languages
    auto own = std::dynamic_pointer_cast<PlaceholderScreen>(navigation.top());
    ASSERT_TRUE(own);
    EXPECT_EQ(own->titleKey(), "Eigene Produkte verwalten");
    EXPECT_EQ(navigation.backTitles().back(), "Zurück");
    screen().didSelectRow(SetupRowId::PersonalProfile);
    EXPECT_TRUE(std::dynamic_pointer_cast<PlaceholderScreen>(navigation.top()));
    // Switch rows open nothing.
    auto depth = navigation.stack().size();
    screen().didSelectRow(SetupRowId::LiveSearch);
    EXPECT_EQ(navigation.stack().size(), depth);

    screen().didSelectRow(SetupRowId::UsageTips);
    auto info = std::dynamic_pointer_cast<ShowInfoVC>(navigation.top());
    ASSERT_TRUE(info);
    EXPECT_EQ(info->myTitle(), "Benutzungstips");
    EXPECT_EQ(fake.defaults.integerForKey("SetUpSection"), 1);
    EXPECT_EQ(fake.defaults.integerForKey("SetUpRow"), 1);

    // Provided screens replace the placeholders.
    auto profile = std::make_shared<PlaceholderScreen>("custom");
    screen_ = std::make_unique<SetupVC>(SetupVC::Dependencies{
        fake.platform(), navigation, {}, shell, {}, {}, [&] { return profile; }});
    screen().didSelectRow(SetupRowId::PersonalProfile);
    EXPECT_EQ(navigation.top(), profile);
}

// Translated texts differ from their keys, so a lookup by key rather than by text shows up.
TEST_F(SetupVCTest, EachInfoButtonOpensItsPageWithOrWithoutTitle) {
    for (const auto& [key, text] : {std::pair{"Lokalisierung", "Language"},
                                    {"Live-Suche", "Live search"},
                                    {"Metrische Einheiten", "Metric units"},
                                    {"Infotext Profil Titel", "Profile"},
                                    {"LocalizationInfoText", "<p>lang</p>"},
                                    {"LiveSearchInfoText", "<p>live</p>"},
                                    {"MetrisheInfoText", "<p>metric</p>"},
                                    {"Infotext Profil", "<p>profile</p>"}})
        fake.strings.set(key, text);
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
        screen().infoButtonTapped(c.row);
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
    screen().infoButtonTapped(SetupRowId::ManageProducts);
    EXPECT_EQ(navigation.stack().size(), depth);
    EXPECT_EQ(fake.defaults.integerForKey("SetUpInfoBtnTag"), 1006);
}

TEST_F(SetupVCTest, SendMailOpensComposerAndLogsEventEvenWithoutMailProgram) {
    fake.strings.set("Email Subject", "Tolvane Frage");
    fake.strings.set("Missing Brand", "Marke fehlt");
    screen().sendMail();
    EXPECT_FALSE(screen().mailAddressShown());
    fake.urls.opened.clear();
    fake.urls.canOpen = false;
    screen().sendMail();
    EXPECT_TRUE(screen().mailAddressShown()); // said, with the address to copy
    EXPECT_EQ(screen().mailAddress(), "support@x.ch");
    ASSERT_EQ(fake.urls.opened.size(), 1u);
    EXPECT_EQ(fake.urls.opened[0],
              "mailto:support@x.ch?subject=Tolvane%20Frage&body=Marke%20fehlt");
    EXPECT_TRUE(fake.analytics.has("Open Mail Window"));
}
