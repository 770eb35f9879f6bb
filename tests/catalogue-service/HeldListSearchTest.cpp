// The in-memory search must find every row the store's search finds, in the same order, on real
// and made-up catalogues, whatever the user types; every further row differs from the typed text
// only by case or accents, as a folding made independently of the search's (Qt's) tells.
#include "catalogue/HeldListSearch.h"
#include "platform/Log.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"
#include "store/LikePattern.h"

#include <gtest/gtest.h>

#include <QString>

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
        {"ab%", "ABC"},        {"AB%", "abc"},      {"ä%", "äpfel"},
        {"_pfel%", "Äpfel"},   {"%", ""},           {"a%c%", "abbbcx"},
        {"%%b_", "aab!"},      {"ß%", "ßig"},       {"%sch%", "Frische"},
        {"%SCH%%", "xxsch"},   {"%ö%", "Brötchen"}, {"%é%", "xé\x80é"},
        {"%\x80%", "a\x80"},   {"%b_d%", "abxbcd"}, {"%B_%z", "abbcz"},
        {"%é_x%", "éé\x80éax"}};
    const std::pair<const char*, const char*> notMatching[] = {
        {"ä%", "Äpfel"},   {"__pfel%", "Äpfel"},   {"_%", ""},       {"a%c", "abbbcx"},
        {"ss%", "ßig"},    {"é%", "é\x80"},        {"%sch%", "sc"},  {"%ö%", "BRÖTCHEN"},
        {"%é%", "xé\x80"}, {"%\x80%", "\xc3\x80"}, {"%b_d", "bcdx"}, {"%b_%z", "zbcy"}};
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
        "a", "b", "S", "s", "M", "e", "ch", "Sch",      "ä",         "Ä",
        "ö", "Ü", "ß", "é", "%", "_", "0",  "1",        "7",         " ",
        "'", "-", "&", "x", "Z", "é", "ç",  "\xd0\x91", "E\xcc\x81", "’",
        "ø", "Œ", "ё", "й", "Σ", "ς", "SS", "ss",       "kase",      "Kase"};
    std::mt19937 random(20261207);
    std::vector<std::string> typed = {"", "%", "_", "b", "B", "sch", "ä", "ß", "%a", "_a%b"};
    for (int i = 0; i < count; ++i) {
        std::string text;
        if (random() % 3 == 0) {
            // Whole characters of a real name, from its start or (for "%...%") anywhere, some in
            // capitals, some with a character inside put as "_" (as "Stra_e" for "Straße").
            const std::string& name = list[random() % list.size()].name;
            std::vector<std::size_t> starts; // where each character begins
            for (std::size_t at = 0; at < name.size(); ++at)
                if ((name[at] & 0xC0) != 0x80) starts.push_back(at);
            starts.push_back(name.size());
            const std::size_t first = random() % 2 == 0 ? 0 : random() % starts.size();
            const std::size_t last = std::min(starts.size() - 1, first + 1 + random() % 5);
            for (std::size_t c = first; c < last; ++c) {
                const std::string character = name.substr(starts[c], starts[c + 1] - starts[c]);
                const bool inner = c > first && c + 1 < last;
                text += inner && random() % 3 == 0 ? std::string("_") : character;
            }
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

// Decomposed, marks dropped, case folded; the letters that carry their stroke or ligature in
// themselves and the apostrophes written out.
std::string qtFolded(std::string_view text) {
    QString folded;
    for (const QChar c : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
                             .normalized(QString::NormalizationForm_D)
                             .toCaseFolded())
        if (c.category() != QChar::Mark_NonSpacing) folded += c;
    static const std::pair<const char16_t*, const char16_t*> written[] = {
        {u"ß", u"ss"}, {u"ø", u"o"}, {u"ł", u"l"}, {u"đ", u"d"}, {u"œ", u"oe"},
        {u"æ", u"ae"}, {u"’", u"'"}, {u"‘", u"'"}, {u"ʼ", u"'"}};
    for (const auto& [letter, as] : written)
        folded.replace(QString::fromUtf16(letter), QString::fromUtf16(as));
    return folded.normalized(QString::NormalizationForm_C).toStdString();
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
        const std::vector<ListRow> list = CatalogueStore(db).selectProduct();
        const PackedRows held(list);
        const SearchIndex folded(held);
        std::vector<std::string> qtNames, qtMakers;
        for (const ListRow& row : list) {
            qtNames.push_back(qtFolded(row.name));
            qtMakers.push_back(qtFolded(row.maker));
        }
        ASSERT_GT(list.size(), 1000u);

        int withHits = 0;
        for (const std::string& text : typedTexts(list, patterns)) {
            // As the list screens ask: the text anywhere in the name or the maker; and as typed.
            for (const std::string& typed : {"%" + text + "%", text}) {
                const std::vector<ListRow> stored = CatalogueStore(db).Search(typed, typed);
                const std::vector<std::uint32_t> found = findInHeldList(held, folded, typed);
                const LikePattern independent(qtFolded(typed) + "%");
                auto next = stored.begin();
                for (const std::uint32_t at : found) {
                    if (next != stored.end() && held.row(at) == *next) {
                        ++next;
                        continue;
                    }
                    ASSERT_TRUE(independent.matches(qtNames[at]) ||
                                independent.matches(qtMakers[at]))
                        << "typed \"" << typed << "\" found " << list[at].name << " / "
                        << list[at].maker;
                }
                ASSERT_EQ(next, stored.end()) << "typed \"" << typed << "\" lost " << next->name;
                withHits += stored.empty() ? 0 : 1;
            }
        }
        EXPECT_GT(withHits, patterns / 2); // the comparison must not be only of empty results
        fs::remove(copy);
    }
};

TEST_F(HeldListSearchTest, FindsWhatTheStoreFindsOnTheShippedCatalogue) {
    compareOn(TOLVANE_SHIPPED_DB, 1500);
}

TEST_F(HeldListSearchTest, FindsWhatTheStoreFindsOnASyntheticCatalogue) {
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
