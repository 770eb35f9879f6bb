#include "tools/offimport/CategoryMapping.h"

#include "text/SplitFields.h"
#include "tools/offimport/ExportError.h"

#include <set>

namespace tolvane {

namespace {} // namespace

CategoryMapping::CategoryMapping(std::string_view table,
                                 const std::vector<CatalogueCategory>& categories,
                                 const std::string& label) {
    int number = 0;
    bool otherSeen = false;
    while (!table.empty()) {
        const std::size_t end = table.find('\n');
        const std::string_view line = trimmed(table.substr(0, end), " \r");
        table.remove_prefix(end == std::string_view::npos ? table.size() : end + 1);
        ++number;
        if (line.empty() || line.front() == '#') continue;
        const auto where = [&] { return label + ":" + std::to_string(number) + ": "; };
        const auto parts = splitFields(line, '\t');
        if (parts.size() < 2 || parts.size() > 3)
            throw ExportError(where() + "expected a tag, a tab and a category name (and \"ml\")");
        const std::string tag(trimmed(parts[0], " \r"));
        const std::string_view name = trimmed(parts[1], " \r");
        const bool drink = parts.size() == 3 && trimmed(parts[2], " \r") == "ml";
        if (parts.size() == 3 && !drink && !trimmed(parts[2], " \r").empty())
            throw ExportError(where() + "the third column may only be \"ml\"");
        int id = 0;
        for (const auto& category : categories)
            if (category.name == name) id = category.id;
        if (id == 0)
            throw ExportError(where() + "\"" + std::string(name) +
                              "\" is not a category of the catalogue");
        if (tag == "*") {
            other_ = id;
            otherSeen = true;
        } else if (tag.empty()) {
            throw ExportError(where() + "the tag is empty");
        } else if (!byTag_.emplace(tag, Entry{id, drink}).second) {
            throw ExportError(where() + "the tag " + tag + " is placed twice");
        }
    }
    if (!otherSeen)
        throw ExportError(label + ": no line \"*\" names the category of the other products");
}

CategoryMapping::Choice CategoryMapping::choose(std::string_view tags) const {
    Choice choice{other_, false, true};
    std::string tag;
    while (!tags.empty()) {
        const std::size_t comma = tags.find(',');
        tag.assign(trimmed(tags.substr(0, comma), " \r"));
        tags.remove_prefix(comma == std::string_view::npos ? tags.size() : comma + 1);
        const auto found = byTag_.find(tag);
        if (found == byTag_.end()) continue;
        choice.category = found->second.category;
        choice.other = false;
        choice.drink = choice.drink || found->second.drink;
    }
    return choice;
}

std::vector<int> CategoryMapping::reachable() const {
    std::set<int> ids{other_};
    for (const auto& [tag, entry] : byTag_)
        ids.insert(entry.category);
    return {ids.begin(), ids.end()};
}

} // namespace tolvane
