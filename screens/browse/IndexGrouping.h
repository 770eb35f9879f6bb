// Files product records under index letters for the sectioned product lists.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

struct ProductSection {
    std::string letter;
    std::vector<std::string> rows; // record strings, in query order
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
std::string indexKeyOf(const std::string& record);

IndexGrouping groupUnderIndexLetters(const std::vector<std::string>& records, BlankKeys blanks);

} // namespace tolvane
