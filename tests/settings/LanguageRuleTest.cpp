#include "screens/settings/LanguageRule.h"
#include "platform/Platform.h"
#include "screens/settings/Localization.h"

#include <gtest/gtest.h>

using namespace tolvane;

TEST(LanguageRule, FallbackListIsTwentyCodesEnglishFirst) {
    const auto& list = fallbackLanguages();
    ASSERT_EQ(list.size(), 20u);
    EXPECT_EQ(list.front(), "en");
    EXPECT_EQ(list[8], "pt-PT");
    EXPECT_EQ(list.back(), "uk");
}

TEST(LanguageRule, DeviceLocaleNamesReduceToTwoLetterCodes) {
    EXPECT_EQ(reduceToLanguageCodes({"C", "de-CH", "de", "en_US", "FR", "", "zh-Hans-CN"}),
              (DefaultsList{"de", "en", "fr", "zh"}));
}

TEST(LanguageRule, DecisionTable) {
    const struct {
        const char* localization;
        DefaultsList stored, device;
        const char* language;
        bool storeFallback;
    } cases[] = {
        {"", {}, {"ru", "en"}, "ru", false},   // a device language with a table
        {"YES", {}, {"ja", "de"}, "en", true}, // only the first preferred entry counts
        {"NO", {"it"}, {"de"}, "en", true},    // "NO" forces English
        {"YES", {"it"}, {"ja"}, "it", false},  // the stored list wins over the device
        {"", {}, {}, "en", true},              // no preferred language at all
    };
    for (const auto& c : cases) {
        const auto decision = decideLanguage(c.localization, c.stored, c.device);
        EXPECT_EQ(decision.language, c.language) << c.language;
        EXPECT_EQ(decision.storeFallback, c.storeFallback) << c.language;
    }
}

TEST(LanguageRule, DeviceLanguagesTillAChoiceIsStoredAndAfterIt) {
    FakePlatform fake;
    auto& defaults = fake.defaults;
    applyEntryStep(defaults, {"ja"}); // English and the fallback list: the shell test's first start
    // Device changed to German: the stored list still starts with English.
    EXPECT_EQ(applyEntryStep(defaults, {"de"}), "en");
    EXPECT_EQ(preferredLanguages(defaults, {"de"}).front(), "en");

    LanguageChoice shell;
    Localization screen(fake.platform(), shell);
    screen.select(0); // "Auto"
    EXPECT_FALSE(defaults.hasValue("AppleLanguages"));
    EXPECT_EQ(applyEntryStep(defaults, {"de"}), "de");

    // A Russian device stores nothing; an Italian choice outlives a Japanese device.
    EXPECT_EQ(applyEntryStep(defaults, {"ru"}), "ru");
    EXPECT_FALSE(defaults.hasValue("AppleLanguages"));
    screen.select(5);
    EXPECT_EQ(applyEntryStep(defaults, {"ja"}), "it");
}

TEST(LocalizationScreen, EnglishThenAutoMovesCheckMarkAndStoredListAndEveryRowItsCode) {
    FakePlatform fake;
    LanguageChoice shell;
    Localization screen(fake.platform(), shell);
    int notified = 0;
    screen.onChanged = [&] { ++notified; };
    // Nothing stored yet: "Auto" carries the mark.
    EXPECT_TRUE(screen.isChecked(0));

    screen.select(2); // the settings road sees what English stores and where the mark goes
    EXPECT_EQ(shell.languageUsed, "English");

    screen.select(0);
    EXPECT_FALSE(fake.defaults.hasValue("AppleLanguages"));
    EXPECT_EQ(fake.defaults.integerForKey("languageRow"), 0);
    EXPECT_EQ(fake.defaults.stringForKey("languageUsed"), "Auto");
    for (int row = 0; row < 7; ++row)
        EXPECT_EQ(screen.isChecked(row), row == 0) << row;
    EXPECT_EQ(fake.defaults.synchronizeCount(), 2);
    EXPECT_EQ(notified, 2);

    // Rows map to codes; out of range is ignored.
    const char* codes[] = {"de", "en", "es", "fr", "it", "ru"};
    for (int row = 1; row <= 6; ++row) {
        screen.select(row);
        EXPECT_EQ(fake.defaults.listForKey("AppleLanguages"), (DefaultsList{codes[row - 1]}));
    }
    screen.select(7);
    screen.select(-1);
    EXPECT_EQ(shell.languageRow, 6);
    EXPECT_FALSE(screen.isChecked(7));
}
