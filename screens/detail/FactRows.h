// The lines of a product's whole nutrition table as the detail shows them: label order, titles
// and figures as the interface language writes them, energy in kJ and kcal on one line.
#pragma once

#include "platform/Strings.h"
#include "store/Rows.h"

#include <string>
#include <vector>

namespace tolvane {

// A line of the nutrition table; "of which" lines are indented under the one above.
struct FactRow {
    std::string title;
    std::string value;
    bool partOfAbove = false;
    friend bool operator==(const FactRow&, const FactRow&) = default;
};

// The lines of the values with data (factsWithData).
std::vector<FactRow> factRows(const NutritionFactsRow& stored, const Strings& strings);

} // namespace tolvane
