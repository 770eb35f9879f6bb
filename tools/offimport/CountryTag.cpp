#include "tools/offimport/CountryTag.h"

#include "text/SplitFields.h"

#include <utility>

namespace tolvane {

namespace {

// The countries whose products the export holds most of.
constexpr std::pair<const char*, const char*> kCodes[] = {
    {"ad", "andorra"},       {"al", "albania"},         {"ar", "argentina"},
    {"at", "austria"},       {"au", "australia"},       {"ba", "bosnia-and-herzegovina"},
    {"be", "belgium"},       {"bg", "bulgaria"},        {"br", "brazil"},
    {"by", "belarus"},       {"ca", "canada"},          {"ch", "switzerland"},
    {"cl", "chile"},         {"cn", "china"},           {"co", "colombia"},
    {"cy", "cyprus"},        {"cz", "czech-republic"},  {"de", "germany"},
    {"dk", "denmark"},       {"dz", "algeria"},         {"ee", "estonia"},
    {"eg", "egypt"},         {"es", "spain"},           {"fi", "finland"},
    {"fr", "france"},        {"gb", "united-kingdom"},  {"gr", "greece"},
    {"hk", "hong-kong"},     {"hr", "croatia"},         {"hu", "hungary"},
    {"id", "indonesia"},     {"ie", "ireland"},         {"il", "israel"},
    {"in", "india"},         {"is", "iceland"},         {"it", "italy"},
    {"jp", "japan"},         {"kr", "south-korea"},     {"li", "liechtenstein"},
    {"lt", "lithuania"},     {"lu", "luxembourg"},      {"lv", "latvia"},
    {"ma", "morocco"},       {"mc", "monaco"},          {"md", "moldova"},
    {"me", "montenegro"},    {"mk", "north-macedonia"}, {"mt", "malta"},
    {"mx", "mexico"},        {"my", "malaysia"},        {"nl", "netherlands"},
    {"no", "norway"},        {"nz", "new-zealand"},     {"pe", "peru"},
    {"ph", "philippines"},   {"pl", "poland"},          {"pt", "portugal"},
    {"re", "reunion"},       {"ro", "romania"},         {"rs", "serbia"},
    {"ru", "russia"},        {"sa", "saudi-arabia"},    {"se", "sweden"},
    {"sg", "singapore"},     {"si", "slovenia"},        {"sk", "slovakia"},
    {"th", "thailand"},      {"tn", "tunisia"},         {"tr", "turkey"},
    {"tw", "taiwan"},        {"ua", "ukraine"},         {"uk", "united-kingdom"},
    {"us", "united-states"}, {"vn", "vietnam"},         {"za", "south-africa"},
};

} // namespace

std::optional<std::string> countryTag(std::string_view argument) {
    argument = trimmed(argument, " ");
    if (argument.empty()) return std::nullopt;
    std::string text;
    for (char c : argument) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        text += c == ' ' || c == '_' ? '-' : c;
    }
    if (text.find(':') != std::string::npos) return text;
    if (text.size() == 2) {
        for (const auto& [code, name] : kCodes)
            if (text == code) return std::string("en:") + name;
        return std::nullopt;
    }
    return "en:" + text;
}

bool holdsTag(std::string_view tags, std::string_view tag) {
    while (!tags.empty()) {
        const std::size_t comma = tags.find(',');
        if (trimmed(tags.substr(0, comma), " ") == tag) return true;
        if (comma == std::string_view::npos) break;
        tags.remove_prefix(comma + 1);
    }
    return false;
}

} // namespace tolvane
