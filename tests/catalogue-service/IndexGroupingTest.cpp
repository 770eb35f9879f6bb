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

TEST(IndexKey, FoldsAccentsSharpSAndCase) {
    const std::pair<const char*, const char*> keys[] = {
        {"Äpfel", "A"}, {"äpfel", "A"}, {"Öl", "O"},   {"ölig", "O"},   {"Ühu", "U"},
        {"übel", "U"},  {"ßuppe", "S"}, {"brot", "B"}, {"éclair", "E"}, {"Àpero", "A"},
        {"ĺad", "L"},   {"Łódź", "L"},  {"ÿ", "Y"},    {"Øl", "O"},     {"щи", "Щ"},
        {"ёлка", "Е"},  {"×2", "×"},    {"", " "},     {" Brot", " "},  {"|Pipe", " "},
        {"7up", "7"}};
    for (const auto& [name, key] : keys)
        EXPECT_EQ(indexKeyOf(name), key) << name;
}

TEST(IndexGrouping, LettersAndTheRowsOfOneSection) {
    const struct {
        Texts input;
        BlankKeys blanks;
        Texts letters;
        std::size_t section;
        Texts names;
    } cases[] = {
        // Umlauts and sharp s join their plain letter.
        {{"Äpfel", "Apfelmus", "ölsardinen", "Orange", "ßalat", "Suppe", "Über", "Uhu"},
         BlankKeys::Hidden,
         {"A", "O", "S", "U"},
         2,
         {"ßalat", "Suppe"}},
        // Digits and signs under "#" at the end, merged in key order, query order inside a key.
        {{"7up", "@home", "1001 Nacht", "Brot", "Zwieback", "!Wow"},
         BlankKeys::Hidden,
         {"B", "Z", "#"},
         2,
         {"!Wow", "1001 Nacht", "7up", "@home"}},
        // Keys above Z get their own sections; accented letters join their base letter, and
        // Cyrillic sections follow the Latin ones in alphabet order.
        {{"Apfel", "Zwieback", "[Test]", "Éclair", "9er", "Борщ", "Ёж", "Яблоко", "Ещё"},
         BlankKeys::Hidden,
         {"A", "E", "Z", "[", "Б", "Е", "Я", "#"},
         5,
         {"Ёж", "Ещё"}},
        // Blank names are hidden in the main list but filed under "#" in a category.
        {{"", " Leer", "Brot", "Milch"}, BlankKeys::Hidden, {"B", "M"}, 0, {"Brot"}},
        {{"", " Leer", "Brot", "Milch"}, BlankKeys::UnderHash, {"B", "M", "#"}, 2, {"", " Leer"}},
        {{"", "3 Pack", "Brot"}, BlankKeys::Hidden, {"B", "#"}, 1, {"3 Pack"}},
        // Without letters every key is its own section.
        {{"1a", "2b", "2c", "", "@x"}, BlankKeys::Hidden, {" ", "1", "2", "@"}, 2, {"2b", "2c"}},
        {{}, BlankKeys::Hidden, {}, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.empty() ? "empty" : c.input.front());
        const auto rows = records(c.input);
        const auto g = groupUnderIndexLetters(rows, c.blanks);
        EXPECT_EQ(g.indexLetters, c.letters);
        ASSERT_EQ(letters(g), c.letters);
        if (!c.letters.empty()) {
            EXPECT_EQ(namesIn(rows, g.displayList[c.section]), c.names);
        }
    }
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
