// A catalogue source as the tools read and write it: the categories and the products.
#pragma once

#include "format/CatalogueRecord.h"

#include <string>
#include <vector>

namespace tolvane {

struct CatalogueCategory {
    int id = 0;
    std::string name;
};

struct CatalogueSource {
    std::vector<CatalogueCategory> categories;
    std::vector<CatalogueRecord> products;
};

} // namespace tolvane
