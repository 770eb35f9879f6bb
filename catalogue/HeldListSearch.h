// The search of the product list answered from the list already held in memory: the same rows
// in the same order as the store's search statement, at a fraction of its cost.
#pragma once

#include "catalogue/PackedRows.h"

#include <string>

namespace tolvane {

// list holds the rows of the full list in list order. A row matches when its name or its maker
// is LIKE the typed text followed by "%".
PackedRows searchHeldList(const PackedRows& list, const std::string& typed);

} // namespace tolvane
