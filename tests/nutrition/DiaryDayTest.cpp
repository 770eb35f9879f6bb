#include "nutrition/DiaryDate.h"
#include "nutrition/DiaryDay.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

DiaryFood food(double amount, const char* kcal, const char* fat, const char* protein = "",
               const char* fibre = "") {
    DiaryFood f;
    f.amount = amount;
    f.per100[static_cast<int>(DayNutrient::Energy)] = kcal;
    f.per100[static_cast<int>(DayNutrient::Fat)] = fat;
    f.per100[static_cast<int>(DayNutrient::Protein)] = protein;
    f.per100[static_cast<int>(DayNutrient::Fibre)] = fibre;
    return f;
}

const DayShare& share(const DayTotals& t, DayNutrient n) {
    return t.shares[static_cast<int>(n)];
}

TEST(DiaryDay, MealFollowsTheTimeOfDay) {
    EXPECT_EQ(mealAt(3, 59), Meal::Snack);
    EXPECT_EQ(mealAt(4, 0), Meal::Breakfast);
    EXPECT_EQ(mealAt(10, 59), Meal::Breakfast);
    EXPECT_EQ(mealAt(11, 0), Meal::Lunch);
    EXPECT_EQ(mealAt(15, 0), Meal::Snack);
    EXPECT_EQ(mealAt(17, 0), Meal::Dinner);
    EXPECT_EQ(mealAt(22, 0), Meal::Snack);
    EXPECT_EQ(minutesOfDay("07:30"), 450);
    EXPECT_FALSE(minutesOfDay("24:00"));
    EXPECT_FALSE(minutesOfDay("7:30"));
}

TEST(DiaryDay, TotalsScaleWithTheAmountAndTheProfile) {
    // 150 g at 400 kcal and 20,5 g fat per 100 g, 250 ml at 42 kcal without a fat figure.
    const std::vector<DiaryFood> day{food(150, "400", "20,5", "10"), food(250, "42", "", "")};
    const DayTotals t = dayTotals(day, 2500);
    EXPECT_FALSE(t.fixedReferences);
    // The planner's factor: (2500 / 20) / 100 = 1.25.
    EXPECT_DOUBLE_EQ(share(t, DayNutrient::Energy).reference, 2500.0);
    EXPECT_NEAR(share(t, DayNutrient::Energy).amount, 600 + 105, 1e-9);
    EXPECT_NEAR(t.kcalLeft, 2500 - 705, 1e-9);
    EXPECT_NEAR(share(t, DayNutrient::Fat).amount, 30.75, 1e-9);
    EXPECT_NEAR(share(t, DayNutrient::Fat).reference, 87.5, 1e-4);
    EXPECT_EQ(share(t, DayNutrient::Fat).percent, 35);
    EXPECT_EQ(share(t, DayNutrient::Protein).percent, 24); // 15 g of 62.5 g
    EXPECT_EQ(share(t, DayNutrient::Protein).colour, DayColour::Yellow);
    // No entry gave fibre: no data, not 0 %.
    EXPECT_TRUE(share(t, DayNutrient::Fibre).noData);
    EXPECT_EQ(share(t, DayNutrient::Fibre).colour, DayColour::NoData);
}

TEST(DiaryDay, WithoutAProfileTheTwoThousandKcalReferencesAreSaid) {
    const DayTotals t = dayTotals({food(500, "460", "16")}, 0);
    EXPECT_TRUE(t.fixedReferences);
    EXPECT_DOUBLE_EQ(t.targetKcal, 2000.0);
    EXPECT_NEAR(t.kcalLeft, -300.0, 1e-9);
    EXPECT_EQ(share(t, DayNutrient::Energy).colour, DayColour::Red);       // 115 %
    EXPECT_EQ(share(t, DayNutrient::Fat).colour, DayColour::Red);          // 80 g of 70 g
    EXPECT_EQ(dayColour(DayNutrient::Sugar, 90.0), DayColour::Green);
    EXPECT_EQ(dayColour(DayNutrient::Sugar, 95.0), DayColour::Yellow);
    EXPECT_EQ(dayColour(DayNutrient::Fibre, 100.0), DayColour::Green);
    const DayTotals empty = dayTotals({}, 0);
    EXPECT_DOUBLE_EQ(empty.kcalLeft, 2000.0);
}

TEST(DiaryDate, StepsOverMonthsYearsAndLeapDays) {
    const auto d = DiaryDate::parse("2024-02-28");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->plusDays(1).text(), "2024-02-29");
    EXPECT_EQ(d->plusDays(2).text(), "2024-03-01");
    EXPECT_EQ(DiaryDate::parse("2026-12-31")->plusDays(1).text(), "2027-01-01");
    EXPECT_EQ(DiaryDate::parse("2027-01-01")->plusDays(-1).text(), "2026-12-31");
    EXPECT_EQ(DiaryDate::parse("2026-12-08")->weekday(), 1); // a Tuesday
    EXPECT_EQ(DiaryDate::parse("2026-12-08")->weekStart().text(), "2026-12-07");
    EXPECT_EQ(DiaryDate::parse("2024-02-10")->daysInMonth(), 29);
    EXPECT_FALSE(DiaryDate::parse("2026-02-29"));
    EXPECT_FALSE(DiaryDate::parse("2026-1-01"));
    EXPECT_FALSE(DiaryDate::parse("2026-13-01"));
}

} // namespace
} // namespace tolvane
