#include "text/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace tolvane {
namespace {

TEST(Utf8, DecodesWellFormedTextAndStepsOverEachBrokenByte) {
    constexpr char32_t x = kNotUtf8;
    const struct {
        std::string text;
        std::vector<char32_t> characters;
    } cases[] = {
        {"aé€\U0001F34E\U0010FFFF", {'a', 0xE9, 0x20AC, 0x1F34E, 0x10FFFF}},
        {"Caf\xE9!", {'C', 'a', 'f', x, '!'}}, // Latin-1
        {"x\xE2\x82", {'x', x, x}},            // cut short
        {"\x80\xBFz", {x, x, 'z'}},            // stray continuation bytes
        {"\xC0\xAF", {x, x}},                  // overlong
        {"\xE0\x9F\xBF", {x, x, x}},           // overlong
        {"\xF0\x8F\xBF\xBF", {x, x, x, x}},    // overlong
        {"\xED\xA0\x80", {x, x, x}},           // surrogate
        {"\xF4\x90\x80\x80", {x, x, x, x}},    // beyond U+10FFFF
        {"\xF8\x88\x80\x80\x80", {x, x, x, x, x}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<char32_t> read;
        std::string written;
        for (std::size_t at = 0; at < c.text.size();) {
            read.push_back(nextCodePoint(c.text, at));
            if (read.back() != x) appendUtf8(written, read.back());
        }
        EXPECT_EQ(read, c.characters);
        const bool valid = std::find(read.begin(), read.end(), x) == read.end();
        EXPECT_EQ(isValidUtf8(c.text), valid);
        if (valid) {
            EXPECT_EQ(written, c.text);
        }
    }
}

TEST(Utf8, CountsCharactersAndUtf16Units) {
    EXPECT_EQ(characterCount("aé€\U0001F34E"), 4u);
    EXPECT_EQ(utf16Length("aé€\U0001F34E"), 5u);
    EXPECT_EQ(utf16Length("\xC3z\xF0\x9F"), 4u);
}

} // namespace
} // namespace tolvane
