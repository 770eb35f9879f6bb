#include "screens/browse/HeldListSearch.h"

#include "store/LikePattern.h"

#include <string_view>

namespace tolvane {

PackedRows searchHeldList(const PackedRows& listRecords, const std::string& typed) {
    const LikePattern pattern(typed + "%");
    PackedRows found;
    std::string hit;
    for (const std::string_view record : listRecords) {
        const std::size_t first = record.find('|');
        const std::size_t last = record.rfind('|');
        if (first == std::string_view::npos || first == last) continue;
        const std::string_view name = record.substr(0, first);
        const std::string_view maker = record.substr(first + 1, last - first - 1);
        if (!pattern.matches(name) && !pattern.matches(maker)) continue;
        hit.assign(name).append(record.substr(last)).append("|").append(maker);
        found.push_back(hit);
    }
    return found;
}

} // namespace tolvane
