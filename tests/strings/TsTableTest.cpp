#include "TsTable.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

TEST(TsTable, ReadsMessagesWithTheirState) {
    const TsTable t = parseTsText(
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
        "<TS version=\"2.1\" language=\"de_DE\">\n<context>\n    <name>Tolvane</name>\n"
        "    <!-- a comment <message> -->\n"
        "    <message>\n        <location filename=\"x.cpp\" line=\"3\"/>\n"
        "        <source>    Optionen</source>\n        <translation>    Optionen</translation>\n"
        "    </message>\n"
        "    <message><source>A</source><translation type=\"unfinished\"></translation></message>\n"
        "    <message><source>B</source><translation type=\"obsolete\">b</translation></message>\n"
        "    <message><source>C</source><translation/></message>\n"
        "</context>\n</TS>\n");
    EXPECT_TRUE(t.errors.empty());
    EXPECT_EQ(t.language, "de_DE");
    EXPECT_EQ(t.contexts, std::vector<std::string>{"Tolvane"});
    ASSERT_EQ(t.messages.size(), 4u);
    EXPECT_EQ(t.messages[0].source, "    Optionen");
    EXPECT_EQ(t.messages[0].translation, "    Optionen");
    EXPECT_EQ(t.messages[0].context, "Tolvane");
    EXPECT_EQ(t.messages[0].line, 7);
    EXPECT_EQ(t.messages[1].type, "unfinished");
    EXPECT_EQ(t.messages[2].type, "obsolete");
    EXPECT_EQ(t.messages[3].translation, "");
}

TEST(TsTable, DecodesEntitiesAndCharacterReferences) {
    const TsTable t = parseTsText("<TS><context><name>Tolvane</name><message>"
                                  "<source>Tageskalorien- &amp; N&#228;hrwertbedarf</source>"
                                  "<translation>&lt;b&gt;&quot;&apos;&#x44F;&#1103;</translation>"
                                  "</message></context></TS>");
    EXPECT_TRUE(t.errors.empty());
    ASSERT_EQ(t.messages.size(), 1u);
    EXPECT_EQ(t.messages[0].source, "Tageskalorien- & Nährwertbedarf");
    EXPECT_EQ(t.messages[0].translation, "<b>\"'яя");
}

TEST(TsTable, ReportsMarkupThatLreleaseWouldReject) {
    EXPECT_FALSE(parseTsText("<TS><context><name>T</name><message><source>Fish & Chips</source>"
                             "<translation>x</translation></message></context></TS>")
                     .errors.empty());
    EXPECT_FALSE(parseTsText("<TS><context><name>T</name><message><source>a</source>"
                             "<translation>1 < 2</translation></message></context></TS>")
                     .errors.empty());
    EXPECT_FALSE(parseTsText("<TS><context><name>T</name><message><source>a</source>"
                             "<translation>x</source></message></context></TS>")
                     .errors.empty());
    EXPECT_FALSE(parseTsText("<TS><context><name>T</name>").errors.empty());
    EXPECT_FALSE(readTsFile("/nonexistent/tolvane_xx.ts").errors.empty());
}

} // namespace
} // namespace tolvane
