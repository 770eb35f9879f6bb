// Checks the six shipped string tables against each other, the shipped catalogue's categories and
// every key the product code uses, as Qt's lupdate finds them.
#include "nutrition/NumberText.h"
#include "tools/catalogue/CatalogueSourceReader.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <map>
#include <regex>
#include <set>

namespace tolvane {
namespace {

const std::vector<std::string> kLanguages{"de", "en", "es", "fr", "it", "ru"};
const QString kRoot = TOLVANE_SOURCE_ROOT;

struct TsMessage {
    std::string source;
    std::string translation;
    std::string type; // "", "unfinished", "obsolete" or "vanished"
    qint64 line = 0;
    std::string usedAt; // the first place lupdate found the key, "file:line"
};

struct TsTable {
    std::vector<std::string> contexts;
    std::vector<TsMessage> messages;
    std::string error;
};

TsTable readTs(const QString& path) {
    TsTable table;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {{}, {}, "cannot be read"};
    const QDir dir = QFileInfo(path).absoluteDir();
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto name = xml.name();
        if (name == u"name") {
            table.contexts.push_back(xml.readElementText().toStdString());
        } else if (name == u"message") {
            table.messages.push_back({{}, {}, {}, xml.lineNumber(), {}});
        } else if (table.messages.empty()) {
            continue;
        } else if (TsMessage& m = table.messages.back(); name == u"source") {
            m.source = xml.readElementText().toStdString();
        } else if (name == u"translation") {
            m.type = xml.attributes().value("type").toString().toStdString();
            m.translation = xml.readElementText().toStdString();
        } else if (name == u"location" && m.usedAt.empty()) {
            const auto file = dir.absoluteFilePath(xml.attributes().value("filename").toString());
            const auto line = xml.attributes().value("line").toString();
            m.usedAt = (QDir::cleanPath(file) + ":" + line).toStdString();
        }
    }
    if (xml.hasError())
        table.error =
            "line " + std::to_string(xml.lineNumber()) + ": " + xml.errorString().toStdString();
    return table;
}

struct Tables {
    std::map<std::string, TsTable> byLanguage;
    // language -> key -> finished text
    std::map<std::string, std::map<std::string, std::string>> texts;
};

const Tables& tables() {
    static const Tables loaded = [] {
        Tables t;
        for (const std::string& lang : kLanguages) {
            TsTable table = readTs(kRoot + "/resources/strings/tolvane_" + lang.c_str() + ".ts");
            for (const TsMessage& m : table.messages)
                if (m.type.empty() &&
                    m.translation.find_first_not_of(" \t\r\n") != std::string::npos)
                    t.texts[lang].emplace(m.source, m.translation);
            t.byLanguage.emplace(lang, std::move(table));
        }
        return t;
    }();
    return loaded;
}

std::string missingLanguages(const std::string& key) {
    std::string missing;
    for (const std::string& lang : kLanguages)
        if (!tables().texts.count(lang) || !tables().texts.at(lang).count(key))
            missing += (missing.empty() ? "" : ", ") + lang;
    return missing;
}

// The printf-style placeholders of a text (%@, %d, %.1f, %0.f, %1$@ ...), in order. "%%" is a
// percent sign; a percent sign before a blank ("100 % of") is prose.
std::vector<std::string> placeholdersOf(const std::string& text) {
    static const std::regex placeholder(
        R"(%%|%(\d+\$)?[-+0#']*\*?\d*(\.\d*)?(hh|ll|[hlLqzjt])?[@dDiuUxXoOfFeEgGaAcCsSp])");
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder);
         it != std::sregex_iterator(); ++it)
        if (it->str() != "%%") found.push_back(it->str());
    return found;
}

TEST(StringTables, AreWellFormedFinishedAndHoldTheSameKeysOnceEach) {
    std::set<std::string> all;
    for (const std::string& lang : kLanguages) {
        const TsTable& table = tables().byLanguage.at(lang);
        const std::string file = "tolvane_" + lang + ".ts";
        EXPECT_EQ(table.error, "") << file;
        EXPECT_EQ(table.contexts, std::vector<std::string>{"Tolvane"}) << file;
        std::set<std::string> seen;
        for (const TsMessage& m : table.messages) {
            const std::string where =
                file + " line " + std::to_string(m.line) + " \"" + m.source + "\"";
            EXPECT_TRUE(seen.insert(m.source).second) << where << ": the key twice";
            EXPECT_EQ(m.type, "") << where;
            EXPECT_NE(m.translation.find_first_not_of(" \t\r\n"), std::string::npos)
                << where << " has no text";
            all.insert(m.source);
        }
    }
    for (const std::string& key : all)
        EXPECT_EQ(missingLanguages(key), "") << "key \"" << key << "\" has no finished text";
}

// A key written as a format ("%@ kcal") keeps its placeholders in every language; a key named
// like an identifier takes the placeholders of its German text.
TEST(StringTables, TextsKeepTheKeysPlaceholders) {
    ASSERT_EQ(placeholdersOf("%d von %1$@, %.1f %0.f 100 % und 5%%"),
              (std::vector<std::string>{"%d", "%1$@", "%.1f", "%0.f"}));
    const auto& german = tables().texts.at("de");
    for (const std::string& lang : kLanguages) {
        for (const TsMessage& m : tables().byLanguage.at(lang).messages) {
            std::vector<std::string> expected = placeholdersOf(m.source);
            if (auto it = german.find(m.source); expected.empty() && it != german.end())
                expected = placeholdersOf(it->second);
            EXPECT_EQ(placeholdersOf(m.translation), expected)
                << "tolvane_" << lang << ".ts line " << m.line << " \"" << m.source << "\"";
        }
    }
}

// lupdate collects key("…"), the marker for keys kept for a later lookup, and text("…"), the
// lookup itself. A key passed on in a variable needs its marker where it is written.
TEST(StringTables, HaveATextForEveryKeyTheCodeUses) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    QProcess lupdate;
    lupdate.setWorkingDirectory(kRoot);
    lupdate.start(TOLVANE_LUPDATE,
                  {"-silent", "-locations", "absolute", "-tr-function-alias",
                   "QT_TR_NOOP+=key,tr+=text", "app", "screens", "exchange", "store", "nutrition",
                   "platform", "-ts", scratch.filePath("used.ts")});
    ASSERT_TRUE(lupdate.waitForFinished(120'000)) << "lupdate did not finish";
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    const TsTable used = readTs(scratch.filePath("used.ts"));
    ASSERT_EQ(used.error, "");
    EXPECT_GT(used.messages.size(), 100u) << "lupdate found hardly any keys";
    for (const TsMessage& m : used.messages)
        EXPECT_EQ(missingLanguages(m.source), "")
            << m.usedAt << ": key \"" << m.source << "\" has no finished text";
}

TEST(StringTables, HaveATextForEveryCatalogueCategory) {
    const auto path = kRoot + "/resources/catalogue/categories.tsv";
    for (const auto& category : CatalogueSourceReader::readCategoriesFile(path.toStdString()))
        EXPECT_EQ(missingLanguages(category.name), "")
            << "category \"" << category.name << "\" has no text";
}

// What a screen reader says is said in the interface language, not in German.
TEST(StringTables, AccessibleTextsAreTranslated) {
    for (const std::string& lang : kLanguages) {
        const auto& texts = tables().texts.at(lang);
        for (const auto& [key, german] : tables().texts.at("de"))
            if (key.rfind("Accessible ", 0) == 0 && lang != "de" && texts.count(key)) {
                EXPECT_NE(texts.at(key), german) << lang << " \"" << key << "\"";
            }
    }
}

// The information page picks its text by comparing the shown title with the texts of these keys;
// two equal texts would open the wrong page.
TEST(StringTables, InformationPageTitlesDifferInEveryLanguage) {
    const std::vector<std::string> titleKeys{
        "Ampel-Infos",         "Benutzungstips",        "Lokalisierung",      "Live-Suche",
        "Metrische Einheiten", "Infotext Profil Titel", "BMI Infotext Titel", "Ideal Body Weight",
        "Activity Level",      "Daily Calories(kcal)"};
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

NumberFormat formatOf(const std::string& lang) {
    return NumberFormat([lang](const std::string& key) {
        const auto& texts = tables().texts.at(lang);
        const auto it = texts.find(key);
        return it == texts.end() ? key : it->second;
    });
}

// Figures as each language writes them: thousands, decimals, a share, a unit that stays with its
// number (U+00A0 no-break space, U+202F the narrow one French puts before "%" and in thousands).
TEST(StringTables, NumbersAreWrittenAsEachLanguageDoes) {
    const struct {
        std::string lang, thousands, fourDigits, percent, energy, fat, salt;
    } cases[] = {
        {"en", "13,543", "1,951", "47%", "1,951\u00A0kJ", "3.0\u00A0g", "0.30\u00A0g"},
        {"de", "13.543", "1.951", "47\u00A0%", "1.951\u00A0kJ", "3,0\u00A0g", "0,30\u00A0g"},
        {"es", "13.543", "1951", "47\u00A0%", "1951\u00A0kJ", "3,0\u00A0g", "0,30\u00A0g"},
        {"fr", "13\u202F543", "1\u202F951", "47\u202F%", "1\u202F951\u00A0kJ", "3,0\u00A0g",
         "0,30\u00A0g"},
        {"it", "13.543", "1.951", "47%", "1.951\u00A0kJ", "3,0\u00A0g", "0,30\u00A0g"},
        {"ru", "13\u00A0543", "1\u00A0951", "47\u00A0%", "1\u00A0951\u00A0кДж", "3,0\u00A0г",
         "0,30\u00A0г"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lang);
        const NumberFormat format = formatOf(c.lang);
        EXPECT_EQ(format.number("13543"), c.thousands);
        EXPECT_EQ(format.number("1951"), c.fourDigits);
        EXPECT_EQ(format.percent(47), c.percent);
        // A stored "1951.0" without its ".0"; one decimal for fat whether stored with it or not.
        EXPECT_EQ(format.withUnit(format.amount("1951.0", 0), "kJ"), c.energy);
        EXPECT_EQ(format.withUnit(format.amount("3", 1), "g"), c.fat);
        EXPECT_EQ(format.withUnit(format.amount("0.3", 2), "g"), c.salt);
        // A field is read back: no thousands there.
        EXPECT_EQ(format.fieldNumber("13543.5"), c.lang == "en" ? "13543.5" : "13543,5");
        // A share in the texts keeps its sign on the line of its number.
        for (const auto& [key, text] : tables().texts.at(c.lang))
            EXPECT_FALSE(std::regex_search(text, std::regex("[0-9] %"))) << key;
    }
}

} // namespace
} // namespace tolvane
