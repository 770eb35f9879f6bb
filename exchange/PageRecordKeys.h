// The keys of a catalogue product object, in the column order of field01..field24, then the
// identifier, and the identifiers kept for own products: the wire format, written once for the
// update, the reference server and the catalogue tools. Header only, standard library only.
#pragma once

#include <array>

namespace tolvane {

inline constexpr std::array<const char*, 25> pageRecordKeys = {
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

// Every key but "ID".
inline constexpr int pageRecordFieldCount = 24;
// "Aufnahmedatum", the inclusion date.
inline constexpr int pageRecordDateField = 5;
// Identifiers from here on belong to products that users enter on their devices; the catalogue
// never holds them.
inline constexpr long long firstOwnProductId = 900000000;

} // namespace tolvane
