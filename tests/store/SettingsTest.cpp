#include "StoreFixture.h"

namespace tolvane::test {

class SettingsTest : public StoreTest {};

TEST_F(SettingsTest, SettingsRowAndProfileSeedUpdatesAndApostrophes) {
    EXPECT_EQ(db->selectSettings(), (SettingsRow{"YES", "YES", "YES"}));
    db->updateSettings("NO", "YES", "NO");
    EXPECT_EQ(db->selectSettings(), (SettingsRow{"NO", "YES", "NO"}));
    execSql(path, "DELETE FROM Settings");
    EXPECT_FALSE(db->selectSettings());

    EXPECT_FALSE(db->selectPersonalProfileData());
    EXPECT_EQ(db->selectCaloryValueFromPersonalProfileTable(), "");
    db->updatePersonalSettings("M", "40", "180", "80", "24.7", "72", "3", "2600", "5.9", "176",
                               "metric");
    seedAppTables();
    const ProfileRow seeded{"F", "30",   "165", "57",  "20.9",  "59.9",
                            "2", "2000", "5.4", "126", "metric"};
    EXPECT_EQ(db->selectPersonalProfileData(), seeded);
    EXPECT_EQ(ProfileRow::seed(), seeded);
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
