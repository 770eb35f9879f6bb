// The search of a product list answered from the list already held in memory, in list order.
// A row matches when its name or its maker, folded for search, is LIKE the typed text folded the
// same way and followed by "%": "%" and "_" stay wildcards. Every row the store's search statement
// finds (SQLite's LIKE, which folds only A to Z) is found too.
#pragma once

#include "catalogue/PackedRows.h"
#include "catalogue/SearchIndex.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tolvane {

// Positions in list; folded was made from list.
std::vector<std::uint32_t> findInHeldList(const PackedRows& list, const SearchIndex& folded,
                                          const std::string& typed);

PackedRows searchHeldList(const PackedRows& list, const SearchIndex& folded,
                          const std::string& typed);

// The rows at positions of list, in that order.
PackedRows rowsAt(const PackedRows& list, const std::vector<std::uint32_t>& positions);

} // namespace tolvane
