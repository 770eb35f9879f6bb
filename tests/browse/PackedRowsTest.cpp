// The held list packs its rows into one buffer: every row must read back exactly, whatever its
// length or bytes, and what is built on the packed rows must see the same rows as before.
#include "screens/browse/PackedRows.h"
#include "screens/browse/HeldListSearch.h"
#include "screens/browse/IndexGrouping.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tolvane;

namespace {

using Texts = std::vector<std::string>;

Texts readBack(const PackedRows& rows) {
    Texts out;
    for (std::size_t i = 0; i < rows.size(); ++i)
        out.emplace_back(rows[i]);
    return out;
}

} // namespace

TEST(PackedRows, EmptyHoldsNothing) {
    const PackedRows rows;
    EXPECT_TRUE(rows.empty());
    EXPECT_EQ(rows.size(), 0u);
    EXPECT_TRUE(rows.begin() == rows.end());
    EXPECT_TRUE(rows.strings().empty());
    EXPECT_EQ(rows, PackedRows(Texts{}));
}

TEST(PackedRows, EveryRowReadsBackExactlyIncludingEmptyFirstAndLastRows) {
    const Texts texts = {"", "Äpfel|Müller|7", "", "", "ß", "щи|Завод|12", "a", "é\x80|x|1", ""};
    const PackedRows rows(texts);
    ASSERT_EQ(rows.size(), texts.size());
    EXPECT_EQ(readBack(rows), texts);
    EXPECT_EQ(rows.strings(), texts);
    EXPECT_EQ(rows[0], "");
    EXPECT_EQ(rows.back(), "");
    EXPECT_EQ(rows[4], "ß"); // two bytes, between an empty row and a Cyrillic one
    EXPECT_EQ(rows[4].size(), 2u);
    Texts iterated;
    for (const std::string_view row : rows)
        iterated.emplace_back(row);
    EXPECT_EQ(iterated, texts);
    std::size_t bytes = 0;
    for (const auto& text : texts)
        bytes += text.size();
    EXPECT_EQ(rows.textBytes(), bytes);
}

TEST(PackedRows, RowsAddedOneByOneEqualThosePackedAtOnceAndSurviveShrinking) {
    const Texts texts = {"Brot|Beck|3", "", "Öl|Hof|4", std::string(1000, 'x') + "|m|5", "7up||"};
    PackedRows added;
    for (const auto& text : texts)
        added.push_back(text);
    EXPECT_EQ(added, PackedRows(texts));
    added.shrink_to_fit();
    EXPECT_EQ(added.strings(), texts);
    EXPECT_GE(added.capacityBytes(), added.textBytes() + texts.size() * sizeof(std::uint32_t));
    added.push_back("Zopf|Beck|6"); // still grows after shrinking
    EXPECT_EQ(added.back(), "Zopf|Beck|6");
    EXPECT_EQ(added[3].size(), 1004u);
    EXPECT_FALSE(added == PackedRows(texts));
}

TEST(PackedRows, TheSearchReadsFirstAndLastRowsAndSkipsRowsWithoutFields) {
    const PackedRows list(Texts{"Brot|Beck|1", "kein Trenner", "Öl|Brauer|2", "|Bio|3", "nur|eins",
                                "Zwieback|Brandt|4"});
    EXPECT_EQ(searchHeldList(list, "%b").strings(),
              (Texts{"Brot|1|Beck", "Öl|2|Brauer", "|3|Bio", "Zwieback|4|Brandt"}));
    EXPECT_EQ(searchHeldList(list, "Zw").strings(), (Texts{"Zwieback|4|Brandt"})); // the last row
    EXPECT_EQ(searchHeldList(list, "").strings().size(), 4u); // rows without two "|" never match
    EXPECT_TRUE(searchHeldList(list, "kein").empty());
    EXPECT_TRUE(searchHeldList(PackedRows{}, "").empty());
}

TEST(PackedRows, GroupingSeesTheSameRowsAsFromSeparateStrings) {
    const Texts texts = {"", "Äpfel|a|1", "7up|b|2", "Brot|c|3", "ßalat|d|4", "щи|e|5"};
    const PackedRows packed(texts);
    for (const auto blanks : {BlankKeys::Hidden, BlankKeys::UnderHash}) {
        const auto fromPacked = groupUnderIndexLetters(packed, blanks);
        const auto fromStrings = groupUnderIndexLetters(texts, blanks);
        EXPECT_EQ(fromPacked.indexLetters, fromStrings.indexLetters);
        ASSERT_EQ(fromPacked.displayList.size(), fromStrings.displayList.size());
        for (std::size_t s = 0; s < fromPacked.displayList.size(); ++s) {
            EXPECT_EQ(fromPacked.displayList[s].letter, fromStrings.displayList[s].letter);
            EXPECT_EQ(fromPacked.displayList[s].rows, fromStrings.displayList[s].rows);
        }
    }
    const auto g = groupUnderIndexLetters(packed, BlankKeys::Hidden);
    ASSERT_FALSE(g.displayList.empty());
    EXPECT_EQ(g.indexLetters, (Texts{"A", "B", "S", "Щ", "#"}));
    // The last section before "#" is the multibyte key of the last row.
    EXPECT_EQ(g.displayList[3].letter, "Щ");
    EXPECT_EQ(g.displayList[3].rows, (std::vector<std::uint32_t>{5}));
}
