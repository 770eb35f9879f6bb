#include "nutrition/Profile.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tolvane {
namespace {

int rowOf(const std::vector<std::string>& list, const std::string& entry) {
    const auto it = std::find(list.begin(), list.end(), entry);
    EXPECT_NE(it, list.end()) << entry;
    return static_cast<int>(it - list.begin());
}

TEST(ProfileLists, RangesAndParallelPounds) {
    const auto ages = ageList(), heights = heightList(), weights = weightList();
    const auto usHeights = usHeightList(), usWeights = usWeightList();
    EXPECT_EQ(ages.size(), 99u);
    EXPECT_EQ(ages.front(), "1");
    EXPECT_EQ(ages.back(), "99");
    EXPECT_EQ(heights.size(), 121u);
    EXPECT_EQ(heights.back(), "220");
    EXPECT_EQ(usHeights.size(), 57u);
    EXPECT_EQ(usHeights.front(), "3'0''");
    EXPECT_EQ(usHeights[12], "3'12''");
    EXPECT_EQ(usHeights.back(), "7'4''");
    ASSERT_EQ(weights.size(), 121u);
    ASSERT_EQ(usWeights.size(), weights.size());
    EXPECT_EQ(weights[50], "80");
    EXPECT_EQ(usWeights[50], "176");
    EXPECT_EQ(usWeights.front(), "66");
    EXPECT_EQ(usWeights.back(), "331");
}

// The figures themselves are checked through the profile screen, which stores them.
TEST(ProfileMetric, RowsBeyondTheListsAreClamped) {
    EXPECT_EQ(metricBody(500, -3).stringHeight, "220");
    EXPECT_EQ(metricBody(500, -3).stringWeight, "30");
}

TEST(ProfileMetric, UsHeightAlwaysFindsItsPickerRow) {
    const auto usHeights = usHeightList();
    for (const auto& cm : heightList()) {
        const auto stored = usHeightFromCm(std::stoi(cm));
        EXPECT_NE(std::find(usHeights.begin(), usHeights.end(), usHeightDisplayed(stored)),
                  usHeights.end())
            << cm << " -> " << stored;
    }
    EXPECT_EQ(usHeightFromCm(100), "3.3");
    EXPECT_EQ(usHeightFromCm(175), "5.9");
    EXPECT_EQ(usHeightFromCm(220), "7.3");
    EXPECT_EQ(usHeightFromCm(300), "7.4");
    EXPECT_EQ(usHeightFromCm(50), "3.0");
}

TEST(ProfileUs, TwelveInchesCountAsTheNextFoot) {
    const auto twelve = usBody(rowOf(usHeightList(), "5'12''"), 50);
    const auto six = usBody(rowOf(usHeightList(), "6'0''"), 50);
    EXPECT_EQ(twelve.stringusheight, "5.12");
    EXPECT_EQ(twelve.bmiValue, six.bmiValue);
    EXPECT_EQ(twelve.height, six.height);
    EXPECT_EQ(usHeightStored("5'12''"), "5.12");
    EXPECT_EQ(usHeightDisplayed("5.12"), "5'12''");
    EXPECT_EQ(usHeightStored("5.9"), "5.9");
}

TEST(DailyEnergyNeed, MifflinStJeorWithActivityFactor) {
    EXPECT_EQ(dailyCaloriesText(*dailyEnergyNeed("M", 30, 180, 80, 2)), "2759");
    EXPECT_EQ(dailyCaloriesText(*dailyEnergyNeed("F", 40, 165, 60, 0)), "1524");
    EXPECT_NEAR(*dailyEnergyNeed("F", 40, 165, 60, 0), 1524.3f, 1e-3f);
    EXPECT_EQ(dailyEnergyNeed("", 40, 165, 60, 0), dailyEnergyNeed("F", 40, 165, 60, 0));
    EXPECT_NEAR(*dailyEnergyNeed("M", 30, 180, 80, 4), 1780 * 1.9, 1e-2);
    EXPECT_FALSE(dailyEnergyNeed("M", 30, 180, 80, -1).has_value());
    EXPECT_FALSE(dailyEnergyNeed("M", 30, 180, 80, 5).has_value());
}

TEST(TypedDailyCalories, AcceptsUpToFourDigitsStartingNonZero) {
    const auto accepted = [](const char* typed) {
        const auto result = readTypedDailyCalories(typed);
        EXPECT_EQ(result.outcome, TypedCaloriesOutcome::Accepted) << typed;
        return result.dailyCalories;
    };
    EXPECT_EQ(accepted("2000"), "2000");
    EXPECT_EQ(accepted("1850,5"), "1850"); // half to even
    EXPECT_EQ(accepted("1851.5"), "1852");
    EXPECT_EQ(accepted("9999.999"), "10000");
    EXPECT_EQ(accepted("5."), "5");
    for (const char* typed : {"12345", "0", "0815", "-100", "1.2345", "1,5,5", " 2000", "2000kcal"})
        EXPECT_EQ(readTypedDailyCalories(typed).outcome, TypedCaloriesOutcome::Rejected) << typed;
    EXPECT_EQ(readTypedDailyCalories("").outcome, TypedCaloriesOutcome::Empty);
}

} // namespace
} // namespace tolvane
