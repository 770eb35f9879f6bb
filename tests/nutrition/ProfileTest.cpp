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
    ASSERT_EQ((std::vector{ages.size(), heights.size(), usHeights.size(), weights.size(),
                           usWeights.size()}),
              (std::vector<std::size_t>{99, 121, 53, 121, 121}));
    EXPECT_EQ((std::vector{ages.front(), ages.back(), heights.back(), usHeights.front(),
                           usHeights[12], usHeights.back(), weights[50], usWeights[50],
                           usWeights.front(), usWeights.back()}),
              (std::vector<std::string>{"1", "99", "220", "3'0''", "4'0''", "7'4''", "80", "176",
                                        "66", "331"}));
    // Rows beyond the lists are clamped; the figures are checked through the profile screen.
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
    const std::pair<int, const char*> feet[] = {
        {100, "3.3"}, {175, "5.9"}, {220, "7.3"}, {300, "7.4"}, {50, "3.0"}};
    for (const auto& [cm, stored] : feet)
        EXPECT_EQ(usHeightFromCm(cm), stored) << cm;
}

TEST(ProfileUs, HeightsAndTheIdealWeightInPounds) {
    const auto six = usBody(rowOf(usHeightList(), "6'0''"), 50);
    EXPECT_EQ(six.stringusheight, "6.0");
    EXPECT_EQ(six.height, 182);
    EXPECT_EQ(idealWeightInPounds("71.3"), "157.2");
    // A height stored as "5.12" by an older picker reads as stored.
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
