#include "StoreFixture.h"

namespace tolvane::test {

class SettingsTest : public StoreTest {};

TEST_F(SettingsTest, SettingsRowAndProfileSeedUpdatesAndApostrophes) {
    EXPECT_EQ(db->selectSettings(), (SettingsRow{"YES", "YES", "YES"}));
    db->updateSettings("NO", "YES", "NO");
    EXPECT_EQ(db->selectSettings(), (SettingsRow{"NO", "YES", "NO"}));
    execSql(path, "DELETE FROM Settings");
    EXPECT_FALSE(db->selectSettings());

    // Before the table exists (the profile screen reads that as the seed values).
    EXPECT_EQ(db->selectCaloryValueFromPersonalProfileTable(), "");
    seedAppTables();
    EXPECT_EQ(db->selectPersonalProfileData(), ProfileRow::seed());
    EXPECT_EQ(db->selectCaloryValueFromPersonalProfileTable(), "2000");

    for (int i = 0; i < 3; ++i)
        db->updatePersonalSettings("M", "4'0", "180", "80", "24.7", "72", "3", "2600", "5.9", "176",
                                   "us");
    EXPECT_EQ(db->selectPersonalProfileData(),
              (ProfileRow{"M", "4'0", "180", "80", "24.7", "72", "3", "2600", "5.9", "176", "us"}));
    EXPECT_EQ(sqlInt(path, "SELECT count(*) FROM Personal_Profile"), 1);
    EXPECT_EQ(db->selectCaloryValueFromPersonalProfileTable(), "2600");
}

} // namespace tolvane::test
