#pragma once

#include "tools/catalogue/CatalogueSource.h"

#include <cstdint>
#include <vector>

namespace tolvane {

// A made-up catalogue of any size for benchmarks and integration tests. Names are of realistic
// length and use umlauts, ß, apostrophes, accented letters, and digits or "@" at the start;
// every category is used and some nutrients are "keine Angaben". The same seed always gives
// the same products.
class SyntheticCatalogue {
public:
    static std::vector<CatalogueCategory> defaultCategories();
    static std::vector<CatalogueRecord> generate(int count, std::uint64_t seed,
                                                 const std::vector<CatalogueCategory>& categories);
};

} // namespace tolvane
