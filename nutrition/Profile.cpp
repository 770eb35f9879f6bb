#include "nutrition/Profile.h"

#include "nutrition/NumberText.h"
#include "nutrition/PossessivePattern.h"
#include "text/SplitFields.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tolvane {
namespace {

constexpr int kMinAge = 1, kMaxAge = 99;
constexpr int kMinHeightCm = 100, kMaxHeightCm = 220;
constexpr int kMinWeightKg = 30, kMaxWeightKg = 150;
constexpr int kMinUsInches = 3 * 12, kMaxUsInches = 7 * 12 + 4;
constexpr double kKgPerPound = 0.45359;
constexpr double kCmPerInch = 2.54;
constexpr std::array<float, kActivityLevelCount> kActivityFactors = {1.2f, 1.375f, 1.55f, 1.725f,
                                                                     1.9f};

std::vector<std::string> numberRange(int from, int to) {
    std::vector<std::string> list;
    for (int i = from; i <= to; ++i)
        list.push_back(formatInt(i));
    return list;
}

template <typename List> const std::string& clampedEntry(const List& list, int row) {
    return list[static_cast<std::size_t>(std::clamp(row, 0, static_cast<int>(list.size()) - 1))];
}

std::string oneDecimal(float value) {
    return formatFixed(value, 1);
}

// Ideal weight: the weight at a body-mass index of 22.
float idealWeight(float heightCm) {
    return 22.0f * (heightCm * heightCm) / 10000.0f;
}

} // namespace

std::vector<std::string> ageList() {
    return numberRange(kMinAge, kMaxAge);
}
std::vector<std::string> heightList() {
    return numberRange(kMinHeightCm, kMaxHeightCm);
}
std::vector<std::string> weightList() {
    return numberRange(kMinWeightKg, kMaxWeightKg);
}

std::vector<std::string> usHeightList() {
    std::vector<std::string> list;
    for (int feet = 3; feet <= 7; ++feet) {
        const int lastInch = feet == 7 ? 4 : 11;
        for (int inches = 0; inches <= lastInch; ++inches)
            list.push_back(formatInt(feet) + "'" + formatInt(inches) + "''");
    }
    return list;
}

std::vector<std::string> usWeightList() {
    std::vector<std::string> list;
    for (int kg = kMinWeightKg; kg <= kMaxWeightKg; ++kg)
        list.push_back(formatWhole(static_cast<float>(kg / kKgPerPound)));
    return list;
}

BodyData metricBody(int heightRow, int weightRow) {
    static const auto heights = heightList();
    static const auto weights = weightList();
    static const auto usWeights = usWeightList();
    BodyData body;
    body.stringHeight = clampedEntry(heights, heightRow);
    body.stringWeight = clampedEntry(weights, weightRow);
    body.height = integerValue(body.stringHeight);
    body.weight = integerValue(body.stringWeight);
    body.stringusweight = clampedEntry(usWeights, weightRow);
    const float bmi =
        static_cast<float>(body.weight) / static_cast<float>(body.height * body.height) * 10000.0f;
    body.bmiValue = oneDecimal(bmi);
    body.idealWeightValue =
        oneDecimal(static_cast<float>(body.height * body.height) * 22.0f / 10000.0f);
    body.stringusheight = usHeightFromCm(body.height);
    return body;
}

BodyData usBody(int usHeightRow, int weightRow) {
    static const auto usHeights = usHeightList();
    static const auto weights = weightList();
    static const auto usWeights = usWeightList();
    BodyData body;
    const std::string& entry = clampedEntry(usHeights, usHeightRow);
    body.stringusheight = usHeightStored(entry);
    body.stringusweight = clampedEntry(usWeights, weightRow);
    const auto parts = splitFields(entry, '\'');
    const int feet = integerValue(parts[0]);
    const int inches = parts.size() > 1 ? integerValue(parts[1]) : 0;
    const int totalInches = feet * 12 + inches;
    const int pounds = integerValue(body.stringusweight);
    body.bmiValue = oneDecimal(static_cast<float>(pounds * 703) /
                               static_cast<float>(totalInches * totalInches));
    const auto heightCm = static_cast<float>(totalInches * kCmPerInch);
    body.height = static_cast<int>(heightCm);
    body.stringHeight = formatInt(body.height);
    body.idealWeightValue = oneDecimal(idealWeight(heightCm));
    // The energy formula works in kilograms whatever the units shown.
    body.stringWeight = clampedEntry(weights, weightRow);
    body.weight = integerValue(body.stringWeight);
    return body;
}

std::string usHeightFromCm(int heightCm) {
    const auto inches = static_cast<int>(std::lround(heightCm / kCmPerInch));
    const int total = std::clamp(inches, kMinUsInches, kMaxUsInches);
    return formatInt(total / 12) + "." + formatInt(total % 12);
}

std::string idealWeightInPounds(std::string_view kilograms) {
    return oneDecimal(static_cast<float>(leadingFloat(kilograms) / kKgPerPound));
}

std::string usHeightStored(std::string_view displayed) {
    if (displayed.find('\'') == std::string_view::npos) return std::string(displayed);
    const auto parts = splitFields(displayed, '\'');
    return parts[0] + "." + (parts.size() > 1 ? parts[1] : std::string());
}

std::string usHeightDisplayed(std::string_view stored) {
    const auto parts = splitFields(stored, '.');
    return parts[0] + "'" + (parts.size() > 1 ? parts[1] : std::string()) + "''";
}

std::optional<float> dailyEnergyNeed(std::string_view gender, int age, int heightCm, int weightKg,
                                     int activityLevel) {
    if (activityLevel < 0 || activityLevel >= kActivityLevelCount) return std::nullopt;
    const double genderTerm = gender == "M" ? 5.0 : -161.0;
    const double base = static_cast<double>(10 * weightKg) + heightCm * 6.25 -
                        static_cast<double>(5 * age) + genderTerm;
    return static_cast<float>(base * static_cast<double>(kActivityFactors[activityLevel]));
}

std::string dailyCaloriesText(float calories) {
    return formatWhole(calories);
}

TypedCalories readTypedDailyCalories(std::string_view typed) {
    if (typed.empty()) return TypedCalories{TypedCaloriesOutcome::Empty, {}};
    const std::string text = withDecimalPart(typed);
    if (text.find('-') != std::string::npos || !matchesDailyCaloriesPattern(text))
        return TypedCalories{TypedCaloriesOutcome::Rejected, {}};
    return TypedCalories{TypedCaloriesOutcome::Accepted, formatWhole(leadingFloat(text))};
}

} // namespace tolvane
