#pragma once

#include "tools/catalogue/CatalogueSource.h"

#include <filesystem>

namespace tolvane {

// Writes the database file delivered with the application: the catalogue, its categories, the
// empty own-products table and the single bookkeeping and settings rows. The file is built
// beside the target and moved into place only when complete.
class CatalogueWriter {
public:
    static void write(const CatalogueSource& source, const std::filesystem::path& out);
};

} // namespace tolvane
