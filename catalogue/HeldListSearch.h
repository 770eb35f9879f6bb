// The search of a product list answered from the list already held in memory, in list order.
// A row matches when its name or its maker, folded for search, is LIKE the typed text folded the
// same way and followed by "%": "%" and "_" stay wildcards. Every row the store's search statement
// finds (SQLite's LIKE, which folds only A to Z) is found too.
//
// A large list is searched in two halves, the second on a thread started for the call and joined
// before the call returns, so that a keystroke has both cores; nothing runs on after a call.
#pragma once

#include "catalogue/PackedRows.h"
#include "catalogue/SearchIndex.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tolvane {

// Positions in list; folded was made from list.
std::vector<std::uint32_t> findInHeldList(const PackedRows& list, const SearchIndex& folded,
                                          const std::string& typed);
// The same where no row outside among (ascending) can be a hit, as the hits of a text this one
// adds to.
std::vector<std::uint32_t> findInHeldList(const PackedRows& list, const SearchIndex& folded,
                                          const std::string& typed,
                                          const std::vector<std::uint32_t>& among);

PackedRows searchHeldList(const PackedRows& list, const SearchIndex& folded,
                          const std::string& typed);

// The rows at positions of list, in that order.
PackedRows rowsAt(const PackedRows& list, const std::vector<std::uint32_t>& positions);

// One screen's search as the user types: a text that only adds to the one searched before, on
// the same list, can find no row that one did not, so only that one's hits are searched again.
class HeldListSearch {
public:
    // The positions findInHeldList gives; valid until the next call.
    const std::vector<std::uint32_t>& find(const std::shared_ptr<const PackedRows>& list,
                                           const std::shared_ptr<const SearchIndex>& folded,
                                           const std::string& typed);

private:
    // Not kept alive by the search: a list swapped out is gone, and with it what was found.
    std::weak_ptr<const PackedRows> list_;
    std::weak_ptr<const SearchIndex> folded_;
    std::string typed_; // trailing "%"s taken off: the search adds one
    std::vector<std::uint32_t> hits_;
};

} // namespace tolvane
