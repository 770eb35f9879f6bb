// The in-memory search must give the store's search rows exactly, row for row, on real and
// made-up catalogues, whatever the user types.
#include "catalogue/HeldListSearch.h"
#include "platform/Log.h"
#include "store/Database.h"
#include "store/LikePattern.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace tolvane {
namespace {

namespace fs = std::filesystem;

// Only ASCII letters fold; "_" takes a whole character; a stray byte joins the character
// before it or stands alone as its own.
TEST(LikePatternTest, FollowsTheStoreRules) {
    const std::pair<const char*, const char*> matching[] = {
        {"ab%", "ABC"},      {"AB%", "abc"},      {"ä%", "äpfel"},
        {"_pfel%", "Äpfel"}, {"%", ""},           {"a%c%", "abbbcx"},
        {"%%b_", "aab!"},    {"ß%", "ßig"},       {"%sch%", "Frische"},
        {"%SCH%%", "xxsch"}, {"%ö%", "Brötchen"}, {"%é%", "xé\x80é"},
        {"%\x80%", "a\x80"}};
    const std::pair<const char*, const char*> notMatching[] = {
        {"ä%", "Äpfel"},   {"__pfel%", "Äpfel"},  {"_%", ""},      {"a%c", "abbbcx"},
        {"ss%", "ßig"},    {"é%", "é\x80"},       {"%sch%", "sc"}, {"%ö%", "BRÖTCHEN"},
        {"%é%", "xé\x80"}, {"%\x80%", "\xc3\x80"}};
    for (const auto& [pattern, text] : matching)
        EXPECT_TRUE(LikePattern(pattern).matches(text)) << pattern << " " << text;
    for (const auto& [pattern, text] : notMatching)
        EXPECT_FALSE(LikePattern(pattern).matches(text)) << pattern << " " << text;
    EXPECT_FALSE(LikePattern(std::string(50001, 'a')).matches(std::string(50001, 'a')));
    // Never exponential: many wildcards against a long text that does not match.
    EXPECT_FALSE(LikePattern(std::string(40, '%') + "_b" + std::string(40, '%') + "c")
                     .matches(std::string(5000, 'a')));
}

// Texts a user might type: letters of both cases, umlauts, sharp s, wildcards, digits, blanks
// and quotes, and beginnings of real names (whole characters, some in capitals) so that there
// are many hits.
std::vector<std::string> typedTexts(const std::vector<ListRow>& list, int count) {
    static const std::vector<std::string> pieces = {
        "a", "b", "S", "s", "M", "e", "ch", "Sch", "ä", "Ä", "ö", "Ü", "ß", "é",
        "%", "_", "0", "1", "7", " ", "'",  "-",   "&", "x", "Z", "é", "ç", "\xd0\x91"};
    std::mt19937 random(20261207);
    std::vector<std::string> typed = {"", "%", "_", "b", "B", "sch", "ä", "ß", "%a", "_a%b"};
    for (int i = 0; i < count; ++i) {
        std::string text;
        if (random() % 3 == 0) {
            const std::string& name = list[random() % list.size()].name;
            std::size_t cut = 0;
            for (std::size_t length = 1 + random() % 4; cut < name.size() && length > 0; --length)
                for (++cut; cut < name.size() && (name[cut] & 0xC0) == 0x80;) // whole characters
                    ++cut;
            text = name.substr(0, cut);
            if (random() % 2 == 0)
                for (char& c : text)
                    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        } else {
            for (std::size_t length = random() % 5; length > 0; --length)
                text += pieces[random() % pieces.size()];
        }
        typed.push_back(text);
    }
    return typed;
}

class HeldListSearchTest : public ::testing::Test {
protected:
    void compareOn(const fs::path& source, int patterns) {
        ASSERT_TRUE(fs::exists(source)) << source;
        const fs::path copy =
            fs::path(::testing::TempDir()) / ("held-search-" + std::to_string(::getpid()) + ".db");
        fs::copy_file(source, copy, fs::copy_options::overwrite_existing);
        MemoryLog log;
        Database db(copy.string(), log);
        const std::vector<ListRow> list = db.selectProduct();
        const PackedRows held(list);
        ASSERT_GT(list.size(), 1000u);

        int withHits = 0;
        for (const std::string& text : typedTexts(list, patterns)) {
            const std::vector<ListRow> expected = db.Search(text, text);
            ASSERT_EQ(searchHeldList(held, text).rows(), expected) << "typed \"" << text << "\"";
            withHits += expected.empty() ? 0 : 1;
            // As the list screens ask: the text anywhere in the name or the maker.
            const std::string anywhere = "%" + text + "%";
            ASSERT_EQ(searchHeldList(held, anywhere).rows(), db.Search(anywhere, anywhere))
                << "typed \"" << text << "\" anywhere";
        }
        EXPECT_GT(withHits, patterns / 4); // the comparison must not be only of empty results
        fs::remove(copy);
    }
};

TEST_F(HeldListSearchTest, SameRowsAsTheStoreOnTheShippedCatalogue) {
    compareOn(TOLVANE_SHIPPED_DB, 1500);
}

TEST_F(HeldListSearchTest, SameRowsAsTheStoreOnASyntheticCatalogue) {
    const fs::path file =
        fs::path(::testing::TempDir()) / ("held-synthetic-" + std::to_string(::getpid()) + ".db");
    const std::string command = std::string(TOLVANE_CATALOGUE_TOOL) +
                                " synthetic --count 20000 --out " + file.string() + " >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    compareOn(file, 1500);
    fs::remove(file);
}

} // namespace
} // namespace tolvane
