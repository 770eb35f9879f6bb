// Barcode numbers (GTIN): EAN-8, UPC-A (12 digits), EAN-13 and GTIN-14, as typed into the search
// field and as the catalogue holds them. Codes that differ only by leading zeros are the same
// product (a UPC-A is the EAN-13 with a leading 0), so each is kept as its value.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tolvane {

struct Gtin {
    std::uint64_t value = 0; // the digits as a number: leading zeros do not count
    bool checkDigitFits = false;
};

// The code in a text of 8, 12, 13 or 14 digits; blanks (spaces, tabs, line ends, no-break spaces)
// allowed between and around them, and a decimal point followed by zeros at the end, as a
// spreadsheet writes a number ("4006381333931.0"); nothing for any other text. The one reading of
// a barcode number: typed, scanned and stored codes meet through it.
std::optional<Gtin> readGtin(std::string_view text);

// A shop's own code, 3 to 11 digits that are no GTIN (an export keeps them as they are): found
// only as typed, every digit counting, leading zeros too. Its key in the barcode index, apart
// from every GTIN's value; nothing for any other text. Blanks around the digits are allowed.
std::optional<std::uint64_t> shortCodeKey(std::string_view text);

} // namespace tolvane
