#include "barcode/PictureCode.h"
#include "tools/catalogue/CatalogueLookup.h"

#include <iostream>

namespace tolvane {

int printScan(const std::string& dbPath, const std::string& picturePath, std::ostream& out) {
    // Read as the scan screen reads a picture chosen: a pipe in its place is refused unread.
    const PictureCode read = readPictureCode(picturePath);
    const auto fail = [&](const char* what, int status) {
        std::cerr << "tolvane-catalogue: " << picturePath << ": " << what << '\n';
        return status;
    };
    using Outcome = PictureCode::Outcome;
    switch (read.outcome) {
    case Outcome::Code:
        break;
    case Outcome::NoCode:
        return fail("no barcode in this picture", 1);
    case Outcome::Missing:
        return fail("no such file", 1);
    case Outcome::NotAFile:
        return fail("not a regular file (a pipe, device or folder); not read", 2);
    case Outcome::TooLarge:
        return fail("too large to be a picture; not read", 1);
    case Outcome::Unreadable:
    case Outcome::Stopped:
        return fail("cannot read the picture", 1);
    }
    out << read.code->digits << '\n';
    // The program finds the product the same way as the typed code.
    return printGtin(dbPath, read.code->digits, out) ? 0 : 1;
}

} // namespace tolvane
