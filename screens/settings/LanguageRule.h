// How the interface language of a run is fixed before any window exists.
// The choice is read once at start; changes made while running apply at the next start.
#pragma once

#include "platform/AppDefaults.h"

#include <string>

namespace tolvane {

// The languages the string tables are written for.
bool isInterfaceLanguage(const std::string& code);

// Twenty codes, English first; stored when the device language has no string table.
const DefaultsList& fallbackLanguages();

// "de-CH", "de_DE" -> "de"; keeps the order and drops repeats and empty entries.
DefaultsList reduceToLanguageCodes(const DefaultsList& localeNames);

struct LanguageDecision {
    bool storeFallback = false; // write fallbackLanguages() under "AppleLanguages"
    std::string language;       // the interface language of this run
};

// localization: the stored "Localization" text; appleLanguages: the stored list (empty when
// absent); devicePreferred: the device's own list. The stored list wins over the device's.
LanguageDecision decideLanguage(const std::string& localization, const DefaultsList& appleLanguages,
                                const DefaultsList& devicePreferred);

// The preferred-language list as the platform sees it: the stored list, else the device's.
DefaultsList preferredLanguages(UserDefaults& defaults, const DefaultsList& devicePreferred);

// Applies the decision to the store and returns the language.
std::string applyEntryStep(UserDefaults& defaults, const DefaultsList& devicePreferred);

} // namespace tolvane
