#include "nutrition/NumberText.h"
#include "text/SplitFields.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace tolvane {
namespace {

TEST(LeadingNumber, ReadsTheLongestNumberAtTheStart) {
    const struct {
        const char* text;
        float expected;
    } cases[] = {
        {"1,5 g", 1.5f},  {"  -2.5e1x", -25.0f},
        {"+3", 3.0f},     {".5", 0.5f},
        {",5", 0.5f},     {"5.", 5.0f},
        {"1e", 1.0f},     {"1e+", 1.0f},
        {"2E-1kg", 0.2f}, {"12,5,3", 12.5f},
        {"0,3", 0.3f},    {"\t7\n", 7.0f},
        {"abc", 0.0f},    {"", 0.0f},
        {"-", 0.0f},      {"k.A.", 0.0f},
        {".", 0.0f},      {"+.e1", 0.0f},
        {"inf", 0.0f},    {"nan", 0.0f},
        {"0x1A", 0.0f},   {"1e-60", 0.0f},
        {"150g", 150.0f}, {"1.5.3", 1.5f},
        {"2.5E", 2.5f},
    };
    for (const auto& c : cases)
        EXPECT_EQ(leadingFloat(c.text), c.expected) << c.text;
    EXPECT_TRUE(std::isinf(leadingFloat("1e60")));
    EXPECT_TRUE(std::isinf(leadingFloat("-1e60")) && leadingFloat("-1e60") < 0);
    EXPECT_EQ(leadingDouble("0,3"), 0.3);
    // Full-width forms ("１２", "－１，５ｅ１", "１2") read as their ASCII characters.
    const std::pair<const char*, float> fullWidth[] = {
        {"\uFF11\uFF12", 12.0f}, {"\uFF0D\uFF11\uFF0C\uFF15\uFF45\uFF11", -15.0f},
        {"\uFF112", 12.0f},      {"1\uFF12g", 12.0f},
        {"1\uFF0E5", 1.5f},      {"\uFF41", 0.0f}};
    for (const auto& [text, expected] : fullWidth)
        EXPECT_EQ(leadingFloat(text), expected) << text;
}

TEST(LeadingNumber, ReportsHowMuchOfTheTextItTook) {
    const std::pair<const char*, std::size_t> lengths[] = {
        {"150g", 3}, {" 1.5e3x", 6}, {"1e", 1}, {"g", 0}, {"  ", 0}, {"\uFF11\uFF12g", 6}};
    for (const auto& [text, length] : lengths)
        EXPECT_EQ(leadingNumberLength(text), length) << text;
}

TEST(IntegerValue, TakesTheLeadingIntegerAndDropsTheFraction) {
    const std::pair<const char*, int> values[] = {
        {"12.9", 12}, {"  -35 kcal", -35}, {"-7,5", -7}, {"+3", 3},
        {"", 0},      {"abc", 0},          {"-", 0},     {".9", 0}};
    for (const auto& [text, value] : values)
        EXPECT_EQ(integerValue(text), value) << text;
    EXPECT_EQ(integerValue("99999999999999999999"), INT_MAX);
    EXPECT_EQ(integerValue("-99999999999999999999"), INT_MIN);

    EXPECT_EQ(integerValue64("99999999999kcal"), 99999999999LL);
    EXPECT_EQ(integerValue64(" -12.9"), -12);
    EXPECT_EQ(integerValue64("9223372036854775807"), LLONG_MAX);
    EXPECT_EQ(integerValue64("9223372036854775808"), LLONG_MAX);
    EXPECT_EQ(integerValue64("-9223372036854775808"), LLONG_MIN);
    EXPECT_EQ(integerValue64("-99999999999999999999999"), LLONG_MIN);
    EXPECT_EQ(integerValue64("x1"), 0);
}

TEST(Truncated, CutsTowardsZeroAndNeverOverflows) {
    for (const float zero : {0.0f, -0.0f, 0.99f, -0.99f, NAN, INFINITY, -INFINITY})
        EXPECT_EQ(truncated(zero), 0) << zero;
    EXPECT_EQ(truncated(2.0f), 2);
    EXPECT_EQ(truncated(2.99f), 2);
    EXPECT_EQ(truncated(-2.99f), -2);
    EXPECT_EQ(truncated(31.25f), 31);
    EXPECT_EQ(truncated(99.999f), 99);
    EXPECT_EQ(truncated(191.9999f), 191);
    EXPECT_EQ(truncated(192.0f), 192);
    EXPECT_EQ(truncated(1.0e9f), 1000000000);
    EXPECT_EQ(truncated(3.0e9f), 2000000000);
    EXPECT_EQ(truncated(-3.0e9f), -2000000000);
}

TEST(FixedFormat, RoundsExactHalvesToEven) {
    EXPECT_EQ(formatWhole(12.5), "12");
    EXPECT_EQ(formatWhole(13.5), "14");
    EXPECT_EQ(formatWhole(1850.5f), "1850");
    EXPECT_EQ(formatOneDecimal(0.25), "0.2");
    EXPECT_EQ(formatOneDecimal(0.35), "0.3"); // 0.35 is stored just below
    EXPECT_EQ(formatOneDecimal(2.55f), "2.5");
    EXPECT_EQ(formatFixed(1.016, 2), "1.02");
    EXPECT_EQ(formatOneDecimal(0.0), "0.0");
    EXPECT_EQ(formatOneDecimal(-3.25), "-3.2");
    EXPECT_EQ(formatWhole(1e20), "100000000000000000000");
    EXPECT_EQ(formatInt(-42), "-42");
}

TEST(SplitFields, KeepsEmptyFields) {
    EXPECT_EQ(splitFields("5..9", '.'), (std::vector<std::string>{"5", "", "9"}));
    EXPECT_EQ(splitFields("", '.'), (std::vector<std::string>{""}));
    EXPECT_EQ(splitFields("5'9''", '\''), (std::vector<std::string>{"5", "9", "", ""}));
}

} // namespace
} // namespace tolvane
