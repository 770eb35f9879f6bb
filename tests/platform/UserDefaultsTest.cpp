#include "platform/UserDefaults.h"

#include <gtest/gtest.h>

using namespace tolvane;

TEST(UserDefaults, RegisteredDefaultsApplyOnlyWhileNothingIsStoredAbsentKeysReadEmpty) {
    MemoryUserDefaults d;
    d.registerDefaults({{"isfirstLaunchSearch", true}, {"languageRow", 3}});
    EXPECT_TRUE(d.boolForKey("isfirstLaunchSearch"));
    EXPECT_EQ(d.integerForKey("languageRow"), 3);

    d.setBool("isfirstLaunchSearch", false);
    d.registerDefaults({{"isfirstLaunchSearch", true}});
    EXPECT_FALSE(d.boolForKey("isfirstLaunchSearch"));

    d.remove("isfirstLaunchSearch");
    EXPECT_TRUE(d.boolForKey("isfirstLaunchSearch")) << "removal uncovers the registered default";

    // Absent keys read as empty values.
    EXPECT_FALSE(d.boolForKey("copiedNewDatabase"));
    EXPECT_EQ(d.integerForKey("SetUpRow"), 0);
    EXPECT_EQ(d.stringForKey("Localization"), "");
    EXPECT_TRUE(d.listForKey("AppleLanguages").empty());
    EXPECT_FALSE(d.hasValue("Localization"));
}

TEST(UserDefaults, ConvertsBetweenScalarTypesWhereMeaningful) {
    MemoryUserDefaults d;
    d.setString("flag", "YES");
    EXPECT_TRUE(d.boolForKey("flag"));
    d.setString("flag", "NO");
    EXPECT_FALSE(d.boolForKey("flag"));
    d.setString("number", " 42abc");
    EXPECT_EQ(d.integerForKey("number"), 42);
    d.setInteger("number", -1);
    EXPECT_EQ(d.stringForKey("number"), "-1");
    d.setList("AppleLanguages", {"it"});
    EXPECT_EQ(d.listForKey("AppleLanguages"), DefaultsList{"it"});
    EXPECT_EQ(d.stringForKey("AppleLanguages"), "");
}
