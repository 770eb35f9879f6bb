#include "app/platform/FileAnalytics.h"
#include "app/platform/RatingPrompt.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace tolvane;

namespace {

RatingPrompt makePrompt(FakePlatform& fake, bool debug = false) {
    RatingPrompt prompt(fake.defaults, fake.alerts, fake.urls, "https://rate.example/{id}");
    prompt.configure("42", debug, "Rate MyApp", "If you like MyApp, please take the time, etc",
                     "No, Thanks", "Rate It Now");
    return prompt;
}

std::string day(int n) {
    return "2026-01-" + std::string(n < 10 ? "0" : "") + std::to_string(n);
}

} // namespace

TEST(RatingPromptTest, AsksOnTheTenthDistinctDayAndDeclineIsForever) {
    FakePlatform fake;
    for (int d = 1; d <= 9; ++d) {
        auto prompt = makePrompt(fake);
        prompt.applicationLaunched(day(d));
        prompt.applicationLaunched(day(d)); // a second start on the same day counts once
    }
    EXPECT_EQ(fake.alerts.shown().size(), 0u);
    EXPECT_EQ(fake.defaults.integerForKey("RatingPromptDays"), 9);

    auto prompt = makePrompt(fake);
    prompt.applicationLaunched(day(10));
    ASSERT_TRUE(fake.alerts.hasPending());
    EXPECT_EQ(fake.alerts.firstPending().buttons,
              (std::vector<std::string>{"No, Thanks", "Rate It Now"}));
    fake.alerts.answer(0);
    for (int d = 11; d <= 20; ++d)
        makePrompt(fake).applicationLaunched(day(d));
    EXPECT_EQ(fake.alerts.shown().size(), 1u);
    EXPECT_TRUE(fake.urls.opened.empty());
}

TEST(RatingPromptTest, RateNowOpensAddressOnce) {
    FakePlatform fake;
    auto prompt = makePrompt(fake, true);
    prompt.applicationLaunched(day(1));
    ASSERT_TRUE(fake.alerts.answer(1));
    EXPECT_EQ(fake.urls.opened, (std::vector<std::string>{"https://rate.example/42"}));
    makePrompt(fake, true).applicationLaunched(day(2));
    EXPECT_EQ(fake.alerts.shown().size(), 1u);
}

TEST(FileAnalyticsTest, AppendsOneEscapedJsonLinePerCall) {
    auto path = std::filesystem::temp_directory_path() /
                ("tolvane-analytics-" + std::to_string(::getpid()) + ".jsonl");
    std::filesystem::remove(path);
    {
        FileAnalytics analytics(path.string(), [] { return std::string("T"); });
        analytics.startSession("KEY");
        // A control character is escaped, a byte that is not UTF-8 replaced.
        analytics.logEvent("Device", {{"Device Type", "x86 \"PC\"\x01\xE9"}, {"Locale", "de_CH"}});
        analytics.logEvent("Open Mail Window");
    }
    std::ifstream in(path);
    std::string a, b, c, extra;
    std::getline(in, a);
    std::getline(in, b);
    std::getline(in, c);
    EXPECT_FALSE(std::getline(in, extra));
    EXPECT_EQ(a, R"({"time":"T","session":"KEY"})");
    EXPECT_EQ(b, R"({"time":"T","event":"Device","parameters":{"Device Type":"x86 \"PC\"\u0001)"
                 "\xEF\xBF\xBD"
                 R"(","Locale":"de_CH"}})");
    EXPECT_EQ(c, R"({"time":"T","event":"Open Mail Window"})");
    std::filesystem::remove(path);
}
