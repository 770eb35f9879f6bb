#include "catalogue/HeldListSearch.h"

#include "store/LikePattern.h"

namespace tolvane {

PackedRows searchHeldList(const PackedRows& list, const std::string& typed) {
    const LikePattern pattern(typed + "%");
    PackedRows found;
    for (std::size_t at = 0; at < list.size(); ++at)
        if (pattern.matches(list.name(at)) || pattern.matches(list.maker(at)))
            found.append(list, at);
    return found;
}

} // namespace tolvane
