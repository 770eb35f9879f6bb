#include "screens/settings/LanguageRule.h"

#include <algorithm>
#include <array>

namespace tolvane {

bool isInterfaceLanguage(const std::string& code) {
    static constexpr std::array<const char*, 6> codes{"en", "es", "de", "fr", "it", "ru"};
    return std::any_of(codes.begin(), codes.end(), [&](const char* c) { return code == c; });
}

const DefaultsList& fallbackLanguages() {
    static const DefaultsList list{"en",      "de",      "fr", "es", "it", "ja", "nl",
                                   "pt",      "pt-PT",   "da", "fi", "nb", "sv", "ko",
                                   "zh-Hans", "zh-Hant", "ru", "pl", "tr", "uk"};
    return list;
}

DefaultsList reduceToLanguageCodes(const DefaultsList& localeNames) {
    DefaultsList codes;
    for (const auto& name : localeNames) {
        std::string code = name.substr(0, name.find_first_of("-_"));
        std::transform(code.begin(), code.end(), code.begin(), [](unsigned char c) {
            return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : char(c);
        });
        // "C" and "POSIX" name no language.
        if (code.empty() || code == "c" || code == "posix" ||
            std::find(codes.begin(), codes.end(), code) != codes.end())
            continue;
        codes.push_back(code);
    }
    return codes;
}

LanguageDecision decideLanguage(const std::string& localization, const DefaultsList& appleLanguages,
                                const DefaultsList& devicePreferred) {
    if (localization == "NO") return {true, "en"};
    const DefaultsList& preferred = appleLanguages.empty() ? devicePreferred : appleLanguages;
    if (!preferred.empty() && isInterfaceLanguage(preferred.front()))
        return {false, preferred.front()};
    return {true, "en"};
}

DefaultsList preferredLanguages(UserDefaults& defaults, const DefaultsList& devicePreferred) {
    DefaultsList stored = AppDefaults(defaults).appleLanguages();
    return stored.empty() ? devicePreferred : stored;
}

std::string applyEntryStep(UserDefaults& defaults, const DefaultsList& devicePreferred) {
    AppDefaults app(defaults);
    auto decision = decideLanguage(app.localization(), app.appleLanguages(), devicePreferred);
    if (decision.storeFallback) {
        app.setAppleLanguages(fallbackLanguages());
        app.synchronize();
    }
    return decision.language;
}

} // namespace tolvane
