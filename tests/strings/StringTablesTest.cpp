// Checks the six shipped string tables against each other and against the keys the product code
// and the shipped catalogue use.
#include "KeyScanner.h"
#include "Placeholders.h"
#include "TsTable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace tolvane {
namespace {

const std::vector<std::string> kLanguages{"de", "en", "es", "fr", "it", "ru"};
const std::string kRoot = TOLVANE_SOURCE_ROOT;

struct Tables {
    std::map<std::string, TsTable> byLanguage;
    // language -> key -> translation
    std::map<std::string, std::map<std::string, std::string>> texts;
};

const Tables& tables() {
    static const Tables loaded = [] {
        Tables t;
        for (const std::string& lang : kLanguages) {
            TsTable table = readTsFile(kRoot + "/resources/strings/tolvane_" + lang + ".ts");
            for (const TsMessage& m : table.messages)
                t.texts[lang].emplace(m.source, m.translation);
            t.byLanguage.emplace(lang, std::move(table));
        }
        return t;
    }();
    return loaded;
}

std::string missingLanguages(const std::string& key) {
    std::string missing;
    for (const std::string& lang : kLanguages) {
        const auto& texts = tables().texts.at(lang);
        if (texts.find(key) == texts.end()) missing += (missing.empty() ? "" : ", ") + lang;
    }
    return missing;
}

std::string quoted(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items)
        out += (out.empty() ? "" : " ") + item;
    return "[" + out + "]";
}

TEST(StringTables, AreWellFormedWithTheOneContext) {
    for (const std::string& lang : kLanguages) {
        const TsTable& table = tables().byLanguage.at(lang);
        for (const std::string& error : table.errors)
            ADD_FAILURE() << "tolvane_" << lang << ".ts " << error;
        EXPECT_EQ(table.contexts, std::vector<std::string>{"Tolvane"})
            << "tolvane_" << lang << ".ts";
        EXPECT_FALSE(table.messages.empty()) << "tolvane_" << lang << ".ts has no messages";
        for (const TsMessage& m : table.messages)
            EXPECT_EQ(m.context, "Tolvane") << "tolvane_" << lang << ".ts line " << m.line;
    }
}

TEST(StringTables, HoldTheSameKeysOnceEach) {
    std::set<std::string> all;
    for (const std::string& lang : kLanguages) {
        std::set<std::string> seen;
        for (const TsMessage& m : tables().byLanguage.at(lang).messages) {
            EXPECT_TRUE(seen.insert(m.source).second) << "tolvane_" << lang << ".ts line " << m.line
                                                      << ": key \"" << m.source << "\" twice";
            all.insert(m.source);
        }
    }
    for (const std::string& key : all) {
        const std::string missing = missingLanguages(key);
        EXPECT_TRUE(missing.empty()) << "key \"" << key << "\" has no text in: " << missing;
    }
}

TEST(StringTables, EveryTranslationIsFinished) {
    for (const std::string& lang : kLanguages) {
        for (const TsMessage& m : tables().byLanguage.at(lang).messages) {
            const std::string where =
                "tolvane_" + lang + ".ts line " + std::to_string(m.line) + " \"" + m.source + "\"";
            EXPECT_TRUE(m.type.empty()) << where << " is marked " << m.type;
            EXPECT_NE(m.translation.find_first_not_of(" \t\r\n"), std::string::npos)
                << where << " has no text";
        }
    }
}

// A key written as a format ("%@ kcal") keeps its placeholders in every language; a key named
// like an identifier takes the placeholders of its German text.
TEST(StringTables, TextsKeepTheKeysPlaceholders) {
    const auto& german = tables().texts.at("de");
    for (const std::string& lang : kLanguages) {
        for (const TsMessage& m : tables().byLanguage.at(lang).messages) {
            std::vector<std::string> expected = placeholdersOf(m.source);
            if (auto it = german.find(m.source); expected.empty() && it != german.end())
                expected = placeholdersOf(it->second);
            const std::vector<std::string> found = placeholdersOf(m.translation);
            EXPECT_EQ(found, expected)
                << "tolvane_" << lang << ".ts line " << m.line << " \"" << m.source
                << "\": placeholders " << quoted(found) << " instead of " << quoted(expected);
        }
    }
}

TEST(StringTables, HaveATextForEveryKeyTheCodeUses) {
    const std::vector<KeyUse> uses =
        scanKeyFolders(kRoot, {"app", "screens", "exchange", "store", "nutrition"});
    for (const KeyUse& use : uses) {
        const std::string missing = missingLanguages(use.key);
        EXPECT_TRUE(missing.empty()) << use.file << ":" << use.line << ": key \"" << use.key
                                     << "\" has no text in: " << missing;
    }
}

TEST(StringTables, HaveATextForEveryCatalogueCategory) {
    const std::string path = kRoot + "/resources/catalogue/categories.tsv";
    std::ifstream in(path);
    ASSERT_TRUE(in) << "cannot read " << path;
    std::string line;
    int number = 0;
    int categories = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t tab = line.find('\t');
        if (number == 1 || line.empty() || tab == std::string::npos) continue;
        const std::string name = line.substr(tab + 1, line.find('\t', tab + 1) - tab - 1);
        ++categories;
        const std::string missing = missingLanguages(name);
        EXPECT_TRUE(missing.empty()) << "categories.tsv:" << number << ": category \"" << name
                                     << "\" has no text in: " << missing;
    }
    EXPECT_GT(categories, 0) << path << " lists no categories";
}

// The information page picks its text by comparing the shown title with the texts of these keys;
// two equal texts would open the wrong page.
TEST(StringTables, InformationPageTitlesDifferInEveryLanguage) {
    const std::vector<std::string> titleKeys{"Ampel-Infos",
                                             "Benutzungstips",
                                             "Lokalisierung",
                                             "Live-Suche",
                                             "Metrische Einheiten",
                                             "Infotext Profil Titel",
                                             "BMI Infotext Titel",
                                             "Ideal Weight Infotext",
                                             "Activity Level Infotext",
                                             "Daily Calories Infotext"};
    for (const std::string& lang : kLanguages) {
        std::map<std::string, std::string> keyOfText;
        for (const std::string& key : titleKeys) {
            const auto& texts = tables().texts.at(lang);
            auto it = texts.find(key);
            ASSERT_NE(it, texts.end()) << lang << " has no text for \"" << key << "\"";
            auto [other, fresh] = keyOfText.emplace(it->second, key);
            EXPECT_TRUE(fresh) << lang << ": \"" << key << "\" and \"" << other->second
                               << "\" share the text \"" << it->second << "\"";
        }
    }
}

// Mail links are bare addresses with a final full stop, so that against the resource directory
// they resolve to the address the page's link handler recognises.
TEST(StringTables, HelpPagesLinkMailAddressesAsTheLinkHandlerExpects) {
    const std::set<std::string> mailLinks{"support@tolvane.ch.", "update@tolvane.ch."};
    const std::regex href(R"re(href\s*=\s*"([^"]*)")re");
    for (const std::string& lang : kLanguages) {
        int mailLinksSeen = 0;
        for (const TsMessage& m : tables().byLanguage.at(lang).messages) {
            for (auto it = std::sregex_iterator(m.translation.begin(), m.translation.end(), href);
                 it != std::sregex_iterator(); ++it) {
                const std::string target = (*it)[1];
                if (target.find('@') == std::string::npos) {
                    EXPECT_EQ(target.rfind("https://", 0), 0u)
                        << lang << " \"" << m.source << "\": link " << target;
                    continue;
                }
                ++mailLinksSeen;
                EXPECT_EQ(mailLinks.count(target), 1u)
                    << lang << " \"" << m.source << "\": mail link " << target
                    << " is not a bare address with a final full stop";
            }
        }
        EXPECT_GT(mailLinksSeen, 0) << lang << ": no help page offers the support address";
    }
}

} // namespace
} // namespace tolvane
