#pragma once

#include "exchange/PageRecordKeys.h"

#include <array>
#include <string>
#include <vector>

namespace tolvane {

// The record keys of one catalogue product, in column order (field01 .. field24, then "ID").
inline constexpr const auto& kCatalogueKeys = pageRecordKeys;
inline constexpr int kCatalogueFieldCount = pageRecordFieldCount;
inline constexpr long long kFirstReservedId = firstOwnProductId;

// Indexes into CatalogueProduct::fields.
namespace field {
inline constexpr int name = 0;
inline constexpr int maker = 1;
inline constexpr int category = 2;
inline constexpr int inclusionDate = pageRecordDateField;
inline constexpr int unit = 7;
} // namespace field

struct CatalogueProduct {
    std::array<std::string, kCatalogueFieldCount> fields; // field01 .. field24
    long long id = 0;
};

struct CatalogueCategory {
    int id = 0;
    std::string name;
};

struct CatalogueSource {
    std::vector<CatalogueCategory> categories;
    std::vector<CatalogueProduct> products;
};

} // namespace tolvane
