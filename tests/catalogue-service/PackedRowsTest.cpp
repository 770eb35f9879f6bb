// The held list packs its rows into one buffer and its identifiers as numbers: every row must
// read back exactly, whatever its texts and its identifier, and the search over the packed rows
// must hand on whole rows and narrow as the text is typed.
#include "catalogue/PackedRows.h"
#include "catalogue/HeldListSearch.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <string>
#include <vector>

using namespace tolvane;

namespace {

using Rows = std::vector<ListRow>;

const Rows kRows = {
    {"", "", "1"},
    {"Äpfel", "Müller", "7"},
    {"PIPE A|B|C Schoko", "pipe|maker", "4294967294"}, // the largest number held as one
    {"ß", "", "0"},
    {"щи", "Завод", "4294967295"}, // from here on identifiers are kept as their text
    {"é\x80", "x", "007"},
    {"Eigen", "Ich", ""},
    {"Minus", "m", "-3"},
    {"Gross", "g", "4294967296"},
    {"Text", "t", "abc"},
    {"", "", "12 "},
};

} // namespace

TEST(PackedRows, EveryRowReadsBackExactlyPackedAtOnceOrOneByOneAndAfterShrinking) {
    const PackedRows rows(kRows);
    EXPECT_EQ(rows.rows(), kRows); // read by name(), maker() and recordId()
    std::size_t bytes = 0;
    for (const auto& row : kRows)
        bytes += row.name.size() + row.maker.size();
    EXPECT_EQ(rows.textBytes(), bytes);

    PackedRows added;
    for (const auto& row : kRows)
        added.push_back(ListRowView{row.name, row.maker, row.recordId});
    EXPECT_EQ(added, rows);
    added.shrink_to_fit();
    EXPECT_EQ(added.rows(), kRows);
    added.push_back(std::string(1000, 'x'), "Beck", "6"); // still grows after shrinking
    EXPECT_EQ(added.name(kRows.size()).size(), 1000u);
    EXPECT_EQ(added.maker(kRows.size()), "Beck");
    EXPECT_EQ(added.recordId(kRows.size() - 1), "12 "); // the row before is untouched
    EXPECT_FALSE(added == rows);
    added.clear();
    EXPECT_TRUE(added.empty());
    EXPECT_EQ(added, PackedRows(Rows{}));
    added.push_back("a", "b", "x");
    EXPECT_EQ(added.rows(), (Rows{{"a", "b", "x"}}));
}

TEST(PackedRows, TheSearchHandsOnWholeRowsFromFirstToLast) {
    const PackedRows list(kRows);
    const SearchIndex folded(list);
    const auto searchHeldList = [&folded](const PackedRows& rows, const std::string& typed) {
        return tolvane::searchHeldList(rows, rows.empty() ? SearchIndex{} : folded, typed);
    };
    EXPECT_EQ(searchHeldList(list, "%").rows(), kRows);
    EXPECT_EQ(searchHeldList(list, "pipe").rows(), (Rows{kRows[2]}));
    EXPECT_EQ(searchHeldList(list, "%|maker").rows(), (Rows{kRows[2]}));
    EXPECT_EQ(searchHeldList(list, "%m").rows(), (Rows{kRows[1], kRows[2], kRows[7]}));
    EXPECT_EQ(searchHeldList(list, "Te").rows(), (Rows{kRows[9]}));
    EXPECT_EQ(searchHeldList(list, "_").rows().back().recordId, "abc"); // an identifier aside
    EXPECT_TRUE(searchHeldList(list, "kein").empty());
    EXPECT_TRUE(searchHeldList(PackedRows{}, "").empty());
}

// Typing narrows the hits of the text before: each keystroke must find what a search of the
// whole list finds (scanned in two halves, and row by row), however the text changes and
// whichever list it is typed on.
TEST(PackedRows, TypingFindsWhatASearchOfTheWholeListFinds) {
    using Kind = std::pair<std::string, std::string>; // name, maker
    const std::vector<Kind> kinds = {
        {"Käse", "Müller"},        {"Frischkäse 7612345678900", ""},
        {"Straße", "Stra_e"},      {"crème brûlée", "Émile"},
        {"Молоко", "Домик"},       {"Bio 100%", "b_c"},
        {"Kase", "KÄSE"},          {"e\xcc\x81t\xc3\xa9 <\xcc\xb8", ""},
        {"\xe2\x89\xae", "Kä\x80"}};
    const auto listOf = [&kinds](std::size_t step) {
        PackedRows rows;
        for (std::size_t at = 0; at < 60000; ++at) {
            const auto& [name, maker] = kinds[(at * step) % kinds.size()];
            rows.push_back(name + (at % 5 == 0 ? " " + std::to_string(at % 97) : ""), maker,
                           std::to_string(at));
        }
        const auto held = std::make_shared<const PackedRows>(std::move(rows));
        return std::make_pair(held, std::make_shared<const SearchIndex>(*held));
    };
    const auto lists = {listOf(1), listOf(2)};
    std::vector<std::uint32_t> all(60000);
    std::iota(all.begin(), all.end(), 0u);
    const std::vector<std::vector<std::string>> typings = {
        {"k", "kä", "käs", "käse", "käs", "kase", "kase 1", "kase 12"},
        {"s", "st", "stra_", "stra_e", "stra%e", "Stra", "stras", "strasse"},
        {"e", "e\xcc\x81", "e\xcc\x81t", "<", "<\xcc\xb8", "\xe2\x89\xae"},
        {"7", "76", "761234567890", "7612345678900", "1", "10", "100%", "100%%"},
        {"", "m", "мо", "мол", "%", "%o", "%ok", "b_", "b_c"}};
    // Folded in two halves too: every Käse, Frischkäse and Kase row, and only those.
    std::vector<std::uint32_t> kase;
    for (std::uint32_t at = 0; at < 60000; ++at)
        if (at % 9 == 0 || at % 9 == 1 || at % 9 == 6) kase.push_back(at);
    EXPECT_EQ(findInHeldList(*lists.begin()->first, *lists.begin()->second, "%kase%"), kase);
    for (const auto& typing : typings) {
        HeldListSearch search;
        std::size_t keystroke = 0;
        for (const std::string& text : typing) {
            const auto& [rows, folded] = *(lists.begin() + (keystroke++ % 3 == 2 ? 1 : 0));
            const std::string typed = "%" + text + "%";
            const auto whole = findInHeldList(*rows, *folded, typed);
            EXPECT_EQ(search.find(rows, folded, typed), whole) << typed;
            EXPECT_EQ(findInHeldList(*rows, *folded, typed, all), whole) << typed;
        }
    }
}
