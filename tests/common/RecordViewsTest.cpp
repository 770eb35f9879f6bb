#include "screens/common/CategoryRow.h"
#include "screens/common/ListRow.h"
#include "screens/common/ProductRecord.h"
#include "screens/common/ProfileRecord.h"
#include "screens/common/SettingsRecord.h"

#include <gtest/gtest.h>

using namespace tolvane;

TEST(ProductRecord, NamesEveryFieldOfTheDetailRecord) {
    const auto p = ProductRecord::parse("Riegel|17|Mars|4|1|10|keine Angaben|40|0,3|450|g|250");
    EXPECT_EQ(p.name, "Riegel");
    EXPECT_EQ(p.recordId, "17");
    EXPECT_EQ(p.maker, "Mars");
    EXPECT_EQ(p.categoryId, "4");
    EXPECT_TRUE(p.favourite);
    EXPECT_EQ(p.nutrient(Nutrient::Fat), "10");
    EXPECT_EQ(p.nutrient(Nutrient::SaturatedFat), "keine Angaben");
    EXPECT_EQ(p.nutrient(Nutrient::Sugar), "40");
    EXPECT_EQ(p.nutrient(Nutrient::Salt), "0,3");
    EXPECT_EQ(p.nutrient(Nutrient::Energy), "450");
    EXPECT_EQ(p.unit, "g");
    EXPECT_EQ(p.salesPortion, "250");
}

TEST(ProductRecord, ShortOrSplitRecordsReadTheSame) {
    // An own product saved by an older version stops early: the rest reads empty.
    const auto shortRecord = ProductRecord::parse("Tee|9|Eigene|2|0|1");
    EXPECT_EQ(shortRecord.nutrient(Nutrient::Fat), "1");
    EXPECT_EQ(shortRecord.nutrient(Nutrient::Energy), "");
    EXPECT_EQ(shortRecord.salesPortion, "");
    EXPECT_FALSE(shortRecord.favourite);
    EXPECT_FALSE(ProductRecord::parse("x|1|m|2|2").favourite) << "only 1 marks a favourite";

    const auto whole = ProductRecord::fromDetails({"Tee|9|Eigene|2|0|1|2|3|4|5|ml|330"});
    const auto split = ProductRecord::fromDetails({"Tee|9|Eigene", "2|0|1|2|3|4|5|ml|330"});
    EXPECT_EQ(whole.nutrients, split.nutrients);
    EXPECT_EQ(split.unit, "ml");
    EXPECT_EQ(split.salesPortion, "330");
    EXPECT_EQ(ProductRecord::fromDetails({}).name, "");
}

TEST(ListRow, ReadsBothFieldOrders) {
    const auto full = ListRow::parse("Brot|Bäcker|12", ListRecordLayout::NameMakerId);
    EXPECT_EQ(full.name, "Brot");
    EXPECT_EQ(full.maker, "Bäcker");
    EXPECT_EQ(full.recordId, "12");
    const auto found = ListRow::parse("Brot|12|Bäcker", ListRecordLayout::NameIdMaker);
    EXPECT_EQ(found.maker, "Bäcker");
    EXPECT_EQ(found.recordId, "12");
    EXPECT_EQ(ListRow::parse("Brot", ListRecordLayout::NameIdMaker).recordId, "");
    EXPECT_EQ(ListRow::nameOf("Brot|12|Bäcker"), "Brot");
    EXPECT_EQ(ListRow::nameOf("Brot"), "Brot");
}

TEST(CategoryRow, SplitsAtTheFirstBarOnly) {
    const auto row = CategoryRow::parse("4|Süßwaren|extra");
    ASSERT_TRUE(row);
    EXPECT_EQ(row->recordId, "4");
    EXPECT_EQ(row->name, "Süßwaren|extra");
    EXPECT_FALSE(CategoryRow::parse("no separator"));
}

TEST(SettingsRecord, SwitchesAreOnOnlyForYes) {
    const auto s = SettingsRecord::first({"YES|NO|NO", "NO|NO|YES"});
    EXPECT_TRUE(s.liveSearchOn());
    EXPECT_EQ(s.localization, "NO");
    EXPECT_FALSE(s.metricUnitsOn());
    EXPECT_FALSE(SettingsRecord::first({}).liveSearchOn());
    EXPECT_EQ(SettingsRecord::parse("YES").metricUnits, "");
}

TEST(ProfileRecord, NamesTheElevenFields) {
    const auto p = ProfileRecord::parse("F|30|165|57|20.9|59.9|2|2000|5.4|126|metric");
    EXPECT_EQ(p.gender, "F");
    EXPECT_EQ(p.idealWeight, "59.9");
    EXPECT_EQ(p.dailyCalories, "2000");
    EXPECT_EQ(p.metricUsed, "metric");
    EXPECT_EQ(ProfileRecord::parse("F|30").dailyCalories, "");
    // The profile screen starts from the seed when nothing usable is stored.
    EXPECT_EQ(ProfileRecord::fromRecords({"M|40"}).age, "30");
    EXPECT_EQ(ProfileRecord::fromRecords({}).usWeight, "126");
    EXPECT_EQ(ProfileRecord::fromRecords({"M|40|180|80|1|2|3|4|5.1|6|us"}).usHeight, "5.1");
}
