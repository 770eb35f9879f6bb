// The diary's screens driven through their models with the platform fakes.
#include "DiaryFixture.h"

#include "screens/common/Nutrients.h"
#include "screens/detail/ProductDetail.h"
#include "screens/diary/DiaryChartVC.h"
#include "screens/diary/DiaryDayVC.h"
#include "screens/diary/DiaryEntryVC.h"
#include "screens/diary/DiaryLog.h"
#include "screens/ownproducts/ManageProductsVC.h"
#include "store/CatalogueStore.h"
#include "store/OwnProductStore.h"

namespace tolvane::test {

namespace {

std::shared_ptr<DiaryEntryVC> eaten(Platform platform, Database& db, FakeNavigation& navigation,
                                    DiaryHost host, long long id) {
    auto snapshot = diarySnapshotOf(db, ProductId{id});
    EXPECT_TRUE(snapshot);
    return std::make_shared<DiaryEntryVC>(platform, db, navigation, host, *snapshot);
}

} // namespace

// What was logged stays as it was eaten, whatever the catalogue does later.
TEST_F(DiaryTest, AnEntryKeepsItsValuesThroughACatalogueChangeAndTheProductsDeletion) {
    auto entry = eaten(platform, *db, navigation, host, 1);
    // Lunch at 12:30; the quick choices: 100 g and the pack.
    EXPECT_EQ(entry->meal(), Meal::Lunch);
    ASSERT_EQ(entry->quickAmounts().size(), 2u);
    entry->chooseQuickAmount(1);
    EXPECT_EQ(entry->amountText(), "80");
    entry->save();
    EXPECT_EQ(navigation.pops(), 1);

    catalogue.exec("UPDATE ProductsTable SET field10 = '999', field13 = '50', field17 = '1' "
                   "WHERE recordId = 1");
    db->catalogueChanged();
    DiaryDayVC day(platform, *db, navigation, host);
    day.reload();
    ASSERT_EQ(day.entries(Meal::Lunch).size(), 1u);
    EXPECT_EQ(day.entries(Meal::Lunch)[0].kcal, "304\u00a0kcal"); // 80 g at 380 kcal, as logged
    catalogue.remove(1);
    fake.strings.set("Diary %@ of %@", "%@ of %@");
    day.reload();
    ASSERT_EQ(day.state(), DiaryDayVC::State::Ready);
    ASSERT_EQ(day.entries(Meal::Lunch).size(), 1u);
    EXPECT_EQ(day.entries(Meal::Lunch)[0].name, "Brezel");
    const auto& totals = day.totals();
    EXPECT_EQ(totals[static_cast<int>(DayNutrient::Fat)].amount, "3.2\u00a0g of 70.0\u00a0g");
    EXPECT_EQ(totals[static_cast<int>(DayNutrient::Protein)].amount, "7.6\u00a0g of 50.0\u00a0g");

    // The next time the same product is eaten, the amount last used is offered and set.
    catalogue.add(brezel());
    auto again = eaten(platform, *db, navigation, host, 1);
    EXPECT_EQ(again->amountText(), "80");
    // The last amount was the pack's: one button for both. Another amount is a button of its own.
    ASSERT_EQ(again->quickAmounts().size(), 2u);
    again->setAmountText("45");
    again->save();
    EXPECT_EQ(eaten(platform, *db, navigation, host, 1)->quickAmounts().size(), 3u);
}

TEST_F(DiaryTest, TheDaySaysItsTotalsAgainstTheProfileAndAFailedRead) {
    SettingsStore(*db).updatePersonalSettings("F", "30", "165", "57", "20.9", "59.9", "2", "2500",
                                              "5.4", "126", "metric");
    auto entry = eaten(platform, *db, navigation, host, 2);
    ASSERT_TRUE(entry->setAmountText("300"));
    EXPECT_FALSE(entry->setAmountText("0"));
    EXPECT_FALSE(entry->setAmountText("abc"));
    entry->save();
    DiaryDayVC day(platform, *db, navigation, host);
    day.reload();
    EXPECT_FALSE(day.fixedReferences());
    fake.strings.set("Diary %@ kcal left", "%@ kcal left");
    EXPECT_EQ(day.kcalLeftText(), "1000 kcal left"); // 2500 - 1500
    const DiaryTotalLine& fat = day.totals()[static_cast<int>(DayNutrient::Fat)];
    EXPECT_EQ(fat.percent, "68%"); // 60 g of 87.5 g
    EXPECT_EQ(fat.colour, DayColour::Green);
    EXPECT_EQ(day.totals()[static_cast<int>(DayNutrient::Fibre)].colour, DayColour::NoData);

    // A day that cannot be read is not an empty day.
    catalogue.exec("DROP TABLE Diary_Entry");
    day.reload();
    EXPECT_EQ(day.state(), DiaryDayVC::State::Failed);
    EXPECT_EQ(day.kcalLeftText(), "");
}

TEST_F(DiaryTest, AnEntryMovesToYesterdaysDinnerAndIsDeletedAfterTheQuestion) {
    eaten(platform, *db, navigation, host, 2)->save();
    DiaryDayVC day(platform, *db, navigation, host);
    day.reload();
    day.openEntry(Meal::Lunch, 0);
    auto edit = std::dynamic_pointer_cast<DiaryEntryVC>(navigation.top());
    ASSERT_TRUE(edit);
    edit->setDay("2026-12-07");
    edit->setMeal(Meal::Dinner);
    edit->save();
    day.reload();
    EXPECT_TRUE(day.entries(Meal::Lunch).empty());
    day.previousDay();
    EXPECT_EQ(day.day(), "2026-12-07");
    ASSERT_EQ(day.entries(Meal::Dinner).size(), 1u);

    day.openEntry(Meal::Dinner, 0);
    auto doomed = std::dynamic_pointer_cast<DiaryEntryVC>(navigation.top());
    ASSERT_TRUE(doomed);
    doomed->deletePressed();
    ASSERT_TRUE(fake.alerts.answer(1)); // "Cancel" keeps it
    day.reload();
    EXPECT_EQ(day.entries(Meal::Dinner).size(), 1u);
    doomed->deletePressed();
    ASSERT_TRUE(fake.alerts.answer(0));
    day.reload();
    EXPECT_TRUE(day.entries(Meal::Dinner).empty());
    day.today();
    EXPECT_EQ(day.day(), "2026-12-08");
}

TEST_F(DiaryTest, AFolderIsEatenWithItsPlannedAmountsAndTheWeekShowsIt) {
    PlannerStore planner(*db);
    planner.insertIntoFavorite_Menulistfolder(ProductId{1}, FolderId{1});
    planner.newUpdateIntoEditConsumptionTable(ProductId{1}, "Brezel", "Beck", "1", "50g", "2",
                                              "0.5", "1", "1.05", "190", FolderId{1});
    planner.insertIntoFavorite_Menulistfolder(ProductId{2}, FolderId{1});
    planner.newUpdateIntoEditConsumptionTable(ProductId{2}, "Chips", "Zweifel", "1", "g", "20", "5",
                                              "1", "1.5", "500", FolderId{1});
    const FolderLogResult logged = logFolder(*db, FolderId{1}, host.now());
    EXPECT_TRUE(logged.written);
    EXPECT_EQ(logged.logged, 2);
    const auto rows = DiaryStore(*db).entriesOn("2026-12-08");
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 2u);
    EXPECT_EQ((*rows)[0].amount, "50");
    EXPECT_EQ((*rows)[1].amount, "100"); // the bare unit: 100 of it

    DiaryChartVC week(platform, *db, navigation, host, DiaryChartVC::Span::Week, "2026-12-08");
    week.reload();
    ASSERT_EQ(week.days().size(), 7u);
    EXPECT_EQ(week.days()[0].day, "2026-12-07"); // from Monday
    EXPECT_DOUBLE_EQ(week.days()[1].kcal, 190.0 + 500.0);
    EXPECT_FALSE(week.days()[0].eaten);
    week.openDay(1);
    auto opened = std::dynamic_pointer_cast<DiaryDayVC>(navigation.top());
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->day(), "2026-12-08");
    DiaryChartVC month(platform, *db, navigation, host, DiaryChartVC::Span::Month, "2026-02-10");
    month.reload();
    EXPECT_EQ(month.days().size(), 28u);
    month.next();
    EXPECT_EQ(month.first().text(), "2026-03-01");
}

// The nutrient beside the energy: each day's sum against the daily amount scaled to the profile's
// calories, a day whose entries gave none said as such, and the scale reaching the most eaten.
TEST_F(DiaryTest, TheChartsNutrientIsSummedPerDayAgainstItsScaledReference) {
    SettingsStore(*db).updatePersonalSettings("F", "30", "165", "57", "20.9", "59.9", "2", "2500",
                                              "5.5", "125.7", "metric");
    logEaten(*db, 1, "2026-12-07", "200", "1", "12:00"); // salt 4.2, fibre 6
    logEaten(*db, 1, "2026-12-08", "100", "1", "12:00"); // salt 2.1, fibre 3
    logEaten(*db, 2, "2026-12-08", "400", "1", "12:00"); // salt 6.0, no fibre given
    logEaten(*db, 2, "2026-12-09", "100", "1", "12:00"); // salt 1.5, no fibre given
    DiaryChartVC week(platform, *db, navigation, host, DiaryChartVC::Span::Week, "2026-12-08");
    week.reload();
    EXPECT_EQ(week.nutrient(), DayNutrient::Fat);
    week.setNutrient(DayNutrient::Energy); // energy has its own chart
    EXPECT_EQ(week.nutrient(), DayNutrient::Fat);
    week.setNutrient(DayNutrient::Salt);
    EXPECT_EQ(week.nutrient(), DayNutrient::Salt);

    EXPECT_NEAR(week.value(0, DayNutrient::Salt), 4.2, 1e-5);
    EXPECT_NEAR(week.value(1, DayNutrient::Salt), 8.1, 1e-5);
    EXPECT_NEAR(week.value(2, DayNutrient::Salt), 1.5, 1e-5);
    EXPECT_DOUBLE_EQ(week.reference(DayNutrient::Salt), 6.0 * 2500 / 2000);
    EXPECT_NEAR(week.scale(DayNutrient::Salt), 8.1, 1e-5); // over the 7.5 g
    EXPECT_EQ(week.valueText(1, DayNutrient::Salt), "8.1\u00a0g");
    EXPECT_EQ(week.referenceText(DayNutrient::Salt), "7.5\u00a0g");
    EXPECT_DOUBLE_EQ(week.reference(DayNutrient::Energy), 2500.0);
    EXPECT_EQ(week.valueText(1, DayNutrient::Energy), "2380\u00a0kcal"); // 380 + 4 x 500

    EXPECT_NEAR(week.value(0, DayNutrient::Fibre), 6.0, 1e-5);
    EXPECT_NEAR(week.value(1, DayNutrient::Fibre), 3.0, 1e-5); // the chips gave none
    EXPECT_EQ(week.valueText(2, DayNutrient::Fibre), numberFormat(platform.strings).noData());
    EXPECT_DOUBLE_EQ(week.scale(DayNutrient::Fibre), 25.0 * 2500 / 2000);
}

// An own product is logged from its list as a catalogue product is from its detail: the list opens
// its detail, whose "Gegessen" opens the entry with the values the user typed.
TEST_F(DiaryTest, AnOwnProductIsLoggedFromTheOwnProductsList) {
    OwnProductStore own(*db);
    const int id = own.insertProduct("Haferkekse", "Ich", "1", "18.5", "2", "21", "0.6", "465", "0",
                                     "0", "g", "1", "250");
    ASSERT_GT(id, 0);
    const long long mirror = own.insertProductToMainTable(
        "Haferkekse", "Ich", "1", "18.5", "2", "21", "0.6", "465", "g", ProductId{id}, "250");
    ASSERT_GT(mirror, 0);
    own.updateInsertedProductId(ProductId{mirror}, OwnProductId{id});

    ManageProductsVC list(platform, *db, navigation);
    list.viewWillAppear();
    ASSERT_EQ(list.numberOfRows(), 1);
    list.didSelectRow(0);
    auto detail = std::dynamic_pointer_cast<ProductDetail>(navigation.top());
    ASSERT_TRUE(detail);
    ASSERT_TRUE(detail->showsEatenButton());
    detail->eatenPressed();
    auto entry = std::dynamic_pointer_cast<DiaryEntryVC>(navigation.top());
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->productName(), "Haferkekse");
    ASSERT_EQ(entry->quickAmounts().size(), 2u); // 100 g and the pack of 250 g
    entry->chooseQuickAmount(1);
    entry->save();

    // The detail logs on the machine's today.
    const auto rows = DiaryStore(*db).entriesOn(DiaryHost{}.now().day.text());
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 1u);
    EXPECT_EQ((*rows)[0].productId, formatInt(mirror));
    EXPECT_EQ((*rows)[0].amount, "250");
    EXPECT_EQ((*rows)[0].energyKcal, "465");
    EXPECT_EQ((*rows)[0].fat, "18.5");
}

} // namespace tolvane::test
