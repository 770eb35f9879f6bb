// The export's values as the import reads them: nutrient amounts, pack sizes, barcodes and dates.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

// A number column. Empty (blanks only) is no value; a number is digits with an optional
// fraction after "." and an optional exponent, no sign. Anything else ("NaN", "12,5", "-3", text)
// is NotANumber; a number above the column's limit (or not finite) is OutOfRange.
struct ExportAmount {
    enum class Kind { Empty, Value, NotANumber, OutOfRange };
    Kind kind = Kind::Empty;
    double value = 0;
};
ExportAmount readExportAmount(std::string_view text, double limit);

// A pack size ("500 g", "1,5 l", "33cl", "6 x 330 ml"): the whole amount in grams or
// millilitres, nothing when it cannot be read.
struct PackSize {
    double amount = 0;
    bool volume = false; // millilitres
};
std::optional<PackSize> readPackSize(std::string_view text);

// A product's barcode. Codes of 8, 12, 13 or 14 digits are read as the program reads them
// (format/Gtin): key is the value in 14 digits, so a UPC-A and the EAN-13 with a leading 0 are
// one product, and gtin the code in 13 digits (14 when it needs them; an EAN-8 keeps its 8).
// Other codes of 3 to 11 digits are kept as they are, for both. Nothing for any other text.
struct ExportCode {
    std::string key;
    std::string gtin;
};
std::optional<ExportCode> readExportCode(std::string_view text);

// last_modified_t: seconds since 1970; 0 when empty, unreadable or past the year 9999.
long long readExportTime(std::string_view text);

} // namespace tolvane
