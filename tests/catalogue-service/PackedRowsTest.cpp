// The held list packs its rows into one buffer and its identifiers as numbers: every row must
// read back exactly, whatever its texts and its identifier, and the search over the packed rows
// must hand on whole rows and narrow as the text is typed.
#include "catalogue/PackedRows.h"
#include "catalogue/HeldListSearch.h"
#include "store/LikePattern.h"
#include "text/SearchFold.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
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
    // Rows beside the hits, as a shorter text finds: few enough to be asked one by one.
    std::vector<std::uint32_t> some;
    for (std::uint32_t at = 0; at < 60000; at += 97)
        some.push_back(at);
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
            std::vector<std::uint32_t> among;
            std::set_union(whole.begin(), whole.end(), some.begin(), some.end(),
                           std::back_inserter(among));
            EXPECT_EQ(findInHeldList(*rows, *folded, typed, among), whole) << typed;
        }
    }
}

// Wildcards typed keystroke by keystroke, "_" coming after plain letters: each keystroke finds
// exactly the rows the two rules find, asked row by row of the whole list: the typed text folded
// against the folded name or maker, and where the text has "_", "<", "=", ">" or a character
// beyond ASCII, the text as typed against them as they are (SQLite's LIKE).
TEST(PackedRows, WildcardsTypedFindWhatTheRulesFindRowByRow) {
    const std::vector<std::pair<std::string, std::string>> kinds = {{"Straße", "Müller"},
                                                                    {"Strasse 12", "strauss"},
                                                                    {"straÃ"
                                                                     "e",
                                                                     "Ab"},
                                                                    {"Schokolade", "Sch%ko"},
                                                                    {"schoko", "ko"},
                                                                    {"Schöko", "Straße"},
                                                                    {"Äpfel", "Î£Ï"},
                                                                    {"a<Ì¸"
                                                                     "b",
                                                                     "=Ì¸"},
                                                                    {"Käse", ""},
                                                                    {"Sch_ko", "x"},
                                                                    {"STRAXE", "Œuvre"},
                                                                    {"crÃ¨me", "eÌtÃ©"}};
    PackedRows rows;
    for (std::size_t at = 0; at < 60000; ++at) {
        const auto& [name, maker] = kinds[(at * 7) % kinds.size()];
        rows.push_back(at % 3 == 0 ? name + " " + std::to_string(at % 89) : name, maker,
                       std::to_string(at));
    }
    const auto list = std::make_shared<const PackedRows>(std::move(rows));
    const auto folded = std::make_shared<const SearchIndex>(*list);
    const auto byRules = [&list](const std::string& typed) {
        const LikePattern foldedRule(foldForSearch(typed) + "%");
        const bool storeRule = typed.find_first_of("_<=>") != std::string::npos ||
                               std::any_of(typed.begin(), typed.end(), [](char c) {
                                   return static_cast<unsigned char>(c) >= 0x80;
                               });
        const LikePattern asStored(typed + "%");
        std::vector<std::uint32_t> found;
        for (std::uint32_t at = 0; at < list->size(); ++at)
            if (foldedRule.matches(foldForSearch(list->name(at))) ||
                foldedRule.matches(foldForSearch(list->maker(at))) ||
                (storeRule &&
                 (asStored.matches(list->name(at)) || asStored.matches(list->maker(at)))))
                found.push_back(at);
        return found;
    };
    const std::vector<std::vector<std::string>> typings = {
        {"s", "st", "str", "stra", "stra_", "stra_e", "stra_e ", "stra_e 1"},
        {"s", "sc", "sch", "sch%", "sch%k", "sch%ko", "sch%kol"},
        {"_", "_t", "_tr", "_tra_", "_tra__", "%e", "%e_"},
        {"a", "a<", "a<Ì¸",
         "a<Ì¸"
         "b",
         "=", "=Ì¸"},
        {"k", "k_", "k__", "k__s", "Kä", "Kä", "ä%"},
        {"%", "%_", "%__", "s_h_k", "s_h_k_", "Ì", "eÌ"}};
    int withHits = 0;
    for (const auto& typing : typings) {
        HeldListSearch search;
        for (const std::string& text : typing) {
            const std::string typed = "%" + text + "%";
            const auto expected = byRules(typed);
            EXPECT_EQ(findInHeldList(*list, *folded, typed), expected) << typed;
            EXPECT_EQ(search.find(list, folded, typed), expected) << typed;
            withHits += expected.empty() ? 0 : 1;
        }
    }
    EXPECT_GT(withHits, 30);
}
