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
    // Device languages with a table are used as they are, nothing stored.
    auto ru = decideLanguage("", {}, {"ru", "en"});
    EXPECT_FALSE(ru.storeFallback);
    EXPECT_EQ(ru.language, "ru");
    // Only the first preferred entry counts: Japanese first means English.
    auto ja = decideLanguage("YES", {}, {"ja", "de"});
    EXPECT_TRUE(ja.storeFallback);
    EXPECT_EQ(ja.language, "en");
    // "NO" forces English whatever the device and the stored list say.
    auto forced = decideLanguage("NO", {"it"}, {"de"});
    EXPECT_TRUE(forced.storeFallback);
    EXPECT_EQ(forced.language, "en");
    // The stored list wins over the device.
    auto stored = decideLanguage("YES", {"it"}, {"ja"});
    EXPECT_FALSE(stored.storeFallback);
    EXPECT_EQ(stored.language, "it");
    // No preferred language at all: English.
    EXPECT_EQ(decideLanguage("", {}, {}).language, "en");
}

TEST(LanguageRule, JapaneseDeviceStaysEnglishUntilAutoIsChosen) {
    FakePlatform fake;
    auto& defaults = fake.defaults;
    EXPECT_EQ(applyEntryStep(defaults, {"ja"}), "en");
    EXPECT_EQ(defaults.listForKey("AppleLanguages"), fallbackLanguages());
    // Device changed to German: the stored list still starts with English.
    EXPECT_EQ(applyEntryStep(defaults, {"de"}), "en");
    EXPECT_EQ(preferredLanguages(defaults, {"de"}).front(), "en");

    LanguageChoice shell;
    Localization screen(fake.platform(), shell);
    screen.select(0); // "Auto"
    EXPECT_FALSE(defaults.hasValue("AppleLanguages"));
    EXPECT_EQ(applyEntryStep(defaults, {"de"}), "de");
}

TEST(LanguageRule, RussianDeviceStoresNothing) {
    FakePlatform fake;
    EXPECT_EQ(applyEntryStep(fake.defaults, {"ru"}), "ru");
    EXPECT_FALSE(fake.defaults.hasValue("AppleLanguages"));
}

TEST(LanguageRule, ItalianChoiceSurvivesJapaneseDevice) {
    FakePlatform fake;
    LanguageChoice shell;
    Localization screen(fake.platform(), shell);
    screen.select(5);
    EXPECT_EQ(applyEntryStep(fake.defaults, {"ja"}), "it");
}

TEST(LocalizationScreen, EnglishThenAutoMovesCheckMarkAndStoredList) {
    FakePlatform fake;
    LanguageChoice shell;
    Localization screen(fake.platform(), shell);
    int notified = 0;
    screen.onChanged = [&] { ++notified; };
    // Nothing stored yet: "Auto" carries the mark.
    EXPECT_TRUE(screen.isChecked(0));

    screen.select(2);
    EXPECT_EQ(fake.defaults.listForKey("AppleLanguages"), (DefaultsList{"en"}));
    EXPECT_EQ(shell.languageRow, 2);
    EXPECT_EQ(shell.languageUsed, "English");
    EXPECT_TRUE(screen.isChecked(2));
    EXPECT_FALSE(screen.isChecked(0));

    screen.select(0);
    EXPECT_FALSE(fake.defaults.hasValue("AppleLanguages"));
    EXPECT_EQ(fake.defaults.integerForKey("languageRow"), 0);
    EXPECT_EQ(fake.defaults.stringForKey("languageUsed"), "Auto");
    for (int row = 0; row < 7; ++row)
        EXPECT_EQ(screen.isChecked(row), row == 0) << row;
    EXPECT_EQ(fake.defaults.synchronizeCount(), 2);
    EXPECT_EQ(notified, 2);
}

TEST(LocalizationScreen, RowsMapToCodesAndOutOfRangeIsIgnored) {
    FakePlatform fake;
    LanguageChoice shell;
    Localization screen(fake.platform(), shell);
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
