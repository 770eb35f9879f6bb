// The search's folding of case and accents, and the barcode numbers it recognises.
#include "format/Gtin.h"
#include "text/SearchFold.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

TEST(SearchFold, CaseAndLatinAccentsFoldInEveryScriptCyrillicLettersKeepTheirs) {
    const std::pair<const char*, const char*> folded[] = {
        {"KÄSE", "kase"},
        {"Käse", "kase"},
        {"Ka\xcc\x88se", "kase"},
        {"Straße", "strasse"},
        {"STRAẞE", "strasse"},
        {"Pépito", "pepito"},
        {"Smørrebrød", "smorrebrod"},
        {"Łódź", "lodz"},
        {"Œuf", "oeuf"},
        {"Ærø", "aero"},
        {"İstanbul", "istanbul"},
        {"Молоко", "молоко"},
        {"ЁЛКА", "елка"},
        {"Йогурт", "йогурт"},
        {"и\xcc\x86", "й"},
        {"ΣΟΦΟΣ ς", "σοφοσ σ"},
        {"L’Or ‘x ʼy", "l'or 'x 'y"},
        {"100%_a", "100%_a"},
        {"a\x80\xc3", "a\xef\xbf\xbd\xef\xbf\xbd"},
        {"", ""}};
    for (const auto& [text, expected] : folded)
        EXPECT_EQ(foldForSearch(text), expected) << text;
}

TEST(Gtin, ReadsTheFourLengthsWithSpacesAndChecksTheDigit) {
    struct Case {
        const char* text;
        std::uint64_t value; // 0: no barcode
        bool fits;
    };
    const Case cases[] = {
        {"4006381333931", 4006381333931, true},    // EAN-13
        {" 4006381 333931 ", 4006381333931, true}, // spaces anywhere
        // as pasted or kept by a spreadsheet: tabs, line ends, no-break spaces, a ".0" tail
        {"4006381333931\t", 4006381333931, true},
        {"\r\n4006381333931\r", 4006381333931, true},
        {"4006381\u00a0333931", 4006381333931, true},
        {"4 006381\u202f333931", 4006381333931, true},
        {"4006381333931.0", 4006381333931, true},
        {"4006381333931,00 ", 4006381333931, true},
        {"4006381333931.", 0, false},
        {"4006381333931.5", 0, false},
        {"400638.1333931", 0, false},
        {".4006381333931", 0, false},
        {"4006381\302333931", 0, false},         // half a no-break space
        {"4006381333932", 4006381333932, false}, // wrong check digit
        {"96385074", 96385074, true},            // EAN-8
        {"036000291452", 36000291452, true},     // UPC-A, the same as its EAN-13 below
        {"0036000291452", 36000291452, true},
        {"00036000291452", 36000291452, true}, // GTIN-14
        {"1234567", 0, false},
        {"123456789", 0, false},
        {"400638133393a", 0, false},
        {"400638133393100", 0, false},
        {"", 0, false},
        {"-4006381333931", 0, false}};
    for (const Case& c : cases) {
        const auto code = readGtin(c.text);
        ASSERT_EQ(code.has_value(), c.value != 0) << c.text;
        if (!code) continue;
        EXPECT_EQ(code->value, c.value) << c.text;
        EXPECT_EQ(code->checkDigitFits, c.fits) << c.text;
    }
}

} // namespace
} // namespace tolvane
