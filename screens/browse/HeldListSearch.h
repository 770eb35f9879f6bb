// The search of the product list answered from the list already held in memory: the same rows
// in the same order as the store's search statement, at a fraction of its cost.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

// listRecords are rows of the full list ("name|maker|id", in list order); the result rows are in
// the column order of the search statement ("name|id|maker"). A row matches when its name or
// its maker is LIKE the typed text followed by "%".
std::vector<std::string> searchHeldList(const std::vector<std::string>& listRecords,
                                        const std::string& typed);

} // namespace tolvane
