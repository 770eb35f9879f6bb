#pragma once

#include <array>
#include <string>
#include <vector>

namespace tolvane {

// The record keys of one catalogue product, in column order (field01 .. field24, then "ID").
inline constexpr std::array<const char*, 25> kCatalogueKeys = {
    "Produktname",
    "Hersteller",
    "Kategorie",
    "Ampel-Flagge",
    "Hersteller-Info",
    "Aufnahmedatum",
    "Abendessen-Tauglich",
    "Einheit",
    "Energiewert in KJ",
    "Energiewert in kcal",
    "Kohlenhydrate",
    "Zucker",
    "Fett",
    "ges. Fette",
    "Salz / Natrium",
    "Ballaststoffe",
    "Eiweis",
    "Transfettsauren",
    "Starke",
    "mehrwertige Alkohole",
    "einfach ungesattigte Fettsauren",
    "mehrfach ungesattigte Fettsauren",
    "Cholesterin",
    "GTIN",
    "ID",
};

inline constexpr int kCatalogueFieldCount = 24;
// Identifiers from here on belong to products the user enters.
inline constexpr long long kFirstReservedId = 900000000;

// Indexes into CatalogueProduct::fields.
namespace field {
inline constexpr int name = 0;
inline constexpr int maker = 1;
inline constexpr int category = 2;
inline constexpr int inclusionDate = 5;
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
