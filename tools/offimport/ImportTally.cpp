#include "tools/offimport/ImportTally.h"

namespace tolvane {

void ImportTally::print(std::ostream& out) const {
    out << "lines read: " << lines << "\n";
    out << "products taken: " << distinct;
    if (products > distinct)
        out << " (" << (products - distinct)
            << " more lines repeated a code; the newest last_modified_t kept)";
    out << "\n";
    const auto line = [&out](long long count, const char* what) {
        if (count > 0) out << "  " << count << " " << what << "\n";
    };
    if (otherCountry > 0) out << "not sold in the country chosen: " << otherCountry << "\n";
    if (leftOut() > 0) out << "lines left out: " << leftOut() << "\n";
    line(wrongFieldCount, "with a number of fields other than the header's");
    line(nulByte, "holding a NUL byte");
    line(tooLong, "longer than 1 MiB");
    line(notUtf8, "whose name or brand is not UTF-8");
    line(badCode, "whose code is no barcode (letters, fewer than 3 or more than 14 digits)");
    line(noName, "without a name");
    if (notANumber + outOfRange > 0)
        out << "nutrient values not read (the product taken without them): "
            << notANumber + outOfRange << "\n";
    line(notANumber, "not a number (text, a sign, a decimal comma, NaN)");
    line(outOfRange, "beyond what 100 g can hold");
    if (unterminatedQuote > 0)
        out << "fields opening a quote they do not close (kept as text): " << unterminatedQuote
            << "\n";
    if (otherCategory > 0)
        out << "products in the category of the rest (no known tag): " << otherCategory << "\n";
}

} // namespace tolvane
