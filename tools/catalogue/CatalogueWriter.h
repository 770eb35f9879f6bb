#pragma once

#include "tools/catalogue/CatalogueSource.h"

#include <filesystem>
#include <string>

namespace tolvane {

// The CREATE statements of the shipped file's tables and their indexes, as one SQL text; the list
// index comes after the rows. Tests build their files from it too.
std::string shippedSchemaSql();

// Writes the database file delivered with the application: the catalogue, its categories, the
// empty own-products table and the single bookkeeping and settings rows. The file is built
// beside the target and moved into place only when complete.
class CatalogueWriter {
public:
    static void write(const CatalogueSource& source, const std::filesystem::path& out);
};

} // namespace tolvane
