#include "tools/offimport/ExportColumns.h"

#include "tools/offimport/ExportError.h"

#include <cstring>

namespace tolvane {

namespace {

constexpr std::array<const char*, exportColumnCount> kNames = {
    "code",
    "", // product_name_<language>, set from the language
    "product_name",
    "generic_name",
    "brands",
    "categories_tags",
    "countries_tags",
    "quantity",
    "serving_size",
    "last_modified_t",
    "energy-kcal_100g",
    "energy-kj_100g",
    "energy_100g",
    "fat_100g",
    "saturated-fat_100g",
    "monounsaturated-fat_100g",
    "polyunsaturated-fat_100g",
    "trans-fat_100g",
    "cholesterol_100g",
    "carbohydrates_100g",
    "sugars_100g",
    "starch_100g",
    "polyols_100g",
    "fiber_100g",
    "proteins_100g",
    "salt_100g",
    "sodium_100g",
};

} // namespace

void splitTabs(std::string_view line, std::vector<std::string_view>& fields) {
    fields.clear();
    const char* at = line.data();
    const char* end = at + line.size();
    for (;;) {
        const void* tab = std::memchr(at, '\t', static_cast<std::size_t>(end - at));
        if (!tab) {
            fields.emplace_back(at, static_cast<std::size_t>(end - at));
            return;
        }
        const char* stop = static_cast<const char*>(tab);
        fields.emplace_back(at, static_cast<std::size_t>(stop - at));
        at = stop + 1;
    }
}

std::string_view unquoted(std::string_view field, std::string& scratch, bool& unterminated) {
    unterminated = false;
    if (field.empty() || field.front() != '"') return field;
    // Closed when it ends in a quote that is not one of a doubled pair inside.
    std::size_t closing = field.size();
    if (field.size() >= 2 && field.back() == '"') {
        std::size_t run = 0;
        for (std::size_t i = field.size() - 1; i > 0 && field[i] == '"'; --i)
            ++run;
        if (run % 2 == 1) closing = field.size() - 1;
    }
    if (closing == field.size()) {
        unterminated = true;
        return field;
    }
    const std::string_view inside = field.substr(1, closing - 1);
    if (inside.find('"') == std::string_view::npos) return inside;
    scratch.clear();
    for (std::size_t i = 0; i < inside.size(); ++i) {
        scratch += inside[i];
        if (inside[i] == '"' && i + 1 < inside.size() && inside[i + 1] == '"') ++i;
    }
    return scratch;
}

ExportColumns::ExportColumns(std::string_view header, const std::string& language) {
    at_.fill(-1);
    if (header.starts_with("\xEF\xBB\xBF")) header.remove_prefix(3);
    std::vector<std::string_view> names;
    splitTabs(header, names);
    width_ = names.size();
    const std::string localName = language.empty() ? "" : "product_name_" + language;
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::string scratch;
        bool open = false;
        std::string_view name = unquoted(names[i], scratch, open);
        while (!name.empty() && name.back() == ' ')
            name.remove_suffix(1);
        for (std::size_t c = 0; c < exportColumnCount; ++c) {
            const std::string_view wanted = c == static_cast<std::size_t>(ExportColumn::LocalName)
                                                ? std::string_view(localName)
                                                : std::string_view(kNames[c]);
            // The first of two columns of one name counts.
            if (!wanted.empty() && name == wanted && at_[c] < 0) at_[c] = static_cast<int>(i);
        }
    }
    if (!has(ExportColumn::Code))
        throw ExportError("the first line names no \"code\" column: this is not the export's "
                          "tab-separated CSV with its header line");
}

} // namespace tolvane
