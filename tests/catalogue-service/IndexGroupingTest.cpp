#include "catalogue/IndexGrouping.h"

#include <gtest/gtest.h>

using namespace tolvane;

namespace {

using Texts = std::vector<std::string>;

// Rows in the order the store returns them.
PackedRows records(const Texts& names) {
    PackedRows out;
    int id = 1;
    for (const auto& n : names)
        out.push_back(n, "Maker", std::to_string(id++));
    return out;
}

Texts letters(const IndexGrouping& g) {
    Texts out;
    for (const auto& s : g.displayList)
        out.push_back(s.letter);
    return out;
}

// The names of a section's rows, which are positions in the rows grouped.
Texts namesIn(const PackedRows& rows, const ProductSection& s) {
    Texts out;
    for (const auto position : s.rows)
        out.emplace_back(rows.name(position));
    return out;
}

} // namespace

TEST(IndexKey, FoldsUmlautsSharpSAndCase) {
    EXPECT_EQ(indexKeyOf("Äpfel"), "A");
    EXPECT_EQ(indexKeyOf("äpfel"), "A");
    EXPECT_EQ(indexKeyOf("Öl"), "O");
    EXPECT_EQ(indexKeyOf("ölig"), "O");
    EXPECT_EQ(indexKeyOf("Ühu"), "U");
    EXPECT_EQ(indexKeyOf("übel"), "U");
    EXPECT_EQ(indexKeyOf("ßuppe"), "S");
    EXPECT_EQ(indexKeyOf("brot"), "B");
    EXPECT_EQ(indexKeyOf("éclair"), "É");
    EXPECT_EQ(indexKeyOf("щи"), "Щ");
    EXPECT_EQ(indexKeyOf(""), " ");
    EXPECT_EQ(indexKeyOf(" Brot"), " ");
    EXPECT_EQ(indexKeyOf("|Pipe"), " ");
    EXPECT_EQ(indexKeyOf("7up"), "7");
}

TEST(IndexGrouping, UmlautsAndSharpSJoinTheirPlainLetter) {
    const auto input =
        records({"Äpfel", "Apfelmus", "ölsardinen", "Orange", "ßalat", "Suppe", "Über", "Uhu"});
    const auto g = groupUnderIndexLetters(input, BlankKeys::Hidden);
    EXPECT_EQ(g.indexLetters, (Texts{"A", "O", "S", "U"}));
    ASSERT_EQ(letters(g), (Texts{"A", "O", "S", "U"}));
    EXPECT_EQ(namesIn(input, g.displayList[0]), (Texts{"Äpfel", "Apfelmus"}));
    EXPECT_EQ(namesIn(input, g.displayList[2]), (Texts{"ßalat", "Suppe"}));
}

TEST(IndexGrouping, DigitsAndSignsGoUnderHashAtTheEnd) {
    const auto input = records({"7up", "@home", "1001 Nacht", "Brot", "Zwieback", "!Wow"});
    const auto g = groupUnderIndexLetters(input, BlankKeys::Hidden);
    EXPECT_EQ(g.indexLetters, (Texts{"B", "Z", "#"}));
    ASSERT_EQ(letters(g), (Texts{"B", "Z", "#"}));
    // Merged in sorted key order ("!" < "1" < "7" < "@"), query order inside each key.
    EXPECT_EQ(namesIn(input, g.displayList[2]), (Texts{"!Wow", "1001 Nacht", "7up", "@home"}));
}

TEST(IndexGrouping, KeysAboveZGetTheirOwnSections) {
    const auto input = records({"Apfel", "Zwieback", "[Test]", "Éclair", "9er"});
    const auto g = groupUnderIndexLetters(input, BlankKeys::Hidden);
    EXPECT_EQ(g.indexLetters, (Texts{"A", "Z", "[", "É", "#"}));
    EXPECT_EQ(letters(g), (Texts{"A", "Z", "[", "É", "#"}));
}

TEST(IndexGrouping, BlankNamesAreHiddenInTheMainListButFiledUnderHashInACategory) {
    const auto input = records({"", " Leer", "Brot", "Milch"});

    const auto main = groupUnderIndexLetters(input, BlankKeys::Hidden);
    EXPECT_EQ(main.indexLetters, (Texts{"B", "M"}));
    EXPECT_EQ(letters(main), (Texts{"B", "M"}));

    const auto category = groupUnderIndexLetters(input, BlankKeys::UnderHash);
    EXPECT_EQ(category.indexLetters, (Texts{"B", "M", "#"}));
    ASSERT_EQ(letters(category), (Texts{"B", "M", "#"}));
    EXPECT_EQ(namesIn(input, category.displayList[2]), (Texts{"", " Leer"}));
}

TEST(IndexGrouping, BlankAndDigitNamesTogetherInTheMainList) {
    const auto input = records({"", "3 Pack", "Brot"});
    const auto g = groupUnderIndexLetters(input, BlankKeys::Hidden);
    EXPECT_EQ(g.indexLetters, (Texts{"B", "#"}));
    ASSERT_EQ(letters(g), (Texts{"B", "#"}));
    EXPECT_EQ(namesIn(input, g.displayList[1]), (Texts{"3 Pack"}));
}

TEST(IndexGrouping, CatalogueWithoutLettersShowsEveryKeyAsItsOwnSection) {
    const auto input = records({"1a", "2b", "2c", "", "@x"});
    const auto g = groupUnderIndexLetters(input, BlankKeys::Hidden);
    EXPECT_EQ(g.indexLetters, (Texts{" ", "1", "2", "@"}));
    ASSERT_EQ(letters(g), (Texts{" ", "1", "2", "@"}));
    EXPECT_EQ(namesIn(input, g.displayList[2]), (Texts{"2b", "2c"}));
}

TEST(IndexGrouping, EmptyInputGivesNothing) {
    const auto g = groupUnderIndexLetters(PackedRows{}, BlankKeys::Hidden);
    EXPECT_TRUE(g.displayList.empty());
    EXPECT_TRUE(g.indexLetters.empty());
}

TEST(IndexGrouping, KeepsEveryRowExactlyOnceInQueryOrder) {
    PackedRows input;
    for (int i = 0; i < 500; ++i)
        input.push_back(std::string(1, static_cast<char>('0' + i % 75)) + "name", "m",
                        std::to_string(i));
    const auto g = groupUnderIndexLetters(input, BlankKeys::UnderHash);
    std::size_t total = 0;
    for (const auto& s : g.displayList) {
        total += s.rows.size();
        for (std::size_t i = 1; i < s.rows.size(); ++i) {
            // Within one key the original order holds.
            const auto row = s.rows[i];
            const auto previous = s.rows[i - 1];
            if (indexKeyOf(input.name(row)) == indexKeyOf(input.name(previous))) {
                EXPECT_LT(std::stoi(input.recordId(previous)), std::stoi(input.recordId(row)));
            }
        }
    }
    EXPECT_EQ(total, input.size());
}
