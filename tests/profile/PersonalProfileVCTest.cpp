#include "screens/profile/PersonalProfileVC.h"
#include "store/Database.h"
#include "store/SettingsStore.h"
#include "tests/support/TestCatalogue.h"

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

using C = BodyColumn;

// An information page as "title/display".
struct InfoPage : Screen {
    explicit InfoPage(std::string page) : page(std::move(page)) {}
    std::string page;
};

class PersonalProfileTest : public ::testing::Test {
protected:
    PersonalProfileTest() {
        SettingsStore(shared).createPersonalProfileTable();
        SettingsStore(shared).InsertIntoPersonalProfileTable();
        fake.strings.set("%@ cm", "%@ cm");
        fake.strings.set("%@ lbs", "%@ lbs");
        fake.strings.set("überwiegend sitzend", "mostly sitting");
    }

    std::shared_ptr<PersonalProfileVC> open() {
        auto vc = std::make_shared<PersonalProfileVC>(
            fake.platform(), shared, navigation,
            [](const std::string& title, const std::string& display) {
                return std::make_shared<InfoPage>(title + "/" + display);
            });
        vc->viewDidLoad();
        return vc;
    }

    void setMetric(bool metric) { catalogue.setSettings("NO", metric ? "YES" : "NO"); }

    ProfileRow stored() {
        return SettingsStore(shared).selectPersonalProfileData().value_or(ProfileRow{});
    }
    static std::string shown(const PersonalProfileVC& vc, C column) {
        return vc.rowTitle(column, vc.selectedRow(column));
    }

    // Picks the row whose title is given, as a user turning the wheel.
    static void pick(PersonalProfileVC& vc, C column, const std::string& title) {
        for (int row = 0; row < vc.rowCount(column); ++row)
            if (vc.rowTitle(column, row) == title) return vc.didSelectBodyRow(column, row);
        ADD_FAILURE() << "no row " << title;
    }

    FakePlatform fake;
    TestCatalogue catalogue;
    Database shared{catalogue.path(), fake.log};
    FakeNavigation navigation;
};

TEST_F(PersonalProfileTest, TheSeedProfileInMetricThenUsUnitsBetweenVisits) {
    fake.strings.set("Decimal Separator", ","); // figures shown as the tables say, stored with "."
    auto vc = open();
    EXPECT_TRUE(fake.analytics.has("Personal Profile"));
    EXPECT_EQ(vc->rowCount(C::Height), 121);
    EXPECT_EQ((std::vector{shown(*vc, C::Gender), shown(*vc, C::Age), shown(*vc, C::Height),
                           shown(*vc, C::Weight)}),
              (std::vector<std::string>{"F", "30", "165 cm", "57 kg"}));
    EXPECT_EQ(vc->rowValue(ProfileFigure::IdealWeight), "59,9 (kg)");
    EXPECT_EQ(vc->rowValue(ProfileFigure::ActivityLevel), "mostly sitting");
    EXPECT_EQ(vc->activitySelectedRow(), 2);

    pick(*vc, C::Gender, "M");
    pick(*vc, C::Height, "180 cm");
    pick(*vc, C::Weight, "80 kg");
    EXPECT_EQ(vc->rowValue(ProfileFigure::Bmi), "24,7");
    EXPECT_EQ(vc->rowValue(ProfileFigure::DailyCalories), "2759");
    vc->viewDidDisappear();
    EXPECT_EQ(stored(), (ProfileRow{"M", "30", "180", "80", "24.7", "71.3", "2", "2759", "5.11",
                                    "176", "metric"}));
    const auto event = fake.analytics.events().back();
    ASSERT_EQ(event.name, "User Profile");
    EXPECT_EQ((std::vector{event.parameters.at("Kalorienwert"), event.parameters.at("Groesse"),
                           event.parameters.at("Metrisch-bool")}),
              (std::vector<std::string>{"2759", "180", "metric"}));

    // The US lists are preset from the stored profile.
    setMetric(false);
    vc = open();
    EXPECT_EQ(vc->rowCount(C::Height), 53); // 3'0'' to 7'4'', no "5'12''"
    EXPECT_EQ(shown(*vc, C::Height), "5'11''");
    EXPECT_EQ(shown(*vc, C::Weight), "176 lbs");
    pick(*vc, C::Height, "5'9''");
    EXPECT_EQ(vc->rowValue(ProfileFigure::IdealWeight), "149,0 (lbs)"); // 67.6 kg
    // (800 + 175 x 6.25 - 150 + 5) x 1.55 = 2710.6
    vc->viewDidDisappear();
    EXPECT_EQ(stored(), (ProfileRow{"M", "30", "175", "80", "26.0", "67.6", "2", "2711", "5.9",
                                    "176", "us"}));

    // And back in metric units the metric rows follow.
    setMetric(true);
    vc = open();
    EXPECT_EQ(shown(*vc, C::Height), "175 cm");
    EXPECT_EQ(shown(*vc, C::Weight), "80 kg");
}

TEST_F(PersonalProfileTest, UsHeightsOutsideTheMetricListAreClamped) {
    setMetric(false);
    auto vc = open();
    vc->didSelectBodyRow(C::Height, 0); // 3'0''
    vc->viewDidDisappear();
    EXPECT_EQ(stored().height, "91");
    setMetric(true);
    vc = open();
    EXPECT_EQ(vc->selectedRow(C::Height), 0);
    EXPECT_EQ(vc->rowTitle(C::Height, 0), "100 cm");

    setMetric(false);
    vc = open();
    vc->didSelectBodyRow(C::Height, vc->rowCount(C::Height) - 1); // 7'4''
    vc->viewDidDisappear();
    setMetric(true);
    vc = open();
    EXPECT_EQ(shown(*vc, C::Height), "220 cm");
}

TEST_F(PersonalProfileTest, LeavingBeforeLoadingWritesNothing) {
    PersonalProfileVC vc(fake.platform(), shared, navigation);
    vc.viewDidDisappear();
    EXPECT_EQ(stored(), ProfileRow::seed());
    EXPECT_FALSE(fake.analytics.has("User Profile"));
}

TEST_F(PersonalProfileTest, AProfileThatCannotBeReadIsNeitherShownNorWrittenOver) {
    SettingsStore(shared).updatePersonalSettings("M", "40", "180", "80", "24.7", "71.3", "3",
                                                 "2900", "5.11", "176", "metric");
    const ProfileRow before = stored();
    auto vc = std::make_shared<PersonalProfileVC>(fake.platform(), shared, navigation);
    navigation.push(vc);
    shared.interrupt(); // every read fails, the table is there
    vc->viewDidLoad();
    shared.clearInterrupt();
    ASSERT_TRUE(fake.alerts.hasPending());
    EXPECT_EQ(fake.alerts.firstPending().message, PersonalProfileVC::profileNotReadKey());
    EXPECT_EQ(vc->rowValue(ProfileFigure::DailyCalories), ""); // not the seed's 2000
    fake.alerts.answer(0);
    EXPECT_EQ(navigation.pops(), 1);
    vc->viewDidDisappear();
    EXPECT_EQ(stored(), before);
}

TEST_F(PersonalProfileTest, MissingProfileReadsTheSeedValues) {
    catalogue.exec("DROP TABLE Personal_Profile");
    catalogue.exec("DELETE FROM Settings");
    auto vc = open();
    EXPECT_EQ(shown(*vc, C::Height), "5'4''");
    EXPECT_EQ(shown(*vc, C::Weight), "126 lbs");
    EXPECT_EQ(vc->rowValue(ProfileFigure::DailyCalories), "2000");
    vc->viewDidDisappear();
    EXPECT_FALSE(SettingsStore(shared).selectPersonalProfileData());
}

TEST_F(PersonalProfileTest, TypedDailyCalories) {
    auto vc = open();
    const auto type = [&](const std::string& text) {
        fake.alerts.clear();
        vc->beginEditingDailyCalories();
        vc->dailyCaloriesEdited(text);
        EXPECT_EQ(vc->dailyCaloriesFieldText(), text);
        vc->endEditingDailyCalories();
        return fake.alerts.shown().size() == 1 ? fake.alerts.shown()[0].title : "";
    };
    // Which texts are refused is the nutrition rule's; here the alerts and what stays shown.
    EXPECT_EQ(type("1850,5"), "Thank you for your input");
    EXPECT_EQ(vc->dailyCaloriesFieldText(), "1850");
    for (const char* refused : {"0815", "abc"}) {
        EXPECT_EQ(type(refused), "Pop-Up Personal Profile") << refused;
        EXPECT_EQ(vc->dailyCaloriesFieldText(), "1850");
    }
    EXPECT_EQ(type(""), "Error Message Consumption Amount");
    EXPECT_EQ(vc->dailyCaloriesFieldText(), "1850");

    // A picker change recomputes the figure.
    pick(*vc, C::Age, "31");
    EXPECT_NE(vc->dailyCaloriesFieldText(), "1850");
}

// A valid figure left mid-edit is taken (the road leaves one); a refused one is not.
TEST_F(PersonalProfileTest, RefusedFigureStillBeingTypedIsNotTakenWhenLeaving) {
    auto vc = open();
    vc->beginEditingDailyCalories();
    vc->dailyCaloriesEdited("99999");
    vc->viewDidDisappear();
    EXPECT_EQ(SettingsStore(shared).selectCaloryValueFromPersonalProfileTable(), "2000");
}

TEST_F(PersonalProfileTest, WithoutActivityLevelNoFigureUntilOneIsChosen) {
    catalogue.exec("UPDATE Personal_Profile SET Activity_Level = '-1'");
    auto vc = open();
    EXPECT_EQ(vc->rowValue(ProfileFigure::ActivityLevel), "");
    pick(*vc, C::Weight, "60 kg");
    EXPECT_EQ(vc->rowValue(ProfileFigure::DailyCalories), "");
    // Female, 30, 165 cm, 60 kg, level 0: (600 + 1031.25 - 150 - 161) x 1.2 = 1584.3
    vc->didSelectTableRow(ProfileFigure::ActivityLevel);
    EXPECT_TRUE(vc->activityPickerVisible());
    vc->didSelectActivityLevel(0);
    EXPECT_FALSE(vc->activityPickerVisible());
    EXPECT_EQ(vc->rowValue(ProfileFigure::DailyCalories), "1584");

    // The picker does not open while the figure is being typed.
    vc->beginEditingDailyCalories();
    vc->didSelectTableRow(ProfileFigure::ActivityLevel);
    EXPECT_FALSE(vc->activityPickerVisible());
    vc->viewDidDisappear();
    EXPECT_EQ(stored().activityLevel, "0");
}

TEST_F(PersonalProfileTest, InformationButtonsOpenTheirPages) {
    fake.strings.set("BMI Infotext Titel", "About BMI");
    auto vc = open();
    vc->infoButtonTapped(ProfileFigure::Bmi);
    vc->infoButtonTapped(ProfileFigure::DailyCalories);
    std::vector<std::string> pages;
    for (const auto& screen : navigation.stack())
        pages.push_back(std::dynamic_pointer_cast<InfoPage>(screen)->page);
    // Every page has its title: the row's.
    EXPECT_EQ(pages, (std::vector<std::string>{"About BMI/", "Daily Calories(kcal)/"}));
    EXPECT_EQ(navigation.backTitles()[0], "Zurück");
}

} // namespace
