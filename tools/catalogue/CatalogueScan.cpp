#include "barcode/GreyPicture.h"
#include "tools/catalogue/CatalogueLookup.h"

#include <iostream>

namespace tolvane {

bool printScan(const std::string& dbPath, const std::string& picturePath, std::ostream& out) {
    const GreyPicture picture(QString::fromStdString(picturePath));
    if (!picture.readable()) {
        std::cerr << "tolvane-catalogue: cannot read the picture " << picturePath << '\n';
        return false;
    }
    const auto code = readBarcode(picture.buffer());
    if (!code) {
        std::cerr << "tolvane-catalogue: no barcode in " << picturePath << '\n';
        return false;
    }
    out << code->digits << '\n';
    // The program finds the product the same way as the typed code.
    return printGtin(dbPath, code->digits, out);
}

} // namespace tolvane
