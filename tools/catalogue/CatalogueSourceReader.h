#pragma once

#include "tools/catalogue/CatalogueSource.h"

#include <filesystem>
#include <istream>
#include <string>
#include <vector>

namespace tolvane {

// Reads and checks the tab-separated catalogue source. Every problem throws CatalogueError
// naming the file and line, so a broken source never turns into a half-built catalogue.
class CatalogueSourceReader {
public:
    static std::vector<CatalogueCategory> readCategories(std::istream& in,
                                                         const std::string& label);
    static std::vector<CatalogueRecord> readProducts(std::istream& in, const std::string& label);

    static std::vector<CatalogueCategory> readCategoriesFile(const std::filesystem::path& path);
    static std::vector<CatalogueRecord> readProductsFile(const std::filesystem::path& path);

    // Products must name a known category and carry unique identifiers.
    static void checkConsistency(const CatalogueSource& source);
};

} // namespace tolvane
