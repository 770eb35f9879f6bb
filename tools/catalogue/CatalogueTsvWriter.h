#pragma once

#include "tools/catalogue/CatalogueSource.h"

#include <filesystem>
#include <ostream>
#include <vector>

namespace tolvane {

// Writes products in the products.tsv layout that CatalogueSourceReader and the product
// server read.
class CatalogueTsvWriter {
public:
    static void writeProducts(const std::vector<CatalogueRecord>& products, std::ostream& out);
    static void writeProductsFile(const std::vector<CatalogueRecord>& products,
                                  const std::filesystem::path& path);
};

} // namespace tolvane
