// Files product rows under index letters by their names, for the sectioned product lists.
#pragma once

#include "catalogue/PackedRows.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

struct ProductSection {
    std::string letter;
    // Positions of the section's rows in the rows grouped, in query order: the sections refer
    // to the held list instead of copying it.
    std::vector<std::uint32_t> rows;
};

struct IndexGrouping {
    std::vector<ProductSection> displayList;
    std::vector<std::string> indexLetters;
};

// How rows whose key is a blank (empty or blank-led names) are treated.
enum class BlankKeys {
    Hidden,    // the main product list leaves them out
    UnderHash, // a category's list files them under "#"
};

// The index key of a product name: its first character upper-cased and folded ("Ä", "É", "Ĺ" to
// their base letter, "ß" to "S", "Ё" to "Е"); an empty name, and one that begins with "|", gets " "
// (the rule as it was made for rows read as "name|maker|id" texts, kept so that such names are
// filed as before).
std::string indexKeyOf(std::string_view name);

// A name's key for sorting in the reader's alphabet, Latin before Cyrillic: every character
// upper-cased and folded as the index key folds its first ("ß" as "SS").
std::string sortKeyOf(std::string_view name);

// The sections' rows are positions in rows.
IndexGrouping groupUnderIndexLetters(const PackedRows& rows, BlankKeys blanks);
// Only the rows at positions (a search's hits), in that order.
IndexGrouping groupUnderIndexLetters(const PackedRows& rows,
                                     const std::vector<std::uint32_t>& positions, BlankKeys blanks);

} // namespace tolvane
