#pragma once

#include "tools/catalogue/CatalogueSource.h"

#include <filesystem>
#include <functional>
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
    // Hands each product in turn to the sink it is given.
    using ProductFeed = std::function<void(const std::function<void(const CatalogueRecord&)>&)>;

    static void write(const CatalogueSource& source, const std::filesystem::path& out);
    // The same for products read as a stream, never all held at once.
    static void write(const std::vector<CatalogueCategory>& categories, const ProductFeed& products,
                      const std::filesystem::path& out);
};

} // namespace tolvane
