#include "text/IntegerValue.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>

namespace tolvane {
namespace {

// Ids go into statement texts and the log through formatInt: it must write what "%lld" writes.
TEST(IntegerText, FormatIntWritesWhatPrintfWritesAndReadsBack) {
    for (const long long value :
         {0LL, 1LL, -1LL, 9LL, 10LL, -10LL, 4294967295LL, 4294967296LL, (long long)INT_MAX,
          (long long)INT_MIN, INT_MAX + 1LL, LLONG_MAX, LLONG_MIN, LLONG_MIN + 1}) {
        char expected[32];
        std::snprintf(expected, sizeof expected, "%lld", value);
        EXPECT_EQ(formatInt(value), expected);
        EXPECT_EQ(integerValue64(formatInt(value)), value);
    }
}

TEST(IntegerText, OnlyCanonicalDigitsWithin32BitsAreANumber) {
    EXPECT_EQ(canonicalNumber("0"), 0u);
    EXPECT_EQ(canonicalNumber("7"), 7u);
    EXPECT_EQ(canonicalNumber("1000000"), 1000000u);
    EXPECT_EQ(canonicalNumber("4294967295"), 4294967295u);
    for (const char* text : {"", "00", "007", "-0", "-1", "+1", " 1", "1 ", "1a", "1.0", "0x10",
                             "4294967296", "99999999999999999999", "１"})
        EXPECT_EQ(canonicalNumber(text), std::nullopt) << text;
    // Every number it reads is written back as the very same text.
    for (const char* text : {"0", "10", "4294967295"})
        EXPECT_EQ(formatInt(*canonicalNumber(text)), text);
}

} // namespace
} // namespace tolvane
