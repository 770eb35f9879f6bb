#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tolvane::server {

// The 25 keys of a delivered product, in delivery (and catalogue source) order; "ID" is last.
inline constexpr std::array<std::string_view, 25> kProductKeys = {
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

inline constexpr std::size_t kFieldCount = 24;    // every key but "ID"
inline constexpr std::size_t kTimestampField = 5; // "Aufnahmedatum"

// Identifiers from here on belong to products that users enter on their devices.
inline constexpr long long kFirstReservedId = 900000000;

struct ProductRecord {
    std::array<std::string, kFieldCount> fields;
    long long id = 0;
    bool deleted = false;

    const std::string& timestamp() const { return fields[kTimestampField]; }
    std::string& timestamp() { return fields[kTimestampField]; }
};

} // namespace tolvane::server
