#include "StoreFixture.h"
#include "store/SettingsStore.h"

namespace tolvane::test {

class SettingsTest : public StoreTest {};

TEST_F(SettingsTest, SettingsRowAndProfileSeedUpdatesAndApostrophes) {
    EXPECT_EQ(SettingsStore(*db).selectSettings(), (SettingsRow{"YES", "YES", "YES"}));
    SettingsStore(*db).updateSettings("NO", "YES", "NO");
    EXPECT_EQ(SettingsStore(*db).selectSettings(), (SettingsRow{"NO", "YES", "NO"}));
    execSql(path, "DELETE FROM Settings");
    EXPECT_FALSE(SettingsStore(*db).selectSettings());

    // Before the table exists (the profile screen reads that as the seed values).
    EXPECT_EQ(SettingsStore(*db).selectCaloryValueFromPersonalProfileTable(), "");
    seedAppTables();
    EXPECT_EQ(SettingsStore(*db).selectPersonalProfileData(), ProfileRow::seed());
    EXPECT_EQ(SettingsStore(*db).selectCaloryValueFromPersonalProfileTable(), "2000");

    for (int i = 0; i < 3; ++i)
        SettingsStore(*db).updatePersonalSettings("M", "4'0", "180", "80", "24.7", "72", "3",
                                                  "2600", "5.9", "176", "us");
    EXPECT_EQ(SettingsStore(*db).selectPersonalProfileData(),
              (ProfileRow{"M", "4'0", "180", "80", "24.7", "72", "3", "2600", "5.9", "176", "us"}));
    EXPECT_EQ(sqlInt(path, "SELECT count(*) FROM Personal_Profile"), 1);
    EXPECT_EQ(SettingsStore(*db).selectCaloryValueFromPersonalProfileTable(), "2600");
}

} // namespace tolvane::test
