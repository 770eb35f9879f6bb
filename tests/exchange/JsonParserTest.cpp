#include "exchange/JsonParser.h"

#include <gtest/gtest.h>

using namespace tolvane;

TEST(JsonParser, ReadsMapsListsTextsNumbersADistinctNullAndDeepNesting) {
    JsonParser parser;
    std::string error;
    auto value = parser.objectWithString(
        R"({"Updated Records": {"rows": ["750"], "products": null, "n": 12, "x": 1.5,
            "list": [1, "a", null], "text": "Bäcker's | Brot"}})",
        &error);
    ASSERT_TRUE(value);
    EXPECT_TRUE(error.empty());
    const auto& records = (*value)["Updated Records"];
    EXPECT_TRUE(records.contains("products") && records["products"].is_null());
    EXPECT_FALSE(records.contains("missing"));
    EXPECT_EQ(JsonParser::intOf(records["rows"][0]), 750);
    EXPECT_EQ(JsonParser::textOf(records["n"]), "12");
    EXPECT_EQ(JsonParser::textOf(records["x"]), "1.5");
    EXPECT_EQ(JsonParser::textOf(records["text"]), "Bäcker's | Brot");
    EXPECT_EQ(records["list"].size(), 3u);
    EXPECT_TRUE(records["list"][2].is_null());
    EXPECT_EQ(JsonParser::textOf(records["list"][2]), "");

    // Very deep nesting, without limits, does not run out of stack.
    const std::string deep = std::string(200000, '[') + std::string(200000, ']');
    EXPECT_TRUE(parser.objectWithString(deep, &error).has_value());
}

TEST(JsonParser, GivesNothingAndADescriptionForTextThatIsNotJson) {
    JsonParser parser;
    for (std::string bad : {"", "No product has been updated.", "<html>502</html>", "{\"a\": 1",
                            "{\"a\": \"\xff\xfe\"}", "[1,2]]"}) {
        std::string error;
        EXPECT_FALSE(parser.objectWithString(bad, &error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}

TEST(JsonParser, LeadingIntReadsTheNumberAtTheStartOnly) {
    const std::pair<const char*, int> cases[] = {{"250", 250},
                                                 {"12abc", 12},
                                                 {" 7", 7},
                                                 {"-3", -3},
                                                 {"abc", 0},
                                                 {"", 0},
                                                 {"99999999999999999999", INT_MAX}};
    for (const auto& [text, number] : cases)
        EXPECT_EQ(leadingInt(text), number) << text;
}

TEST(JsonParserLimits, DepthAndValueCountAreBoundedAsTheParseGoes) {
    JsonParser parser;
    std::string error;
    const JsonLimits limits{2, 10};
    // The outermost value is depth 0; its members 1; theirs 2.
    EXPECT_TRUE(parser.objectWithString(R"({"a": {"b": 1, "c": []}})", &error, limits));
    EXPECT_FALSE(parser.objectWithString(R"({"a": {"b": [1]}})", &error, limits));
    EXPECT_EQ(error, "nested deeper than 2");
    EXPECT_FALSE(parser.objectWithString("[1,2,3,4,5,6,7,8,9,10,11]", &error, limits));
    EXPECT_EQ(error, "more than 10 values");
    // Unclosed brackets are refused at the limit, long before the end of the text.
    EXPECT_FALSE(parser.objectWithString(std::string(50'000'000, '['), &error, limits));
    EXPECT_EQ(error, "nested deeper than 2");
    EXPECT_FALSE(parser.objectWithString("[1,", &error, limits));
    EXPECT_NE(error.find("parse error"), std::string::npos) << error;
}
