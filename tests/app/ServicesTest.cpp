#include "app/platform/FileAnalytics.h"
#include "app/platform/RatingPrompt.h"
#include "platform/LockFile.h"
#include "platform/Platform.h"
#include "tests/support/TempDir.h"
#include "tests/support/Unprivileged.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

using namespace tolvane;
using tolvane::test::runUnprivileged;
using tolvane::test::TempDir;

namespace {

RatingPrompt makePrompt(FakePlatform& fake, bool debug = false) {
    RatingPrompt prompt(fake.defaults, fake.alerts, fake.urls, "https://rate.example/{id}");
    prompt.configure("42", debug, "Rate MyApp", "If you like MyApp, please take the time, etc",
                     "No, Thanks", "Rate It Now");
    return prompt;
}

using Claim = LockFile::Claim;

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void leave(const std::string& path, const std::string& bytes, mode_t mode = 0644) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    ::chmod(path.c_str(), mode);
}

// The claim of a fresh LockFile on path in a process of another user, as its exit code.
int claimedByAnotherUser(const std::string& path) {
    return runUnprivileged([&path] { return static_cast<int>(LockFile(path).claim()); });
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

TEST(LockFileTest, OnlyARunningHolderKeepsItAndWhateverIsLeftIsTakenOver) {
    TempDir dir;
    const std::string path = dir.file("Tolvane.lock");
    const std::string owner = std::to_string(::getpid()) + "\n";
    {
        LockFile first(path);
        ASSERT_EQ(first.claim(), Claim::Taken);
        EXPECT_EQ(fileText(path).rfind(owner, 0), 0u);
        LockFile second(path);
        EXPECT_EQ(second.claim(), Claim::Held);
        EXPECT_EQ(first.claim(), Claim::Taken);
    }
    EXPECT_FALSE(std::filesystem::exists(path)); // given back

    // A power cut's empty file, other bytes, a number whose process runs another program.
    for (const std::string& left :
         {std::string(), std::string("\0\xff\n\n", 4), owner + "tolvane\n" + "elsewhere\n"}) {
        leave(path, left);
        LockFile lock(path);
        EXPECT_EQ(lock.claim(), Claim::Taken);
        EXPECT_EQ(fileText(path).rfind(owner, 0), 0u);
    }
    // A folder that is gone takes no lock and holds nothing either.
    EXPECT_EQ(LockFile(dir.file("gone/Tolvane.lock")).claim(), Claim::Unavailable);
}

TEST(LockFileTest, AnotherUsersFileIsTakenOverUnlessItsHolderRunsOrItCannotBeRemoved) {
    if (::geteuid() != 0) GTEST_SKIP() << "another user's file needs root to be made";
    TempDir dir;
    const std::string path = dir.file("Tolvane.lock");
    ASSERT_EQ(::chown(dir.path().c_str(), 65534, 65534), 0);

    // Left by root's copy, readable or not: taken over by the folder's owner.
    for (mode_t mode : {0644, 0600, 0000}) {
        leave(path, "1\ntolvane\n\n", mode);
        EXPECT_EQ(claimedByAnotherUser(path), int(Claim::Taken)) << mode;
        EXPECT_FALSE(std::filesystem::exists(path)) << mode;
    }
    {
        LockFile running(path);
        ASSERT_EQ(running.claim(), Claim::Taken);
        EXPECT_EQ(claimedByAnotherUser(path), int(Claim::Held));
    }

    // Where others' files cannot be removed (a sticky folder), the file is named.
    ASSERT_EQ(::chown(dir.path().c_str(), 0, 0), 0);
    ASSERT_EQ(::chmod(dir.path().c_str(), 01777), 0);
    leave(path, "", 0644);
    EXPECT_EQ(claimedByAnotherUser(path), int(Claim::CannotTake));
    EXPECT_TRUE(std::filesystem::exists(path));

    // A folder the user cannot write: nothing can be saved there, so nothing is refused.
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    EXPECT_EQ(claimedByAnotherUser(path), int(Claim::Unavailable));
    ASSERT_TRUE(std::filesystem::remove(path));
    EXPECT_EQ(claimedByAnotherUser(path), int(Claim::Unavailable));
}
