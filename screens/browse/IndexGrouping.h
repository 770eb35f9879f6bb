// Files product records under index letters for the sectioned product lists.
#pragma once

#include "screens/browse/PackedRows.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

struct ProductSection {
    std::string letter;
    // Positions of the section's records in the records grouped, in query order: the sections
    // refer to the held list instead of copying it.
    std::vector<std::uint32_t> rows;
};

struct IndexGrouping {
    std::vector<ProductSection> displayList;
    std::vector<std::string> indexLetters;
};

// How records whose key is a blank (empty or blank-led names) are treated.
enum class BlankKeys {
    Hidden,    // the main product list leaves them out
    UnderHash, // a category's list files them under "#"
};

// The index key of one record: its first character upper-cased and folded ("Ä" to "A", "ß" to
// "S"); a record whose name is empty gets " ".
std::string indexKeyOf(std::string_view record);

// The sections' rows are positions in records.
IndexGrouping groupUnderIndexLetters(const PackedRows& records, BlankKeys blanks);
// The same for records not packed (a statement's result as it comes).
inline IndexGrouping groupUnderIndexLetters(const std::vector<std::string>& records,
                                            BlankKeys blanks) {
    return groupUnderIndexLetters(PackedRows(records), blanks);
}

} // namespace tolvane
