// The keys of a catalogue product object, in the column order of field01..field24, then the
// identifier: the page record's order, shared by the update and the catalogue sources.
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

} // namespace tolvane
