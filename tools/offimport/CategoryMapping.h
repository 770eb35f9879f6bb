// How the export's categories_tags become catalogue categories: a table kept as a data file
// (resources/catalogue/off-categories.tsv, built into the tools; --mapping reads another).
//
// Each line: a tag of the export, a tab, the name of a catalogue category as categories.tsv
// writes it, and optionally a tab and "ml" when products with that tag are drinks. The line "*"
// names the category of every product no line places. Lines starting with "#" and empty lines
// are skipped.
//
// A product takes the category of its most specific tag the table knows: the export lists a
// product's categories from the most general to the most specific, so the last one known wins (a
// cheese is "en:dairies, ..., en:cheeses", and so a cheese, not a dairy product).
#pragma once

#include "tools/catalogue/CatalogueSource.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tolvane {

class CategoryMapping {
public:
    // Throws ExportError naming the line for a category not in the list, a malformed line or a
    // table without "*".
    CategoryMapping(std::string_view table, const std::vector<CatalogueCategory>& categories,
                    const std::string& label);

    struct Choice {
        int category = 0;
        bool drink = false; // any of the tags is a drink's
        bool other = false; // no tag was known
    };
    Choice choose(std::string_view categoriesTags) const;

    // The categories some line leads to, "*" included.
    std::vector<int> reachable() const;

private:
    struct Entry {
        int category = 0;
        bool drink = false;
    };
    std::unordered_map<std::string, Entry> byTag_;
    int other_ = 0;
};

// The mapping table and the category list built into the tools from resources/catalogue.
std::string_view builtInCategoryMapping();
std::string_view builtInCategories();

} // namespace tolvane
