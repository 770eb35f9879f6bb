// What an import of the export read, took and left, for its summary. Lines left out and values
// not read are counted here, never thrown: one bad line costs only itself.
#pragma once

#include <ostream>

namespace tolvane {

struct ImportTally {
    long long lines = 0;    // product lines read (the header not counted)
    long long products = 0; // taken, before two lines of one code became one product
    long long distinct = 0; // products after that
    long long otherCountry = 0;
    // Lines left out.
    long long wrongFieldCount = 0;
    long long nulByte = 0;
    long long tooLong = 0;
    long long notUtf8 = 0;
    long long badCode = 0;
    long long noName = 0;
    // Taken, with something not read.
    long long notANumber = 0;
    long long outOfRange = 0;
    long long unterminatedQuote = 0;
    long long otherCategory = 0;

    long long leftOut() const {
        return wrongFieldCount + nulByte + tooLong + notUtf8 + badCode + noName;
    }
    // The summary, a line each, only the counts that are not 0 beyond the first two.
    void print(std::ostream& out) const;
};

} // namespace tolvane
