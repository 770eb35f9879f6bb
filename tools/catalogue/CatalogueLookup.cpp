#include "tools/catalogue/CatalogueLookup.h"

#include "catalogue/HeldListSearch.h"
#include "catalogue/HeldProductList.h"
#include "format/Gtin.h"
#include "platform/Log.h"
#include "store/Database.h"
#include "tools/catalogue/CatalogueError.h"

#include <filesystem>
#include <iostream>

namespace tolvane {

namespace {

HeldList readList(const std::string& dbPath, bool barcodes) {
    // Opening a missing file would make an empty one.
    if (!std::filesystem::is_regular_file(dbPath))
        throw CatalogueError("no database file " + dbPath);
    StreamLog log(std::cerr);
    Database database(dbPath, log);
    HeldList held = readHeldList(database);
    if (barcodes) held.barcodes = std::make_shared<const BarcodeIndex>(database, *held.rows);
    return held;
}

void printRow(const PackedRows& rows, std::uint32_t at, std::ostream& out) {
    out << rows.recordId(at) << '\t' << rows.name(at) << '\t' << rows.maker(at) << '\n';
}

} // namespace

void printSearch(const std::string& dbPath, const std::string& typed, std::ostream& out) {
    const HeldList held = readList(dbPath, false);
    // As the product list asks: the text anywhere in the name or the maker.
    for (const std::uint32_t at : findInHeldList(*held.rows, *held.search, "%" + typed + "%"))
        printRow(*held.rows, at, out);
}

bool printGtin(const std::string& dbPath, const std::string& code, std::ostream& out) {
    const auto gtin = readGtin(code);
    if (!gtin) return false;
    const HeldList held = readList(dbPath, true);
    const auto found = held.barcodes->rowsWith(gtin->value);
    for (const std::uint32_t at : found)
        printRow(*held.rows, at, out);
    return !found.empty();
}

} // namespace tolvane
