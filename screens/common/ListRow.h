// One row of a product list, read from its record string. The full list and the search give
// the same three fields in different orders.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

enum class ListRecordLayout {
    NameMakerId, // Database::selectProduct()
    NameIdMaker, // the searches and a category's products
};

struct ListRow {
    std::string name;
    std::string maker;
    std::string recordId;

    static ListRow parse(std::string_view record, ListRecordLayout layout);
    // Only the name, without reading the rest (the list asks for it on every paint).
    static std::string_view nameOf(std::string_view record);
};

} // namespace tolvane
