// One catalogue product as the server delivers it, the shipped file holds it and the update
// stores it: the 24 field texts of ProductsTable's field01..field24 and the identifier. The wire
// keys are written once here for the update, the reference server and the catalogue tools.
// Header only, standard library only.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace tolvane {

// field01 .. field24, in column order.
enum class CatalogueField {
    Name,
    Maker,
    Category,
    LightFlag,
    SalesPortion,
    InclusionDate,
    DinnerFlag,
    Unit,
    EnergyKj,
    EnergyKcal,
    Carbohydrates,
    Sugar,
    Fat,
    SaturatedFat,
    Salt,
    Fibre,
    Protein,
    TransFat,
    Starch,
    Polyols,
    Monounsaturated,
    Polyunsaturated,
    Cholesterol,
    Gtin,
};

inline constexpr std::size_t catalogueFieldCount = 24;

// The keys of a product object in the update's reply and the columns of the catalogue source,
// in the order of CatalogueField, then the identifier.
inline constexpr std::array<const char*, catalogueFieldCount + 1> catalogueRecordKeys = {
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

// Identifiers from here on belong to products that users enter on their devices; the catalogue
// never holds them.
inline constexpr long long firstOwnProductId = 900000000;

struct CatalogueRecord {
    std::array<std::string, catalogueFieldCount> fields; // texts as delivered
    long long id = 0;

    std::string& operator[](CatalogueField f) { return fields[static_cast<std::size_t>(f)]; }
    const std::string& operator[](CatalogueField f) const {
        return fields[static_cast<std::size_t>(f)];
    }
    friend bool operator==(const CatalogueRecord&, const CatalogueRecord&) = default;
};

} // namespace tolvane
