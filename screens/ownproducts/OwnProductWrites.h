// The writes of the own-product form: a new product with its catalogue mirror, or the changes
// to one entered before. Each runs in one transaction, so a refused step leaves nothing half done.
#pragma once

#include "store/Ids.h"

#include <string>

namespace tolvane {

class Database;

// The texts a save writes, after stripping and the salt rule.
struct OwnProductValues {
    std::string name, maker, category, fat, saturatedFat, sugar, salt, energy, unit, saltRow,
        quantity, barcode;
};

class OwnProductWrites {
public:
    explicit OwnProductWrites(Database& db) : db_(db) {}

    // The product, its catalogue row and the link between them, listed at sortOrder.
    bool insert(const OwnProductValues& values, int sortOrder);
    // Both rows changed; the product leaves every folder, whose totals drop by its calories.
    // False, and nothing changed, for a product deleted meanwhile.
    bool update(OwnProductId productId, const OwnProductValues& values);

private:
    Database& db_;
};

} // namespace tolvane
