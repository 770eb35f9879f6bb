#include "catalogue/HeldListSearch.h"

#include "store/LikePattern.h"
#include "text/SearchFold.h"

namespace tolvane {

namespace {

// Where folding can make a hit of SQLite's rule miss, that rule is asked as well: "_" against a
// character folded to two ("Stra_e", "Straße"), a mark standing first in the pattern, text that
// is not UTF-8, and "<", "=", ">" that compose with a following stroke.
bool needsStoreRule(const std::string& typed) {
    for (char c : typed)
        if (c == '_' || c == '<' || c == '=' || c == '>' || static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

} // namespace

std::vector<std::uint32_t> findInHeldList(const PackedRows& list, const SearchIndex& folded,
                                          const std::string& typed) {
    const LikePattern pattern(foldForSearch(typed) + "%");
    const bool storeRule = needsStoreRule(typed);
    const LikePattern stored(storeRule ? typed + "%" : std::string());
    std::vector<std::uint32_t> found;
    folded.forEachRow(list, [&](std::size_t at, std::string_view name, std::string_view maker) {
        if (pattern.matches(name) || pattern.matches(maker) ||
            (storeRule && (stored.matches(list.name(at)) || stored.matches(list.maker(at)))))
            found.push_back(static_cast<std::uint32_t>(at));
    });
    return found;
}

PackedRows rowsAt(const PackedRows& list, const std::vector<std::uint32_t>& positions) {
    PackedRows rows;
    for (const std::uint32_t at : positions)
        rows.append(list, at);
    return rows;
}

PackedRows searchHeldList(const PackedRows& list, const SearchIndex& folded,
                          const std::string& typed) {
    return rowsAt(list, findInHeldList(list, folded, typed));
}

} // namespace tolvane
