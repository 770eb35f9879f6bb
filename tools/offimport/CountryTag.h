// The country a --country option names, as the export's countries_tags write it ("en:france").
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

// Takes a two-letter code ("fr", "CH", "uk" for the United Kingdom), an English name in any case
// with blanks or hyphens ("france", "United Kingdom") or a tag as it stands ("en:france").
// Nothing for a two-letter code the table does not know or an empty text.
std::optional<std::string> countryTag(std::string_view argument);

// Whether a comma-separated tag list holds the tag.
bool holdsTag(std::string_view tags, std::string_view tag);

} // namespace tolvane
