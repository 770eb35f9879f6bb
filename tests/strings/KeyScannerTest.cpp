#include "KeyScanner.h"
#include "Placeholders.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

std::vector<std::string> keysIn(const std::string& source) {
    std::vector<std::string> keys;
    for (const KeyUse& use : scanKeys(source, "f.cpp"))
        keys.push_back(use.key);
    return keys;
}

using Keys = std::vector<std::string>;

TEST(KeyScanner, FindsEveryFormWithItsLine) {
    const std::string source =
        "auto a = key(\"Menu List\");\n"
        "title = strings.text(\"Suche\");\n"
        "p->strings->text(\"Kategorien\");\n"
        "alerts.show({\"\", \"Keine Treffer\", {\"OK\"}}, answer);\n"
        "AlertRequest r{\"Setup-Info\", \"Hilfe zur Setupnutzung\", {\"OK\"}};\n";
    const std::vector<KeyUse> uses = scanKeys(source, "screens/x.cpp");
    const Keys expected{"Menu List",
                        "Suche",
                        "Kategorien",
                        "Keine Treffer",
                        "OK",
                        "Setup-Info",
                        "Hilfe zur Setupnutzung",
                        "OK"};
    ASSERT_EQ(keysIn(source), expected);
    EXPECT_EQ(uses[0].line, 1);
    EXPECT_EQ(uses[2].line, 3);
    EXPECT_EQ(uses[3].line, 4);
    EXPECT_EQ(uses[5].line, 5);
    EXPECT_EQ(uses[5].file, "screens/x.cpp");
}

TEST(KeyScanner, CollectsNestedAndPositionalAlertTexts) {
    EXPECT_EQ(keysIn("alerts.show(AlertRequest{\"\", \"Wollen Sie?\", {\"Ja\", \"Nein\"}});"),
              (Keys{"Wollen Sie?", "Ja", "Nein"}));
    EXPECT_EQ(keysIn("return AlertRequest(\"T\", strings.text(\"M\"), {\"OK\"});"),
              (Keys{"T", "M", "OK", "M"}));
    EXPECT_EQ(keysIn("AlertRequest r = {.title = \"A\", .message = \"B\"};"), (Keys{"A", "B"}));
}

TEST(KeyScanner, IgnoresTextsThatAreNoKeys) {
    EXPECT_EQ(keysIn("log.write(\"Setup -Screen\"); // key(\"commented\")\n"
                     "/* strings.text(\"block\") */ defaults.set(\"isfirstLaunchSetup\", false);\n"
                     "widget->show(); label->setText(\"x\"); json.key(\"member\");\n"
                     "struct AlertRequest { std::string title; };\n"
                     "void show(const AlertRequest& alert, AlertAnswer answer = {});\n"
                     "strings.text(\"ampel_neutral_\" + lang); strings.text(name);"),
              Keys{});
}

TEST(KeyScanner, JoinsAdjacentLiteralsAcrossLines) {
    EXPECT_EQ(
        keysIn("alerts.show({\"\", \"Keine Daten im Speicher vorhanden. \"\n"
               "                  /* split */ \"Bitte laden Sie zuerst herunter.\", {\"OK\"}});"),
        (Keys{"Keine Daten im Speicher vorhanden. Bitte laden Sie zuerst herunter.", "OK"}));
}

TEST(KeyScanner, DecodesEscapesAndKeepsUtf8) {
    EXPECT_EQ(keysIn(R"(key("Say \"Hi\"\\n");)"), Keys{"Say \"Hi\"\\n"});
    EXPECT_EQ(keysIn(R"(key("a\nb\tc");)"), Keys{"a\nb\tc"});
    EXPECT_EQ(keysIn(R"(key("Zur\u00fcck"); key("\x41\101");)"), (Keys{"Zurück", "AA"}));
    EXPECT_EQ(keysIn("key(\"Zurück\"); key(u8\"Pусский\");"), (Keys{"Zurück", "Pусский"}));
    EXPECT_EQ(keysIn("key(R\"x(raw \\n \"quoted\")x\");"), Keys{"raw \\n \"quoted\""});
    EXPECT_EQ(decodeCppLiteral(R"(\U0001F600\?\')"), "\xF0\x9F\x98\x80?'");
}

TEST(KeyScanner, DoesNotMistakeCharactersAndNumbersForStrings) {
    EXPECT_EQ(keysIn("char q = '\"'; int n = 1'000'000; key(\"after\");"), Keys{"after"});
    EXPECT_EQ(keysIn("if (c == '\\'') key(\"x\"); double d = 1e+5; key(\"y\");"), (Keys{"x", "y"}));
}

TEST(Placeholders, FindsFormatsButNotProse) {
    EXPECT_EQ(placeholdersOf("%@ kcal"), std::vector<std::string>{"%@"});
    EXPECT_EQ(placeholdersOf("%d%@ and %.1f, %0.f, %s, %1$@"),
              (std::vector<std::string>{"%d", "%@", "%.1f", "%0.f", "%s", "%1$@"}));
    EXPECT_TRUE(placeholdersOf("100 % des Bedarfs, 42 %, 100%% sicher").empty());
}

} // namespace
} // namespace tolvane
